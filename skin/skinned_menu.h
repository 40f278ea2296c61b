#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QRgb>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <vector>

#include "skin/accent_colour.h"
#include "skin/layout_rect.h"

namespace tavro {

// One entry of a skinned menu.
struct MenuItem {
    int code = 0;     // reported when chosen; unique within one menu
    LayoutRect rect;  // in the menu's client coordinates, set by the layout
    QString text;
    bool enabled = true;      // only enabled entries react
    bool hasSubMenu = false;  // set by the first sub-entry, never cleared
};

class SkinnedMenu;

// Watches an open chain of menus, one per menu class for the whole program, while the
// chain is open:
//  - a press of any button outside the chain closes it. Presses on the program's own
//    windows are seen in the application's events (and go on to where they were going);
//    presses on other programs and on the desktop reach the chain through a pointer grab
//    on its top-level menu, where the desktop offers one (X11);
//  - the keys of the menus (arrows, Enter, Escape) typed into the window the chain
//    belongs to go to its deepest open menu and no further, while the keyboard focus
//    stays on the page.
class OutsideClickWatcher : public QObject {
    Q_OBJECT

public:
    OutsideClickWatcher();

    // Starts watching if needed; `menu` becomes the one whose chain a press is tested against.
    void watch(SkinnedMenu* menu);
    void stop();

    bool isActive() const { return active_; }
    SkinnedMenu* target() const { return target_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void grabPointer();
    void releasePointer();

    QPointer<SkinnedMenu> target_;
    QPointer<SkinnedMenu> grabber_;  // the top-level menu holding the pointer grab
    // Tries the grab again while another program holds the pointer (the press on a
    // panel's tray icon that opened the menu is still held there).
    QTimer grabRetry_;
    bool active_ = false;
};

// The skinned pop-up menu: a frameless window that never takes activation, listing text
// entries in the skin font; entries may open sub-menus to the right. It reports to its
// owner (a drop-down button) the pair (identifier, entry code) on a choice, and
// (2234, 1) / (2234, 0) around every hiding of one of its windows.
//
// Keyboard, in the deepest open menu of a chain: Up and Down move the hovered entry
// (wrapping round, skipping disabled entries), Right or Enter on an entry with a
// sub-menu opens it with its first entry hovered, Left closes a sub-menu, Enter chooses
// the hovered entry as a click would, Escape closes the whole chain.
class SkinnedMenu : public QWidget {
    Q_OBJECT

public:
    static constexpr QRgb kTextColour = 0xFFAAAAAA;
    static constexpr QRgb kHoveredTextColour = kAccentColour;
    static constexpr QRgb kBackgroundColour = 0xFF000000;
    static constexpr QRgb kBorderColour = kAccentColour;

    // The rectangle a sub-menu is created with; its height follows its entries.
    static constexpr QRect kNewSubMenuRect{0, 0, 50, 10};

    // Where showMenu() puts (x, y).
    enum ShowMode { kTopLeft = 0, kBottomLeft = 2, kBottomRight = 3 };

    ~SkinnedMenu() override;

    int identifier() const { return identifier_; }
    QWidget* owner() const { return owner_; }
    SkinnedMenu* parentMenu() const { return parentMenu_; }
    const std::vector<MenuItem>& entries() const { return entries_; }
    int hoveredIndex() const { return hovered_; }
    // Hovers entry `index` of this menu, as the keyboard does; −1 or an index out of range
    // hovers none.
    void setHoveredIndex(int index);

    // Appends an enabled entry unless this menu already has one with `code`.
    void addEntry(int code, const QString& text);
    // Adds (code, text) to the sub-menu of this menu's own entry `parentCode`, if any.
    void addSubEntry(int code, int parentCode, const QString& text);
    // The sub-menu with `identifier`, created hidden if missing.
    SkinnedMenu* subMenu(int identifier);
    // The first entry with `code` here, else in the sub-menus depth first; null if none.
    const MenuItem* findEntry(int code) const;
    // Removes the entries; the sub-menus stay.
    void clear();
    // The widest entry text, in pixels of the menu font, of the menu with `identifier`
    // (this one or one reached through its sub-menus); 0 when there is none.
    int widestText(int identifier) const;

    // Lays out and shows the menu with the corner of `mode` at the screen point (x, y).
    void showMenu(int mode, int x, int y);
    // Hides the whole chain this menu belongs to.
    void hideMenu();

    // A key while this is the deepest open menu of its chain; false when the key is not
    // one of the menu's.
    bool handleKey(int key);

protected:
    // A top-level menu (no parent menu) is a window owned by `owner`, a sub-menu one owned
    // by its parent menu. `watcher` is the one of the menu class.
    SkinnedMenu(QWidget* owner, int identifier, const QRect& rect, SkinnedMenu* parentMenu,
                OutsideClickWatcher& watcher);

    // The right edge of every entry rectangle.
    virtual int entryRight() const = 0;
    // A new hidden sub-menu of the same class, with this menu as its parent.
    virtual SkinnedMenu* createSubMenu(int identifier) = 0;

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    friend class OutsideClickWatcher;

    void layOut();
    int entryAt(const QPoint& point) const;
    // Reports the choice of entry `index` (unless it opens a sub-menu) and hides the
    // chain, as a release on it does.
    void chooseEntry(int index);
    // Hides this menu's open sub-menus, then shows the sub-menu of entry `index` beside
    // it if that has entries; null when it has none.
    SkinnedMenu* showSubMenuOf(int index);
    // The keyboard's way in: the sub-menu of an enabled entry, with its first entry hovered.
    void enterSubMenuOf(int index);
    void moveHover(int step);
    SkinnedMenu* topLevelMenu();
    SkinnedMenu* findSubMenu(int identifier) const;
    const SkinnedMenu* findMenu(int identifier) const;
    bool subMenuHasEntries(int code) const;
    void hideOpenSubMenus();
    // Hides this window alone with its open sub-menus, between the two reports.
    void closeWindow();
    void releaseWatcher();
    // True when the screen point lies in this menu or one of its parent menus.
    bool chainContains(const QPoint& globalPoint) const;
    bool isSelfOrAncestorOf(const SkinnedMenu* menu) const;

    int identifier_;
    QWidget* owner_;
    SkinnedMenu* parentMenu_;
    OutsideClickWatcher& watcher_;
    std::vector<MenuItem> entries_;
    std::vector<SkinnedMenu*> subMenus_;  // children of this menu
    int hovered_ = -1;
};

}  // namespace tavro
