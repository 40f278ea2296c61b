#pragma once

#include <QPointer>
#include <QWidget>

#include <chrono>
#include <functional>

#include "buttons/popup_layout.h"
#include "skin/message_box.h"
#include "skin/skin_resources.h"
#include "skin/vok_image_dialog.h"

namespace tavro {

class CVokButton;
class CVokStatic;
class KeyboardWatcher;
class MouseActions;
class SkinnedComboButton;

// The program's one modal pop-up, in one of the modes of popup_layout: warnings,
// confirmations, the three steps of the surface analysis and the capture of one key.
// Everything it says is in its skin pictures; it shows only the countdown and the name
// of the captured key. It is modal to its owner's window and centred on it, and runs a
// nested event loop, so the tray and the device monitor go on working. It ends with 1
// (confirmed) or 2 (not confirmed).
//
// Keyboard: Tab moves between its buttons, Space or Enter clicks the focused one, Enter
// elsewhere confirms (in the countdown too, while its OK is still disabled) and Escape
// does not confirm. The key capture takes every key as the key to capture instead.
class CPopDlg : public CVokImageDialog {
    Q_OBJECT

public:
    static constexpr int kConfirmed = 1;
    static constexpr int kNotConfirmed = 2;
    static constexpr int kCountdownStart = 10;  // seconds shown when the countdown opens
    static constexpr std::chrono::milliseconds kCountdownInterval{1000};
    // After "0", so that the user sees it before the result step opens.
    static constexpr std::chrono::milliseconds kFinalWait{500};
    static constexpr const char* kMouseNotFound = "TAVRO mouse not found";
    static constexpr const char* kSetHookFailed = "set hook failed.";

    // Calls `callback` once, `delay` from now, on the user-interface thread. Tests put a
    // hand-driven clock in place of the timers.
    using Scheduler =
        std::function<void(std::chrono::milliseconds delay, std::function<void()> callback)>;

    // `mode` is one of popup_layout's modes; `owner` is the page or window that opens it.
    CPopDlg(int mode, QWidget* owner, SkinResources& skin = SkinResources::Shared());
    ~CPopDlg() override;

    int mode() const { return layout_.mode; }

    // The surface analysis start searches and starts this mouse.
    void setMouseActions(MouseActions& mouse);
    // The key capture writes its key into `target`, watching the keyboard with `watcher`.
    // It is opened while the target reports the choice of its single-key entry, and
    // vetoes that choice (clears the accept flag) however it ends.
    void setKeyCapture(SkinnedComboButton& target, KeyboardWatcher& watcher);
    // Where "TAVRO mouse not found" and "set hook failed." are shown; a message box by
    // default. The surface analysis steps opened from this one share it and the scheduler.
    void setMessageSink(MessageSink sink);
    void setScheduler(Scheduler scheduler);

    // Opens the pop-up for its mode and runs it modally; returns 1 or 2.
    int run();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void onCommand(int id) override;

private:
    bool capturesKeys() const { return layout_.mode == popup_layout::kAssignKey; }

    void placeButton(CVokButton* button, const PlacedControl& control);
    void placeLabel(CVokStatic* label, const PlacedControl& control);
    void open();

    void onOk();
    void end(int result);
    void startSurfaceAnalysis();
    // Runs the next step of the surface analysis on top of this one.
    int runStep(int mode);

    void onCountdownTick();
    void onKeyEvent(unsigned virtualKey);
    void assignCapturedKey();

    // Calls `handler` after `delay` unless the pop-up has ended or is gone by then.
    void schedule(std::chrono::milliseconds delay, void (CPopDlg::*handler)());
    void showMessage(const char* text);

    const popup_layout::PopupLayout& layout_;
    SkinResources& skin_;
    CVokButton* ok_;
    CVokButton* cancel_;
    CVokButton* close_;
    CVokStatic* time_;
    CVokStatic* image_;

    MouseActions* mouse_ = nullptr;
    QPointer<SkinnedComboButton> target_;
    KeyboardWatcher* watcher_ = nullptr;
    MessageSink messageSink_ = ShowMessageBox;
    Scheduler scheduler_;  // empty: Qt's timers

    bool running_ = false;
    bool askingMouse_ = false;
    bool stepRunning_ = false;
    int secondsLeft_ = kCountdownStart;
    unsigned capturedKey_ = 0;
};

}  // namespace tavro
