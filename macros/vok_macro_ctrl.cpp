#include "macros/vok_macro_ctrl.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QWheelEvent>

#include <algorithm>
#include <utility>

#include "buttons/vok_menu.h"
#include "macros/event_delay.h"
#include "macros/event_menu.h"
#include "macros/event_row_label.h"
#include "macros/event_row_painter.h"
#include "macros/macro_limits.h"
#include "macros/row_input.h"
#include "macros/row_scroll.h"
#include "skin/image_set.h"
#include "skin/skin_fonts.h"
#include "skin/vok_edit.h"

namespace tavro {

namespace {

// Rows keep clear of the focus mark, one pixel inside the scroll bar.
constexpr int kFocusMarkRoom = 2;

int ParentOf(int code) {
    for (const event_menu::Entry& entry : event_menu::kEntries) {
        if (entry.code == code) {
            return entry.parent;
        }
    }
    return event_menu::kTopLevel;
}

// The menu whose own entries hold `code`.
SkinnedMenu* MenuHolding(SkinnedMenu* menu, int code) {
    const int parent = ParentOf(code);
    return parent == event_menu::kTopLevel ? menu : MenuHolding(menu, parent)->subMenu(parent);
}

// Widens `menu` and its sub-menus where a text would run into the arrows or the edge.
void FitMenuWidths(SkinnedMenu* menu) {
    const int needed = menu->widestText(menu->identifier()) + event_menu::kMenuTextRoom;
    menu->resize(std::max(menu->width(), needed), menu->height());
    for (const MenuItem& item : menu->entries()) {
        if (item.hasSubMenu) {
            FitMenuWidths(menu->subMenu(item.code));
        }
    }
}

}  // namespace

CVokMacroCtrl::CVokMacroCtrl(int id, std::vector<CMacro>& library, QWidget* parent)
    : QWidget(parent), library_(library), scrollBar_(new CVokScrollCtrl(kScrollBarId, this)) {
    SetControlId(this, id);
    setFocusPolicy(Qt::StrongFocus);
}

CVokMacroCtrl::~CVokMacroCtrl() {
    // The library outlives the editor.
    for (CMacro& macro : library_) {
        if (macro.owner == this) {
            macro.owner = nullptr;
        }
    }
}

void CVokMacroCtrl::setBackgroundImage(QImage image) {
    background_ = std::move(image);
    update();
}

void CVokMacroCtrl::setScrollImages(ScrollImages images) {
    const int barWidth = images.background.width();
    scrollBar_->setImages(std::move(images));
    scrollBar_->setGeometry(width() - barWidth, 0, barWidth, height());
    refresh();
}

void CVokMacroCtrl::buildMenu() {
    if (menu_ != nullptr) {
        return;
    }
    // The menu reports with the editor's own identifier, which no sub-menu has.
    menu_ = new CVokMenu(this, ControlId(this),
                         QRect(0, 0, event_menu::kMenuWidth, event_menu::kMenuHeight));
    for (const event_menu::Entry& entry : event_menu::kEntries) {
        const QString text = QString::fromLatin1(entry.text);
        if (entry.parent == event_menu::kTopLevel) {
            menu_->addEntry(entry.code, text);
        } else {
            MenuHolding(menu_, entry.parent)->addSubEntry(entry.code, entry.parent, text);
        }
    }
    menu_->subMenu(event_menu::kInsertMouseEvent)
        ->resize(event_menu::kMouseEventMenuWidth, event_menu::kMenuHeight);
    FitMenuWidths(menu_);
}

void CVokMacroCtrl::makeCurrent(int32_t id, const QString& name) {
    cancelDelayBox();
    if (CMacro* previous = currentMacro()) {
        previous->owner = nullptr;
    }
    const auto found = std::find_if(library_.begin(), library_.end(),
                                    [id](const CMacro& macro) { return macro.id == id; });
    if (found == library_.end()) {
        CMacro created;
        created.areaRect = {0, 0, width(), height()};
        created.id = id;
        created.name = name.toStdU16String();
        library_.push_back(std::move(created));
    }
    currentId_ = id;
    CMacro* macro = currentMacro();
    macro->owner = this;
    // A damaged or hand-made file may give a macro no usable area.
    if (macro->areaRect.right <= macro->areaRect.left ||
        macro->areaRect.bottom <= macro->areaRect.top) {
        macro->areaRect = {0, 0, width(), height()};
    }
    position_ = 0;
    refresh();
}

void CVokMacroCtrl::removeMacro(int32_t id) {
    if (currentId_ == id) {
        cancelDelayBox();
        currentId_.reset();
    }
    const auto found = std::find_if(library_.begin(), library_.end(),
                                    [id](const CMacro& macro) { return macro.id == id; });
    if (found != library_.end()) {
        library_.erase(found);
    }
    refresh();
}

CMacro* CVokMacroCtrl::currentMacro() {
    return const_cast<CMacro*>(std::as_const(*this).currentMacro());
}

const CMacro* CVokMacroCtrl::currentMacro() const {
    if (!currentId_) {
        return nullptr;
    }
    const auto found = std::find_if(library_.begin(), library_.end(), [this](const CMacro& macro) {
        return macro.id == *currentId_;
    });
    return found == library_.end() ? nullptr : &*found;
}

bool CVokMacroCtrl::commitDelayBox() {
    if (!isDelayBoxOpen()) {
        return false;
    }
    const QString text = delayBox_->text();
    CMacro* macro = currentMacro();
    const int selected = macro != nullptr ? macro->FirstSelectedIndex() : -1;
    if (!text.isEmpty() && selected >= 0) {
        macro->events[selected].delay = EventDelayFromDigits(text.toStdU16String());
    }
    cancelDelayBox();
    return true;
}

bool CVokMacroCtrl::cancelDelayBox() {
    if (!isDelayBoxOpen()) {
        return false;
    }
    // The focus stays in the editor rather than going to the next control.
    if (delayBox_->hasFocus()) {
        setFocus();
    }
    delayBox_->clear();
    delayBox_->hide();
    update();
    return true;
}

bool CVokMacroCtrl::isDelayBoxOpen() const {
    return delayBox_ != nullptr && !delayBox_->isHidden();
}

bool CVokMacroCtrl::hasRoomFor(size_t events) const {
    const CMacro* macro = currentMacro();
    return macro != nullptr && macro->events.size() + events <= size_t{kMaxMacroEvents};
}

void CVokMacroCtrl::addRecordedKey(int16_t key, uint8_t direction, int32_t delay) {
    if (CMacro* macro = currentMacro(); macro != nullptr && hasRoomFor(1)) {
        macro->AddEvent(static_cast<uint8_t>(EventKind::Key), key, direction, delay, insertMode_);
        refresh();
    }
}

void CVokMacroCtrl::clearCurrentMacro() {
    if (CMacro* macro = currentMacro()) {
        cancelDelayBox();
        macro->Clear();
        position_ = 0;
        refresh();
    }
}

void CVokMacroCtrl::OnRowsOverflow(int /*lastIndex*/) {
    scrollBar_->setRange(0, LastScrollPosition(eventCount(), height()));
}

void CVokMacroCtrl::OnShowEvent(int index) {
    // The macro has just laid its rows out from the top; the scroll bar's report puts
    // them back at the position that shows the event.
    const int count = eventCount();
    scrollBar_->setRange(0, LastScrollPosition(count, height()));
    scrollTo(PositionShowing(index, position_, count, height()));
}

bool CVokMacroCtrl::event(QEvent* event) {
    return dispatchOwnerEvent(event) || QWidget::event(event);
}

bool CVokMacroCtrl::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the delay box drops what was typed, unless the focus only went to the
    // editor (whose press stores it), or for a while to another program's window or to
    // the box's own edit menu.
    if (watched == delayBox_ && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            QApplication::focusWidget() != this) {
            cancelDelayBox();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CVokMacroCtrl::onNotify(int id, int value) {
    if (id == kScrollBarId) {
        position_ = std::clamp(value, 0, LastScrollPosition(eventCount(), height()));
        placeRows();
        update();
    } else if (id == kTopMostRequestId) {
        NotifyOwner(parentWidget(), kTopMostRequestId, value);
    } else if (isMenuId(id) && menu_ != nullptr) {
        onMenuChoice(value);
    }
}

void CVokMacroCtrl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawStretched(painter, background_, rect());
    const QRect visible(0, 0, visibleRight(), height());
    if (const CMacro* macro = currentMacro()) {
        // Rows scrolled up end in the margin above the first shown row: left out.
        const QRect rows = visible.adjusted(0, kFirstRowTop, 0, 0);
        painter.setClipRect(rows);
        for (const CEventItem& item : macro->events) {
            const QRect row = ToQRect(item.rowRect);
            if (row.intersects(rows)) {
                PaintEventRow(painter, LabelOfEvent(item.key, item.direction, item.delay), row,
                              visible.right() - kFocusMarkRoom, item.selected != 0);
            }
        }
        painter.setClipping(false);
    }
    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QColor::fromRgba(kFocusColour));
        painter.drawRect(visible.adjusted(0, 0, -1, -1));
    }
}

