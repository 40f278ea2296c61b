#include "lighting/color_panel.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

#include "lighting/color_panel_layout.h"
#include "lighting/lighting_palette.h"
#include "skin/image_set.h"
#include "skin/owner_notification.h"

namespace tavro {

namespace {

constexpr QSize kInitialSize(50, 50);

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
    move(topLeft);
    // Without a picture the panel keeps its size rather than becoming an empty window.
    if (!picture_.isNull()) {
        resize(LogicalSize(picture_));
    }
    show();
    checkTimer_.start();
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
            NotifyOwner(swatch_, identifier_, static_cast<int>(cell.colour));
            hide();
            break;
        }
    }
    pressed_ = false;
}

}  // namespace tavro
