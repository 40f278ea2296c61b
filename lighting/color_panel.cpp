#include "lighting/color_panel.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

#include "lighting/color_panel_layout.h"
#include "lighting/lighting_palette.h"
#include "skin/focus_mark.h"
#include "skin/image_set.h"
#include "skin/layout_qt.h"
#include "skin/owner_notification.h"

namespace tavro {

namespace {

constexpr QSize kInitialSize(50, 50);
constexpr int kColumns = 5;  // the cells are five to a row

std::vector<CColorButton> PanelCells() {
    std::vector<CColorButton> cells;
    cells.reserve(color_panel_layout::kCells.size());
    for (std::size_t i = 0; i < color_panel_layout::kCells.size(); ++i) {
        cells.push_back({kLightingPalette[i].recordForm(), color_panel_layout::kCells[i]});
    }
    return cells;
}

}  // namespace

CColorPanel::CColorPanel(QWidget* swatch, int identifier)
    : QWidget(swatch, Qt::ToolTip | Qt::FramelessWindowHint),
      swatch_(swatch),
      identifier_(identifier),
      cells_(PanelCells()),
      pointerSource_([] { return QCursor::pos(); }) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setObjectName(QStringLiteral("panel"));
    setWindowTitle(QStringLiteral("panel"));
    resize(kInitialSize);
    checkTimer_.setInterval(kCheckIntervalMs);
    connect(&checkTimer_, &QTimer::timeout, this, &CColorPanel::checkPointer);
}

void CColorPanel::setPicture(const QImage& picture) {
    if (picture == picture_) {
        return;
    }
    picture_ = picture;
    update();
}

void CColorPanel::setPointerSource(PointerSource source) {
    pointerSource_ = std::move(source);
}

void CColorPanel::popUp(const QPoint& topLeft) {
    keyboardCell_ = -1;
    show(topLeft);
    checkTimer_.start();
}

void CColorPanel::popUpForKeys(const QPoint& topLeft, uint32_t colour) {
    const auto match =
        std::find_if(cells_.begin(), cells_.end(),
                     [colour](const CColorButton& cell) { return cell.colour == colour; });
    keyboardCell_ = match != cells_.end() ? static_cast<int>(match - cells_.begin()) : 0;
    checkTimer_.stop();
    show(topLeft);
}

void CColorPanel::show(const QPoint& topLeft) {
    move(topLeft);
    // Without a picture the panel keeps its size rather than becoming an empty window.
    if (!picture_.isNull()) {
        resize(LogicalSize(picture_));
    }
    QWidget::show();
    update();
}

bool CColorPanel::handleKey(int key) {
    if (keyboardCell_ < 0) {
        keyboardCell_ = 0;
    }
    const int row = keyboardCell_ / kColumns;
    const int column = keyboardCell_ % kColumns;
    const int rows = static_cast<int>(cells_.size()) / kColumns;
    switch (key) {
        case Qt::Key_Left:
            keyboardCell_ = row * kColumns + std::max(column - 1, 0);
            break;
        case Qt::Key_Right:
            keyboardCell_ = row * kColumns + std::min(column + 1, kColumns - 1);
            break;
        case Qt::Key_Up:
            keyboardCell_ = std::max(row - 1, 0) * kColumns + column;
            break;
        case Qt::Key_Down:
            keyboardCell_ = std::min(row + 1, rows - 1) * kColumns + column;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            choose(cells_[keyboardCell_]);
            return true;
        case Qt::Key_Escape:
            hide();
            return true;
        default:
            return false;
    }
    update();
    return true;
}

void CColorPanel::choose(const CColorButton& cell) {
    NotifyOwner(swatch_, identifier_, static_cast<int>(cell.colour));
    hide();
}

void CColorPanel::checkPointer() {
    const QPoint pointer = pointerSource_();
    if (frameGeometry().contains(pointer) || swatchScreenRect().contains(pointer)) {
        return;
    }
    checkTimer_.stop();
    hide();
}

QRect CColorPanel::swatchScreenRect() const {
    return QRect(swatch_->mapToGlobal(QPoint(0, 0)), swatch_->size());
}

void CColorPanel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawStretched(painter, picture_, rect());
    if (keyboardCell_ >= 0) {
        DrawFocusMark(painter, ToQRect(cells_[keyboardCell_].rect).adjusted(-1, -1, 1, 1));
    }
}

// A hidden panel has nothing to watch for.
void CColorPanel::hideEvent(QHideEvent* event) {
    checkTimer_.stop();
    QWidget::hideEvent(event);
}

void CColorPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
    }
}

void CColorPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint point = event->position().toPoint();
    for (const CColorButton& cell : cells_) {
        if (cell.contains(point.x(), point.y())) {
            choose(cell);
            break;
        }
    }
    pressed_ = false;
}

}  // namespace tavro
