#include "macros/vok_list_box.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <string>

#include "macros/macro_limits.h"
#include "macros/macro_model.h"
#include "macros/macro_names.h"
#include "macros/row_input.h"
#include "macros/row_scroll.h"
#include "skin/image_set.h"
#include "skin/skin_fonts.h"
#include "skin/skin_text.h"
#include "skin/vok_edit.h"

namespace tavro {

namespace {

// The name box stands one pixel left of the row text, which its text margin makes up.
constexpr int kNameBoxLeft = kRowLeft - 1;
// Making a name unique adds at most "(" and ")" around a 32-bit number's ten digits; a
// typed name leaves room for them within the library's bound.
constexpr int kLongestUniqueSuffix = 12;

}  // namespace

CVokListBox::CVokListBox(int id, QWidget* parent)
    : QWidget(parent), scrollBar_(new CVokScrollCtrl(kScrollBarId, this)) {
    SetControlId(this, id);
    setFocusPolicy(Qt::StrongFocus);
    scrollBar_->hide();
}

void CVokListBox::setBackgroundImage(QImage image) {
    background_ = std::move(image);
    update();
}

void CVokListBox::setScrollImages(ScrollImages images) {
    const int barWidth = images.background.width();
    scrollBar_->setImages(std::move(images));
    scrollBar_->setGeometry(width() - barWidth, 0, barWidth, height());
    layOut();
}

void CVokListBox::openNameBox() {
    if (commitNameBox() || entries_.size() >= size_t{kMaxLibraryMacros}) {
        return;
    }
    if (nameBox_ == nullptr) {
        nameBox_ = new CVokEdit(0, this);
        nameBox_->setFont(ControlFont(kNameBoxFontHeight));
        nameBox_->setAccessibleName(QStringLiteral("Macro name"));
        nameBox_->setMaxLength(kMaxMacroNameUnits - kLongestUniqueSuffix);
    }
    nameBox_->show();
    layOut();
    scrollTo(rowCount());  // the box's row, below the last entry
    nameBox_->setFocus();
}

bool CVokListBox::commitNameBox() {
    if (!isNameBoxOpen()) {
        return false;
    }
    const QString name = nameBox_->text();
    closeNameBox();
    if (!name.isEmpty()) {
        addNewEntry(name);
    } else {
        layOut();
    }
    update();
    return true;
}

bool CVokListBox::cancelNameBox() {
    if (!isNameBoxOpen()) {
        return false;
    }
    closeNameBox();
    layOut();
    update();
    return true;
}

void CVokListBox::closeNameBox() {
    // The focus stays in the list rather than going to the next control.
    const bool hadFocus = nameBox_->hasFocus();
    if (hadFocus) {
        setFocus();
    }
    nameBox_->clear();
    nameBox_->hide();
}

bool CVokListBox::isNameBoxOpen() const {
    return nameBox_ != nullptr && !nameBox_->isHidden();
}

void CVokListBox::addEntry(const QString& name, int32_t id) {
    append(name, id);
}

void CVokListBox::deleteSelected() {
    const int index = selectedIndex();
    if (index < 0) {
        return;
    }
    notify(kDeletingCode, entries_[index].id);
    entries_.erase(entries_.begin() + index);
    const auto i = static_cast<size_t>(index);
    if (i < entries_.size()) {
        select(index);
        notify(kSelectedCode, entries_[i].id);
    } else if (index > 0) {
        select(index - 1);
        notify(kSelectedCode, entries_[i - 1].id);
    } else {
        notify(kSelectedCode, 0);
    }
    layOut();
    update();
}

const CBoxItem* CVokListBox::selectedEntry() const {
    const int index = selectedIndex();
    return index < 0 ? nullptr : &entries_[index];
}

bool CVokListBox::event(QEvent* event) {
    return dispatchOwnerEvent(event) || QWidget::event(event);
}

void CVokListBox::onNotify(int id, int value) {
    if (id != kScrollBarId) {
        return;
    }
    position_ = std::clamp(value, 0, LastScrollPosition(rowCount(), height()));
    for (int i = 0; i < static_cast<int>(entries_.size()); ++i) {
        const int32_t top = RowTop(i, position_);
        entries_[i].rowRect = {kRowLeft, top, width() - kRowRightMargin, top + kEventRowHeight};
    }
    if (isNameBoxOpen()) {
        nameBox_->setGeometry(nameBoxRect());
    }
    update();
}

void CVokListBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawStretched(painter, background_, rect());
    const QFont font = ControlFont(kTextFontHeight);
    const QFontMetrics metrics(font);
    const QRect visible(0, 0, visibleRight(), height());
    // Rows scrolled up end in the margin above the first shown row: left out.
    const QRect rows = visible.adjusted(0, kFirstRowTop, 0, 0);
    painter.setClipRect(rows);
    for (const CBoxItem& item : entries_) {
        const QRect row = ToQRect(item.rowRect);
        if (!row.intersects(rows)) {
            continue;
        }
        const QString shown =
            metrics.elidedText(item.text, Qt::ElideRight, visible.right() - 2 - row.left());
        DrawSkinText(painter, shown, item.selected ? kSelectedTextColour : kTextColour, false, true,
                     row, &font);
    }
    if (hasFocus()) {
        painter.setClipping(false);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QColor::fromRgba(kFocusColour));
        painter.drawRect(visible.adjusted(0, 0, -1, -1));
    }
}

void CVokListBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int barWidth = scrollBar_->width();
    scrollBar_->setGeometry(width() - barWidth, 0, barWidth, height());
    layOut();
}

void CVokListBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (commitNameBox()) {
        return;
    }
    const int index = entryAt(event->position().toPoint());
    if (index >= 0) {
        select(index);
        update();
    }
}

void CVokListBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const int index = entryAt(event->position().toPoint());
    if (index >= 0) {
        select(index);
        notify(kSelectedCode, entries_[index].id);
        update();
    }
}

void CVokListBox::wheelEvent(QWheelEvent* event) {
    if (scrollBar_->isHidden()) {
        event->ignore();
        return;
    }
    if (const int rows = wheel_.rowsFor(*event); rows != 0) {
        scrollTo(position_ + rows);
    }
    event->accept();
}

void CVokListBox::keyPressEvent(QKeyEvent* event) {
    const int current = selectedIndex();
    const std::optional<int> target =
        RowChosenByKey(event->key(), current, static_cast<int>(entries_.size()), height());
    if (!target) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (*target != current) {
        select(*target);
        scrollTo(PositionShowing(*target, position_, rowCount(), height()));
        notify(kSelectedCode, entries_[*target].id);
        update();
    }
}

void CVokListBox::addNewEntry(const QString& name) {
    std::vector<int32_t> ids;
    std::vector<std::u16string> names;
    for (const CBoxItem& item : entries_) {
        ids.push_back(item.id);
        names.push_back(item.text.toStdU16String());
    }
    const std::u16string unique = UniqueMacroName(name.toStdU16String(), names);
    append(QString::fromStdU16String(unique), NextMacroId(ids));
}

void CVokListBox::append(const QString& name, int32_t id) {
    for (CBoxItem& item : entries_) {
        item.selected = false;
    }
    entries_.push_back({{}, name, true, id});
    layOut();
    scrollTo(LastScrollPosition(rowCount(), height()));
    notify(kSelectedCode, id);
    update();
}

int CVokListBox::rowCount() const {
    return static_cast<int>(entries_.size()) + (isNameBoxOpen() ? 1 : 0);
}

void CVokListBox::layOut() {
    const int last = LastScrollPosition(rowCount(), height());
    scrollBar_->setRange(0, last);
    scrollBar_->setVisible(last > 0);
    scrollBar_->setPosition(std::clamp(position_, 0, last));
}

void CVokListBox::scrollTo(int position) {
    scrollBar_->setPosition(position);
}

void CVokListBox::select(int index) {
    for (size_t i = 0; i < entries_.size(); ++i) {
        entries_[i].selected = static_cast<int>(i) == index;
    }
}

int CVokListBox::selectedIndex() const {
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].selected) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int CVokListBox::entryAt(const QPoint& point) const {
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].rowRect.Contains(point.x(), point.y())) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

QRect CVokListBox::nameBoxRect() const {
    const int top = RowTop(static_cast<int>(entries_.size()), position_);
    return QRect(kNameBoxLeft, top, visibleRight() - kRowRightMargin - kNameBoxLeft,
                 kEventRowHeight);
}

int CVokListBox::visibleRight() const {
    return scrollBar_->isVisibleTo(this) ? scrollBar_->x() : width();
}

void CVokListBox::notify(int code, int value) {
    NotifyOwner(parentWidget(), code, value);
}

}  // namespace tavro
