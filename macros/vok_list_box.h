#pragma once

#include <QImage>
#include <QRgb>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <vector>

#include "macros/rect.h"
#include "macros/row_input.h"
#include "skin/owner_notification.h"
#include "skin/vok_button.h"
#include "skin/vok_scroll_ctrl.h"

namespace tavro {

class CVokEdit;

// An entry of the macro list: a macro's name and identifier, and its row.
struct CBoxItem {
    Rect rowRect;  // in pixels of the list
    QString text;
    bool selected = false;
    int32_t id = 0;
};

// The list of macros on the macro page, one row per macro. New entries are named in an
// edit box in the row below the last; they get the next identifier from 16 and a name
// made unique. It knows nothing of the events: the page joins it to the event editor
// by identifier.
//
// Reports to its parent: (103, identifier) when an entry was added, clicked or became
// selected after a deletion, (103, 0) when the list became empty; (104, identifier)
// just before the selected entry is deleted.
//
// Keyboard: Up, Down, Home, End, Page Up and Page Down choose an entry.
class CVokListBox : public QWidget, public OwnerNotificationReceiver {
    Q_OBJECT

public:
    static constexpr int kSelectedCode = 103;
    static constexpr int kDeletingCode = 104;
    static constexpr int kScrollBarId = 100;
    static constexpr QRgb kTextColour = 0xFFBEBEBE;
    static constexpr QRgb kSelectedTextColour = CVokButton::kDefaultSelectedTextColour;
    static constexpr QRgb kFocusColour = CVokButton::kDefaultSelectedTextColour;
    static constexpr int kTextFontHeight = 14;
    static constexpr int kNameBoxFontHeight = 16;

    explicit CVokListBox(int id, QWidget* parent = nullptr);

    void setBackgroundImage(QImage image);
    // The scroll bar, hidden until the rows overflow, as wide as its background picture.
    void setScrollImages(ScrollImages images);

    // "New Macro": opens the name box, or commits it when it is open. A list of
    // kMaxLibraryMacros entries takes no more.
    void openNameBox();
    // Adds an entry with the box's text unless it is empty, and closes the box. False
    // when the box was not open.
    bool commitNameBox();
    // Closes the box without adding anything. False when it was not open.
    bool cancelNameBox();
    bool isNameBoxOpen() const;

    // An entry as the library holds it: its name is taken as it is.
    void addEntry(const QString& name, int32_t id);
    void deleteSelected();

    const std::vector<CBoxItem>& entries() const { return entries_; }
    const CBoxItem* selectedEntry() const;
    CVokScrollCtrl* scrollBar() const { return scrollBar_; }
    int scrollPosition() const { return position_; }
    // The name box, once opened for the first time.
    CVokEdit* nameBox() const { return nameBox_; }

protected:
    bool event(QEvent* event) override;
    void onNotify(int id, int value) override;
    void onCommand(int /*id*/) override {}
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void closeNameBox();
    void addNewEntry(const QString& name);
    void append(const QString& name, int32_t id);
    // Rows counted for scrolling: the entries, and the new one while its box is open.
    int rowCount() const;
    void layOut();
    void scrollTo(int position);
    void select(int index);
    int selectedIndex() const;
    int entryAt(const QPoint& point) const;
    QRect nameBoxRect() const;
    int visibleRight() const;
    void notify(int code, int value);

    QImage background_;
    std::vector<CBoxItem> entries_;
    CVokScrollCtrl* scrollBar_;
    CVokEdit* nameBox_ = nullptr;
    int position_ = 0;
    WheelRows wheel_;
};

}  // namespace tavro