void CVokMacroCtrl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int barWidth = scrollBar_->width();
    scrollBar_->setGeometry(width() - barWidth, 0, barWidth, height());
    refresh();
}

void CVokMacroCtrl::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        // A click that stores a delay leaves the choice of event as it was.
        pressStoredDelay_ = commitDelayBox();
        if (pressStoredDelay_) {
            return;
        }
        if (CMacro* macro = currentMacro()) {
            macro->SelectAt(point.x(), point.y());
            update();
        }
    } else if (event->button() == Qt::RightButton) {
        if (recording_ || menu_ == nullptr) {
            return;
        }
        commitDelayBox();
        // The menu acts on the event under the pointer, as in any list.
        if (CMacro* macro = currentMacro()) {
            macro->SelectAt(point.x(), point.y());
            update();
        }
        showMenuAt(event->globalPosition().toPoint());
    }
}

void CVokMacroCtrl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || std::exchange(pressStoredDelay_, false)) {
        return;
    }
    const QPoint point = event->position().toPoint();
    if (CMacro* macro = currentMacro()) {
        macro->SelectAt(point.x(), point.y());
        update();
    }
}

void CVokMacroCtrl::wheelEvent(QWheelEvent* event) {
    if (LastScrollPosition(eventCount(), height()) == 0) {
        event->ignore();
        return;
    }
    if (const int rows = wheel_.rowsFor(*event); rows != 0) {
        cancelDelayBox();
        scrollTo(position_ + rows);
    }
    event->accept();
}

