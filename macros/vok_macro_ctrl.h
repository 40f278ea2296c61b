#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "macros/macro_model.h"
#include "macros/row_input.h"
#include "skin/owner_notification.h"
#include "skin/vok_button.h"
#include "skin/vok_scroll_ctrl.h"

namespace tavro {

class CVokEdit;
class CVokMenu;

// The event editor on the macro page: shows the events of the current library macro,
// one per row, and changes them through its context menu (record before or after an
// event, insert mouse button and wheel events, edit a delay, delete an event). It
// works on the macro library the main window owns and never touches its files.
//
// Reports to its parent: (116, 1 or 2) when "Start record before event" or "Start
// record after event" was chosen; the menu's (2234, 1) and (2234, 0), passed on.
//
// Keyboard: Up, Down, Home, End, Page Up and Page Down choose an event, Delete deletes
// it, the menu key or Shift+F10 opens the menu at the chosen event.
class CVokMacroCtrl : public QWidget, public MacroOwner, public OwnerNotificationReceiver {
    Q_OBJECT

public:
    static constexpr int kStartRecordingCode = 116;
    static constexpr int kScrollBarId = 100;
    static constexpr int kDelayBoxFontHeight = 13;
    // The delay box sits in the chosen row, from L + 120, 52 pixels wide, its top 2
    // pixels below the row's.
    static constexpr int kDelayBoxLeft = 120;
    static constexpr int kDelayBoxWidth = 52;
    static constexpr int kDelayBoxTop = 2;
    static constexpr int kDelayBoxDigits = 8;  // the longest delay has eight
    static constexpr QRgb kFocusColour = CVokButton::kDefaultSelectedTextColour;

    CVokMacroCtrl(int id, std::vector<CMacro>& library, QWidget* parent = nullptr);
    ~CVokMacroCtrl() override;

    void setBackgroundImage(QImage image);
    // The scroll bar stands at the right edge, as wide as its background picture.
    void setScrollImages(ScrollImages images);
    void buildMenu();

    // Shows the library macro with this identifier, creating it empty with `name` (in
    // the editor's client area) when the library has none.
    void makeCurrent(int32_t id, const QString& name);
    // Removes the library macro with this identifier.
    void removeMacro(int32_t id);
    CMacro* currentMacro();
    const CMacro* currentMacro() const;

    // Stores the typed delay in the chosen event unless the box is empty, and closes
    // the box. False when the box was not open.
    bool commitDelayBox();
    // Closes the box without storing. False when it was not open.
    bool cancelDelayBox();
    bool isDelayBoxOpen() const;

    // While recording the menu does not open.
    void setRecording(bool recording) { recording_ = recording; }
    bool isRecording() const { return recording_; }
    // Append until a "Start record" entry of the menu is first chosen, then after the
    // chosen event.
    InsertMode insertMode() const { return insertMode_; }

    // A recorded Key event, added to the current macro by the insertion mode; nothing
    // without a current macro or once it holds kMaxMacroEvents.
    void addRecordedKey(int16_t key, uint8_t direction, int32_t delay);
    // Deletes every event of the current macro.
    void clearCurrentMacro();

    CVokMenu* menu() const { return menu_; }
    CVokScrollCtrl* scrollBar() const { return scrollBar_; }
    // The delay box, once opened for the first time.
    CVokEdit* delayBox() const { return delayBox_; }
    int scrollPosition() const { return position_; }

    void OnRowsOverflow(int lastIndex) override;
    void OnShowEvent(int index) override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void onNotify(int id, int value) override;
    void onCommand(int /*id*/) override {}
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool isMenuId(int id) const;
    void onMenuChoice(int code);
    void openDelayBox();
    void showMenuAt(const QPoint& globalPosition);
    int eventCount() const;
    // The current macro can take that many more events.
    bool hasRoomFor(size_t events) const;
    // The scroll range and position for the current macro's events, and its rows there.
    void refresh();
    void placeRows();
    void scrollTo(int position);
    void selectEvent(int index);
    int visibleRight() const;

    std::vector<CMacro>& library_;
    std::optional<int32_t> currentId_;
    CVokScrollCtrl* scrollBar_;
    CVokMenu* menu_ = nullptr;
    CVokEdit* delayBox_ = nullptr;
    QImage background_;
    InsertMode insertMode_ = InsertMode::Append;
    bool recording_ = false;
    int position_ = 0;
    WheelRows wheel_;
    bool pressStoredDelay_ = false;
};

}  // namespace tavro
