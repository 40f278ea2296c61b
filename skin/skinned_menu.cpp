#include "skin/skinned_menu.h"

#include <QColor>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>

#include "platform/pointer_grab.h"
#include "skin/owner_notification.h"
#include "skin/skin_fonts.h"
#include "skin/skin_text.h"

namespace tavro {

namespace {

// The skin font at the size of a drop-down's skin caption; it measures as the 15-pixel
// Arial the menus were laid out for (17-pixel lines, the same text widths).
constexpr int kMenuFontPixels = 14;
constexpr int kVerticalPadding = 4;  // above the first entry and below the last
constexpr int kEntryLeft = 1;
constexpr int kTextIndent = 10;
constexpr int kSubMenuOverlap = 5;
constexpr int kGrabRetryMs = 100;

}  // namespace

OutsideClickWatcher::OutsideClickWatcher() {
    grabRetry_.setInterval(kGrabRetryMs);
    connect(&grabRetry_, &QTimer::timeout, this, [this] { grabPointer(); });
}

void OutsideClickWatcher::watch(SkinnedMenu* menu) {
    target_ = menu;
    if (!active_ && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->installEventFilter(this);
        active_ = true;
    }
    grabPointer();
}

void OutsideClickWatcher::stop() {
    releasePointer();
    if (active_ && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
    active_ = false;
    target_ = nullptr;
}

void OutsideClickWatcher::grabPointer() {
    SkinnedMenu* top = target_ != nullptr ? target_->topLevelMenu() : nullptr;
    if (top == nullptr || top == grabber_ || top->windowHandle() == nullptr) {
        return;
    }
    releasePointer();
    if (pointer_grab::Grab(*top->windowHandle())) {
        grabber_ = top;
        grabRetry_.stop();
    } else if (pointer_grab::Available()) {
        grabRetry_.start();
    }
}

void OutsideClickWatcher::releasePointer() {
    grabRetry_.stop();
    if (grabber_ != nullptr && grabber_->windowHandle() != nullptr) {
        pointer_grab::Release(*grabber_->windowHandle());
    }
    grabber_ = nullptr;
}

bool OutsideClickWatcher::eventFilter(QObject* watched, QEvent* event) {
    SkinnedMenu* target = target_;
    if (target == nullptr || !target->isVisible()) {
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        // Only keys typed into the window the menu belongs to: a dialog that the owner
        // opens for a choice keeps its own keys while the menu is still shown.
        const auto* receiver = qobject_cast<const QWidget*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        return receiver != nullptr && target->owner() != nullptr &&
               receiver->window() == target->owner()->window() &&
               (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
               target->handleKey(key->key());
    }
    // A press reaches the filter once per receiver it is offered to (window, widget,
    // parents); hiding is idempotent, so each sighting may test it. Any button counts:
    // a right click on the desktop closes the menu as a left click does.
    if (event->type() == QEvent::MouseButtonPress &&
        !target->chainContains(static_cast<QMouseEvent*>(event)->globalPosition().toPoint())) {
        target->hideMenu();
    }
    return false;
}

SkinnedMenu::SkinnedMenu(QWidget* owner, int identifier, const QRect& rect, SkinnedMenu* parentMenu,
                         OutsideClickWatcher& watcher)
    : QWidget(parentMenu != nullptr ? parentMenu : owner, Qt::ToolTip | Qt::FramelessWindowHint),
      identifier_(identifier),
      owner_(owner),
      parentMenu_(parentMenu),
      watcher_(watcher) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMouseTracking(true);
    setFont(SkinFont(kMenuFontPixels));
    setGeometry(rect);
}

SkinnedMenu::~SkinnedMenu() {
    if (watcher_.target() != nullptr && isSelfOrAncestorOf(watcher_.target())) {
        watcher_.stop();
    }
}

void SkinnedMenu::addEntry(int code, const QString& text) {
    const bool present = std::any_of(entries_.begin(), entries_.end(),
                                     [code](const MenuItem& item) { return item.code == code; });
    if (present) {
        return;
    }
    MenuItem item;
    item.code = code;
    item.text = text;
    entries_.push_back(item);
    update();
}

void SkinnedMenu::addSubEntry(int code, int parentCode, const QString& text) {
    auto parent =
        std::find_if(entries_.begin(), entries_.end(),
                     [parentCode](const MenuItem& item) { return item.code == parentCode; });
    if (parent == entries_.end()) {
        return;
    }
    parent->hasSubMenu = true;
    subMenu(parentCode)->addEntry(code, text);
    update();
}

SkinnedMenu* SkinnedMenu::subMenu(int identifier) {
    if (SkinnedMenu* existing = findSubMenu(identifier)) {
        return existing;
    }
    SkinnedMenu* created = createSubMenu(identifier);
    subMenus_.push_back(created);
    return created;
}

const MenuItem* SkinnedMenu::findEntry(int code) const {
    for (const MenuItem& item : entries_) {
        if (item.code == code) {
            return &item;
        }
    }
    for (const SkinnedMenu* sub : subMenus_) {
        if (const MenuItem* found = sub->findEntry(code)) {
            return found;
        }
    }
    return nullptr;
}

void SkinnedMenu::clear() {
    entries_.clear();
    hovered_ = -1;
    update();
}

int SkinnedMenu::widestText(int identifier) const {
    const SkinnedMenu* menu = findMenu(identifier);
    if (menu == nullptr) {
        return 0;
    }
    const QFontMetrics metrics(menu->font());
    int widest = 0;
    for (const MenuItem& item : menu->entries_) {
        widest = std::max(widest, metrics.horizontalAdvance(item.text));
    }
    return widest;
}

void SkinnedMenu::showMenu(int mode, int x, int y) {
    layOut();
    if (entries_.empty()) {
        return;
    }
    hovered_ = -1;
    QPoint topLeft(x, y);
    switch (mode) {
        case kBottomLeft:
            topLeft = QPoint(x, y - height());
            break;
        case kBottomRight:
            topLeft = QPoint(x - width(), y - height());
            break;
        default:  // kTopLeft; the program uses no other mode
            break;
    }
    move(topLeft);
    layOut();
    show();
    watcher_.watch(this);
}

void SkinnedMenu::setHoveredIndex(int index) {
    const int hovered = index >= 0 && index < static_cast<int>(entries_.size()) ? index : -1;
    if (hovered != hovered_) {
        hovered_ = hovered;
        update();
    }
}

bool SkinnedMenu::handleKey(int key) {
    switch (key) {
        case Qt::Key_Down:
            moveHover(1);
            return true;
        case Qt::Key_Up:
            moveHover(-1);
            return true;
        case Qt::Key_Right:
            if (hovered_ >= 0) {
                enterSubMenuOf(hovered_);
            }
            return true;
        case Qt::Key_Left:
            if (parentMenu_ != nullptr) {
                closeWindow();
            }
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (hovered_ >= 0 && entries_[hovered_].hasSubMenu) {
                enterSubMenuOf(hovered_);
            } else if (hovered_ >= 0) {
                chooseEntry(hovered_);
            }
            return true;
        case Qt::Key_Escape:
            hideMenu();
            return true;
        default:
            return false;
    }
}

void SkinnedMenu::moveHover(int step) {
    const int count = static_cast<int>(entries_.size());
    int index = hovered_ >= 0 ? hovered_ : (step > 0 ? -1 : count);
    for (int tried = 0; tried < count; ++tried) {
        index = (index + step + count) % count;
        if (entries_[index].enabled) {
            setHoveredIndex(index);
            return;
        }
    }
}

SkinnedMenu* SkinnedMenu::showSubMenuOf(int index) {
    // A copy: hiding a sub-menu reports to the owner, which may rebuild the entries.
    const MenuItem item = entries_[index];
    hideOpenSubMenus();
    SkinnedMenu* sub = findSubMenu(item.code);
    if (sub == nullptr || sub->entries_.empty()) {
        return nullptr;
    }
    sub->showMenu(kTopLeft, x() + width() - kSubMenuOverlap,
                  y() + item.rect.top() - kSubMenuOverlap);
    return sub;
}

void SkinnedMenu::enterSubMenuOf(int index) {
    if (!entries_[index].enabled) {
        return;
    }
    if (SkinnedMenu* sub = showSubMenuOf(index)) {
        sub->setHoveredIndex(0);
    }
}

SkinnedMenu* SkinnedMenu::topLevelMenu() {
    SkinnedMenu* menu = this;
    while (menu->parentMenu_ != nullptr) {
        menu = menu->parentMenu_;
    }
    return menu;
}

void SkinnedMenu::hideMenu() {
    if (!isVisible()) {
        return;
    }
    NotifyOwner(owner_, kTopMostRequestId, 1);
    hide();
    if (parentMenu_ != nullptr) {
        parentMenu_->hideMenu();
    }
    hideOpenSubMenus();
    NotifyOwner(owner_, kTopMostRequestId, 0);
    if (parentMenu_ == nullptr) {
        releaseWatcher();
    }
}

void SkinnedMenu::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgba(kBackgroundColour));
    // Aliased, so that the frame stays one crisp pixel up to its corners.
    painter.setPen(QColor::fromRgba(kBorderColour));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setRenderHint(QPainter::Antialiasing);

