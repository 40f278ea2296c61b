#pragma once

#include <QWidget>

#include <vector>

#include "macros/macro_list_source.h"
#include "macros/macro_model.h"
#include "macros/macro_recorder.h"
#include "skin/message_box.h"
#include "skin/skin_resources.h"
#include "skin/vok_image_dialog.h"
#include "skin/vok_scroll_ctrl.h"

namespace tavro {

class CVokButton;
class CVokCheckBox;
class CVokListBox;
class CVokMacroCtrl;
class CVokStatic;
class KeyboardWatcher;
class MacroPageHost;

// The macro page: the macro list on the left, the events of the chosen macro on the
// right, "New Macro" and "Delete" below the list and the recorder's controls beside the
// events. It edits the macro library the main window owns (which loads and saves it);
// it never touches files or the mouse.
//
// Recording turns every key pressed and released, as the keyboard watcher reports it,
// into Key events of the chosen macro. While recording the program's own window takes
// no keys, "New Macro", "Delete" and the events' menu do nothing, and a page put away
// by the program (another tab, the window hidden) stops recording; minimising does not.
//
// Reports to its parent: the events' menu's (2234, 1) and (2234, 0), passed on.
//
// Keyboard: Enter stores a name or delay being typed, Escape drops it; neither leaves
// the page.
class CMacroSettingsDlg : public CVokImageDialog, public MacroListSource {
    Q_OBJECT

public:
    static constexpr int kBackgroundElement = 114;
    static constexpr const char* kStartHookFailed = "start hook failed!";
    static constexpr const char* kOnlyThisProgramNote = "Only keys typed into TAVRO are recorded";

    // The library, the host and the watcher outlive the page. The library's macros are
    // listed in their order; the last one is shown.
    CMacroSettingsDlg(std::vector<CMacro>& library, MacroPageHost& host, KeyboardWatcher& watcher,
                      QWidget* parent = nullptr, SkinResources& skin = SkinResources::Shared());
    ~CMacroSettingsDlg() override;

    // Where "start hook failed!" is shown; a message box by default.
    void setMessageSink(MessageSink sink);
    // The recorder's clock; tests drive it by hand.
    void setTickClock(MacroRecorder::TickClock clock);

    std::vector<MacroListEntry> MacroListEntries() const override;

    bool isRecording() const { return recorder_.isRecording(); }
    CVokListBox& list() const { return *list_; }
    CVokMacroCtrl& editor() const { return *editor_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void onNotify(int id, int value) override;
    void onCommand(int id) override;

private:
    CVokButton* placeButton(const PlacedControl& control, const QRect& skinRect);
    CVokCheckBox* placeCheckBox(const PlacedControl& control);
    ScrollImages scrollImages();

    void showSelectedMacro(int32_t id);
    void onNewMacro();
    void onDelete();
    void onRecordDelayClicked();
    void onRecordHoldClicked();
    void startRecording();
    void onStartRecord();
    void stopRecording();
    void onKeyReport(uint8_t virtualKey, bool released);
    void commitPendingEdits();
    bool ownsKeyReceiver(const QObject* receiver) const;

    MacroPageHost& host_;
    KeyboardWatcher& watcher_;
    SkinResources& skin_;
    MessageSink messageSink_ = ShowMessageBox;
    MacroRecorder recorder_;

    CVokListBox* list_;
    CVokMacroCtrl* editor_;
    CVokButton* newMacro_;
    CVokButton* delete_;
    CVokCheckBox* recordDelay_;
    CVokCheckBox* recordHold_;
    CVokButton* startRecord_;
    CVokButton* stopRecord_;
    CVokStatic* scopeNote_;
};

}  // namespace tavro