void CVokMacroCtrl::keyPressEvent(QKeyEvent* event) {
    CMacro* macro = currentMacro();
    const bool opensMenu = event->key() == Qt::Key_Menu ||
                           (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (opensMenu) {
        if (!recording_ && menu_ != nullptr) {
            const int selected = macro != nullptr ? macro->FirstSelectedIndex() : -1;
            const QPoint at = selected >= 0 ? ToQRect(macro->events[selected].rowRect).bottomLeft()
                                            : QPoint(0, 0);
            showMenuAt(mapToGlobal(at));
        }
        return;
    }
    if (event->key() == Qt::Key_Delete && macro != nullptr) {
        onMenuChoice(event_menu::kDelete);
        return;
    }
    const int current = macro != nullptr ? macro->FirstSelectedIndex() : -1;
    const std::optional<int> target = RowChosenByKey(event->key(), current, eventCount(), height());
    if (!target) {
        QWidget::keyPressEvent(event);
        return;
    }
    selectEvent(*target);
}

bool CVokMacroCtrl::isMenuId(int id) const {
    if (id == ControlId(this)) {
        return true;
    }
    // The sub-menus report with the codes of the entries that open them.
    return id != event_menu::kTopLevel &&
           std::any_of(event_menu::kEntries.begin(), event_menu::kEntries.end(),
                       [id](const event_menu::Entry& entry) { return entry.parent == id; });
}

void CVokMacroCtrl::onMenuChoice(int code) {
    CMacro* macro = currentMacro();
    switch (code) {
        case event_menu::kRecordBefore:
            insertMode_ = InsertMode::AfterSelected;
            if (macro != nullptr) {
                macro->SelectPrevious();
            }
            update();
            NotifyOwner(parentWidget(), kStartRecordingCode, 1);
            return;
        case event_menu::kRecordAfter:
            insertMode_ = InsertMode::AfterSelected;
            NotifyOwner(parentWidget(), kStartRecordingCode, 2);
            return;
        case event_menu::kInsertDelay:
        case event_menu::kEditDelay:
            openDelayBox();
            return;
        case event_menu::kDelete:
            if (macro != nullptr) {
                cancelDelayBox();
                macro->DeleteSelectedEvent();
            }
            break;
        default:
            // A click goes in whole or not at all.
            if (const auto* action = event_menu::FindMouseEventAction(code);
                action != nullptr && hasRoomFor(size_t{action->press} + size_t{action->release})) {
                const auto kind = static_cast<uint8_t>(action->kind);
                if (action->press) {
                    macro->AddEvent(kind, action->key, kDirectionPress, 0,
                                    InsertMode::AfterSelected);
                }
                if (action->release) {
                    macro->AddEvent(kind, action->key, kDirectionRelease, 0,
                                    InsertMode::AfterSelected);
                }
            }
            break;
    }
    refresh();
}

void CVokMacroCtrl::openDelayBox() {
    const CMacro* macro = currentMacro();
    const int selected = macro != nullptr ? macro->FirstSelectedIndex() : -1;
    if (selected < 0) {
        return;
    }
    if (delayBox_ == nullptr) {
        delayBox_ = new CVokEdit(0, this);
        delayBox_->setFont(ControlFont(kDelayBoxFontHeight));
        delayBox_->setAccessibleName(QStringLiteral("Delay"));
        delayBox_->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(kDelayBoxDigits)), delayBox_));
        delayBox_->installEventFilter(this);
    }
    // Open on the delay as it stands, selected, so that typing replaces it.
    const CEventItem& event = macro->events[selected];
    const QRect row = ToQRect(event.rowRect);
    delayBox_->setGeometry(row.left() + kDelayBoxLeft, row.top() + kDelayBoxTop, kDelayBoxWidth,
                           row.height() - kDelayBoxTop);
    delayBox_->setText(QString::number(event.delay));
    delayBox_->selectAll();
    delayBox_->show();
    delayBox_->setFocus();
}