    const QColor textColour = QColor::fromRgba(kTextColour);
    for (int i = 0; i < static_cast<int>(entries_.size()); ++i) {
        const MenuItem& item = entries_[i];
        const int left = item.rect.left() + kTextIndent;
        const int right = item.rect.right() + kTextIndent;
        const int top = item.rect.top();
        const int bottom = item.rect.bottom();
        if (item.hasSubMenu && subMenuHasEntries(item.code)) {
            const QPolygonF arrow{QPointF(right - 10, top + 5), QPointF(right - 10, bottom - 5),
                                  QPointF(right - 5, (top + bottom) / 2)};
            painter.setPen(textColour);
            painter.setBrush(textColour);
            painter.drawPolygon(arrow);
        }
        DrawSkinText(painter, item.text, i == hovered_ ? kHoveredTextColour : kTextColour, false,
                     true, QRect(left, top, right - left, bottom - top));
    }
}

void SkinnedMenu::mouseMoveEvent(QMouseEvent* event) {
    const int index = entryAt(event->position().toPoint());
    if (index < 0) {
        return;
    }
    // A copy: hiding a sub-menu reports to the owner, which may rebuild the entries.
    const MenuItem item = entries_[index];
    if (item.enabled && item.hasSubMenu) {
        if (index == hovered_) {
            return;
        }
        showSubMenuOf(index);
    } else if (!item.hasSubMenu) {
        hideOpenSubMenus();
    }
    if (index != hovered_ && index < static_cast<int>(entries_.size())) {
        hovered_ = index;
        update();
    }
}

