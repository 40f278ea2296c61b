#pragma once

#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>
#include <QTimer>

#include <optional>

#include "skin/accent_colour.h"
#include "skin/owner_notification.h"
#include "skin/pop_up_button.h"
#include "skin/tick_count.h"

namespace tavro {

class SkinnedMenu;

// A skinned push button that shows the current choice as its caption and opens its
// pop-up menu when clicked. It reports (its identifier, chosen code) to its parent; the
// parent may veto a choice by clearing the accept flag during that report.
//
// Opening follows PopUpButton's rule. A pointer release opens the menu unless the press
// before it came less than 200 ms after the menu was last seen open: that press closed
// the menu through the outside-click watcher, so a click on the button while its menu is
// open closes it. A key (Space, Enter, Alt+Down) opens the closed menu with the current
// choice hovered, and closes the open one; Tab away from the button closes it too.
class SkinnedComboButton : public PopUpButton, public OwnerNotificationReceiver {
    Q_OBJECT

public:
    static constexpr QRgb kNormalTextColour = 0xFFFFFFFF;
    static constexpr QRgb kHoverTextColour = kAccentColour;
    static constexpr int kCaptionIndent = 9;
    static constexpr int kMenuTimerInterval = 100;
    // A press this soon after the menu was last seen open closes it rather than reopening.
    static constexpr int kReopenDelay = 200;

    // The first entry creates the menu, as wide as the button less 2 pixels.
    void addEntry(int code, const QString& text);
    // Resizes the menu to the class's menu size, or creates it empty that wide.
    void sizeMenu();
    SkinnedMenu* menu() const { return menu_; }

    void setImages(const QImage& normal, const QImage& hover, const QImage& pressed,
                   const QImage& disabled = QImage());
    // Replaces the control font by the skin font of the class's size.
    void useSkinFont();

    void setAssignment(const QString& caption, int code, int parameter);
    const QString& caption() const { return caption_; }
    int code() const { return code_; }
    int parameter() const { return parameter_; }
    // The text of the menu entry with `code`, or the empty text.
    QString captionOf(int code) const;

    void setAccept(bool accept) { accept_ = accept; }
    bool accepts() const { return accept_; }
    void setOpenUpward(bool upward) { openUpward_ = upward; }
    bool opensUpward() const { return openUpward_; }
    void setDrawCaption(bool draw);

    void setTickSource(TickSource source);
    // The 100 ms timer: notes when the menu was last seen open.
    void onMenuTimer();
    bool isMenuTimerActive() const { return menuTimer_.isActive(); }

protected:
    SkinnedComboButton(int id, QWidget* parent, QSize menuSize, int skinFontPixels);

    virtual SkinnedMenu* createMenu(int identifier, const QRect& rect) = 0;

    bool event(QEvent* event) override;
    void onNotify(int id, int value) override;
    void onCommand(int /*id*/) override {}
    void paintContent(QPainter& painter) override;
    void refreshAccessibleName() override;
    void onPopUpRequested(Request request) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void openMenu();
    bool showsChoice() const { return drawCaption_ && !caption_.isEmpty(); }

    QSize menuSize_;
    int skinFontPixels_;
    SkinnedMenu* menu_ = nullptr;  // a child window of the button
    QString caption_;
    int code_ = -1;
    int parameter_ = -1;
    bool drawCaption_ = true;
    bool accept_ = true;
    bool openUpward_ = false;
    bool suppress_ = false;
    std::optional<qint64> lastSeenOpen_;  // none until the menu was first seen open
    QTimer menuTimer_;
    TickSource tick_ = TickCount;
};

}  // namespace tavro