void CVokMacroCtrl::showMenuAt(const QPoint& globalPosition) {
    if (menu_->isVisible()) {
        menu_->hideMenu();
    }
    menu_->showMenu(SkinnedMenu::kTopLeft, globalPosition.x(), globalPosition.y());
}

int CVokMacroCtrl::eventCount() const {
    const CMacro* macro = currentMacro();
    return macro != nullptr ? static_cast<int>(macro->events.size()) : 0;
}

void CVokMacroCtrl::refresh() {
    const int last = LastScrollPosition(eventCount(), height());
    scrollBar_->setRange(0, last);
    scrollTo(std::clamp(position_, 0, last));
}

void CVokMacroCtrl::placeRows() {
    CMacro* macro = currentMacro();
    if (macro == nullptr) {
        return;
    }
    macro->LayOutRows();
    const int32_t shift = RowTop(0, position_) - RowTop(0, 0);
    for (CEventItem& item : macro->events) {
        item.rowRect.top += shift;
        item.rowRect.bottom += shift;
    }
    if (isDelayBoxOpen()) {
        const int selected = macro->FirstSelectedIndex();
        if (selected >= 0) {
            delayBox_->move(macro->events[selected].rowRect.left + kDelayBoxLeft,
                            macro->events[selected].rowRect.top + kDelayBoxTop);
        }
    }
}

void CVokMacroCtrl::scrollTo(int position) {
    // The scroll bar reports the position back, which places the rows.
    scrollBar_->setPosition(position);
}

void CVokMacroCtrl::selectEvent(int index) {
    CMacro* macro = currentMacro();
    cancelDelayBox();
    for (size_t i = 0; i < macro->events.size(); ++i) {
        macro->events[i].selected = static_cast<int>(i) == index ? 1 : 0;
    }
    scrollTo(PositionShowing(index, position_, eventCount(), height()));
    update();
}

int CVokMacroCtrl::visibleRight() const {
    return scrollBar_->isVisibleTo(this) ? scrollBar_->x() : width();
}

}  // namespace tavro