void SkinnedMenu::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (entryAt(event->position().toPoint()) < 0) {
        hideMenu();
    }
}

void SkinnedMenu::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const int index = entryAt(event->position().toPoint());
    if (index >= 0) {
        chooseEntry(index);
    }
}

void SkinnedMenu::chooseEntry(int index) {
    const int code = entries_[index].code;
    const MenuItem* item = findEntry(code);
    const bool enabled = item->enabled;
    const bool opensSubMenu = item->hasSubMenu;
    if (enabled && owner_ != nullptr && !opensSubMenu) {
        // The owner handles the choice before the menu goes on; it may even run a
        // dialog of its own meanwhile.
        const QPointer<SkinnedMenu> self(this);
        NotifyOwner(owner_, identifier_, code);
        if (self == nullptr) {
            return;
        }
    }
    if (!opensSubMenu) {
        hideMenu();
    }
}

void SkinnedMenu::layOut() {
    if (entries_.empty()) {
        if (isVisible()) {
            closeWindow();
        }
        return;
    }
    const int h = QFontMetrics(font()).height();
    const int count = static_cast<int>(entries_.size());
    resize(width(), count * h + 2 * kVerticalPadding);
    const int right = entryRight();
    for (int i = 0; i < count; ++i) {
        entries_[i].rect = LayoutRect{kEntryLeft, kVerticalPadding + i * h, right - kEntryLeft, h};
    }
}

int SkinnedMenu::entryAt(const QPoint& point) const {
    for (int i = 0; i < static_cast<int>(entries_.size()); ++i) {
        if (entries_[i].rect.contains(point.x(), point.y())) {
            return i;
        }
    }
    return -1;
}

SkinnedMenu* SkinnedMenu::findSubMenu(int identifier) const {
    for (SkinnedMenu* sub : subMenus_) {
        if (sub->identifier_ == identifier) {
            return sub;
        }
    }
    return nullptr;
}

const SkinnedMenu* SkinnedMenu::findMenu(int identifier) const {
    if (identifier_ == identifier) {
        return this;
    }
    for (const SkinnedMenu* sub : subMenus_) {
        if (const SkinnedMenu* found = sub->findMenu(identifier)) {
            return found;
        }
    }
    return nullptr;
}

bool SkinnedMenu::subMenuHasEntries(int code) const {
    const SkinnedMenu* sub = findSubMenu(code);
    return sub != nullptr && !sub->entries_.empty();
}

void SkinnedMenu::hideOpenSubMenus() {
    // By index: a report to the owner may add sub-menus.
    for (std::size_t i = 0; i < subMenus_.size(); ++i) {
        if (subMenus_[i]->isVisible()) {
            subMenus_[i]->closeWindow();
        }
    }
}

void SkinnedMenu::closeWindow() {
    NotifyOwner(owner_, kTopMostRequestId, 1);
    hideOpenSubMenus();
    hide();
    NotifyOwner(owner_, kTopMostRequestId, 0);
    releaseWatcher();
}

void SkinnedMenu::releaseWatcher() {
    SkinnedMenu* target = watcher_.target();
    if (parentMenu_ == nullptr) {
        if (target == nullptr || isSelfOrAncestorOf(target)) {
            watcher_.stop();
        }
    } else if (target != nullptr && isSelfOrAncestorOf(target)) {
        // The chain above stays open and must still close on an outside press.
        watcher_.watch(parentMenu_);
    }
}

bool SkinnedMenu::chainContains(const QPoint& globalPoint) const {
    for (const SkinnedMenu* menu = this; menu != nullptr; menu = menu->parentMenu_) {
        if (menu->geometry().contains(globalPoint)) {
            return true;
        }
    }
    return false;
}

bool SkinnedMenu::isSelfOrAncestorOf(const SkinnedMenu* menu) const {
    for (; menu != nullptr; menu = menu->parentMenu_) {
        if (menu == this) {
            return true;
        }
    }
    return false;
}

}  // namespace tavro
