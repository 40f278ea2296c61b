#include <QLinearGradient>

#include "app/main_window_layout.h"
#include "paint.h"
#include "pictures.h"
#include "sensor/sensor_layout.h"
#include "sheets.h"

namespace tavro::skingen {

namespace {

using namespace colour;
namespace layout = sensor_layout;

constexpr int kDpiMinimum = 50;
constexpr int kDpiMaximum = 7000;

// Thumb centre of a DPI value, as the three-thumb slider places it.
qreal DpiX(int value) {
    const LayoutRect slider = layout::kXSlider.rect;
    const int usable = slider.width - kDpiThumbWidth;
    return slider.x + usable * qreal(value - kDpiMinimum) / (kDpiMaximum - kDpiMinimum) +
           kDpiThumbWidth / 2.0;
}

void PaintAxisTag(QPainter& painter, const LayoutRect& picture, int rowTop, int rowHeight,
                  const QString& text, bool lit) {
    const QRectF tag(picture.right() - 24.5, rowTop + (rowHeight - 16) / 2.0 + 0.5, 21, 16);
    painter.setPen(QPen(lit ? WithAlpha(kAccent, 200) : Colour(0xFF3A3F46), 1));
    painter.setBrush(lit ? Colour(0xFF1A1F10) : Colour(0xFF1A1D21));
    painter.drawRoundedRect(tag, 4, 4);
    DrawText(painter, tag.toRect().adjusted(0, 0, 1, 1), text, lit ? kAccent : kTextMuted,
             ThemeFont(10, Weight::Bold), Align::Centre);
}

void PaintValueBox(QPainter& painter, const LayoutRect& label, SkinState state) {
    const QRectF box = QRectF(R(label)).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(
        QPen(state == SkinState::Disable ? Colour(kDisabledLine) : Colour(0xFF30343A), 1));
    painter.setBrush(Colour(0xFF0A0B0D));
    painter.drawRoundedRect(box, 4, 4);
}

void PaintQualityBar(QPainter& painter, SkinState state) {
    const QRect rect = R(layout::kQualityBar.rect);
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    if (state == SkinState::Down) {
        // The bar shows the top rows of this look at its bottom, so the look must not
        // change from row to row: a lit tube, shaded only across.
        QLinearGradient tube(r.topLeft(), r.topRight());
        tube.setColorAt(0, Colour(0xFF5F7713));
        tube.setColorAt(0.18, Colour(0xFF9DBA28));
        tube.setColorAt(0.5, Colour(0xFFC9E652));
        tube.setColorAt(0.82, Colour(0xFF9DBA28));
        tube.setColorAt(1, Colour(0xFF5F7713));
        painter.fillRect(rect, tube);
        painter.fillRect(QRect(rect.x(), rect.y(), 1, rect.height()), Colour(0xFF2A2E33));
        painter.fillRect(QRect(rect.right(), rect.y(), 1, rect.height()), Colour(0xFF2A2E33));
        return;
    }
    painter.setPen(
        QPen(state == SkinState::Disable ? Colour(kDisabledLine) : Colour(0xFF2A2E33), 1));
    painter.setBrush(Colour(0xFF08090B));
    painter.drawRoundedRect(r, 2, 2);
    painter.setPen(QPen(Colour(0xFF15171A), 1));
    for (int level = 1; level < 10; ++level) {
        const qreal y = std::floor(rect.bottom() + 1 - rect.height() * level / 10.0) + 0.5;
        painter.drawLine(QPointF(r.left() + 4, y), QPointF(r.right() - 4, y));
    }
}

void PaintBackground(QPainter& painter) {
    FillPage(painter, QRect(0, 0, main_window_layout::kPageWidth, main_window_layout::kPageHeight));
    const QFont hint = ThemeFont(11);
    const QFont label = ThemeFont(12, Weight::Medium);

    DrawCard(painter, QRect(14, 6, 756, 155));
    DrawSectionTitle(painter, 28, 16, QStringLiteral("DPI levels"));
    DrawParagraph(painter, QRect(28, 34, 200, 32),
                  QStringLiteral("The DPI buttons step through three levels."), kTextMuted, hint);
    DrawText(painter, QRect(58, 73, 175, 17), QStringLiteral("Separate X and Y"), kText, label);
    const LayoutRect groups[3] = {
        {layout::kAxisPictures[0].rect.x, 0,
         layout::kXStepLabels[0].rect.right() - layout::kAxisPictures[0].rect.x, 0},
        {layout::kAxisPictures[1].rect.x, 0,
         layout::kXStepLabels[1].rect.right() - layout::kAxisPictures[1].rect.x, 0},
        {layout::kAxisPictures[2].rect.x, 0,
         layout::kXStepLabels[2].rect.right() - layout::kAxisPictures[2].rect.x, 0},
    };
    for (int i = 0; i < 3; ++i) {
        DrawText(painter, QRect(groups[i].x, 12, groups[i].width, 14),
                 QStringLiteral("LEVEL %1").arg(i + 1), 0xFFE6E6E6,
                 ThemeFont(10, Weight::SemiBold, 1.2), Align::Centre);
    }
    const QFont axis = ThemeFont(11, Weight::Bold);
    DrawText(painter, QRect(50, layout::kXSlider.rect.y, 22, 15), QStringLiteral("X"), kTextMuted,
             axis, Align::Right);
    DrawText(painter, QRect(50, layout::kYSlider.rect.y, 22, 15), QStringLiteral("Y"), kTextMuted,
             axis, Align::Right);
    DrawText(painter, QRect(684, 110, 60, 16), QStringLiteral("DPI"), kTextMuted,
             ThemeFont(11, Weight::SemiBold, 1));
    painter.setPen(QPen(Colour(0xFF3A3F46), 1));
    const QFont scale = ThemeFont(10);
    for (int value : {50, 1000, 2000, 3000, 4000, 5000, 6000, 7000}) {
        const qreal x = std::floor(DpiX(value)) + 0.5;
        painter.drawLine(QPointF(x, 137), QPointF(x, 140));
        DrawText(painter, QRect(int(x) - 30, 141, 60, 13), QString::number(value), kTextDim, scale,
                 Align::Centre);
    }

    DrawText(painter, QRect(590, 37, 100, 21), QStringLiteral("Angle snapping"), kText, label,
             Align::Right);
    DrawText(painter, QRect(590, 69, 110, 18), QStringLiteral("Defined value"), kText, label,
             Align::Right);

    DrawCard(painter, QRect(14, 168, 344, 173));
    DrawSectionTitle(painter, 28, 178, QStringLiteral("Surface quality"));
    const LayoutRect bar = layout::kQualityBar.rect;
    const QString grades[3] = {QStringLiteral("Excellent"), QStringLiteral("Good"),
                               QStringLiteral("Poor")};
    const int gradeY[3] = {bar.y, bar.y + bar.height / 2 - 7, bar.bottom() - 14};
    for (int i = 0; i < 3; ++i) {
        painter.fillRect(QRect(bar.right() + 3, gradeY[i] + 6, 5, 1), Colour(0xFF3A3F46));
        DrawText(painter, QRect(bar.right() + 11, gradeY[i], 80, 14), grades[i], kTextMuted, hint);
    }
    const LayoutRect surface = layout::kSurfacePicture.rect;
    painter.setPen(QPen(Colour(0xFF2A2E33), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(R(surface)).adjusted(-1.5, -1.5, 1.5, 1.5), 4, 4);
    DrawText(painter, QRect(surface.x - 10, surface.bottom() + 5, surface.width + 20, 14),
             QStringLiteral("Last result"), kTextMuted, hint, Align::Centre);

    DrawCard(painter, QRect(366, 168, 404, 173));
    DrawSectionTitle(painter, 380, 178, QStringLiteral("Pointer speed"));
    const LayoutRect speed = layout::kPointerSpeedSlider.rect;
    DrawText(painter, QRect(speed.x, 230, 60, 14), QStringLiteral("Slow"), kTextMuted, hint);
    DrawText(painter, QRect(speed.right() - 60, 230, 60, 14), QStringLiteral("Fast"), kTextMuted,
             hint, Align::Right);
    DrawDivider(painter, 380, 756, 251);
    DrawSectionTitle(painter, 380, 259, QStringLiteral("Lift-off distance"));
    const LayoutRect lift = layout::kLiftDistanceSlider.rect;
    DrawText(painter, QRect(lift.x, 297, 60, 14), QStringLiteral("Low"), kTextMuted, hint);
    DrawText(painter, QRect(lift.right() - 60, 297, 60, 14), QStringLiteral("High"), kTextMuted,
             hint, Align::Right);
    DrawText(painter, QRect(380, 313, 250, 26),
             QStringLiteral("Try it on the mouse, then save it."), kTextMuted, hint);
}

}  // namespace

QImage PaintSensorSheet(SkinState state) {
    QImage sheet = NewSheet(main_window_layout::kPageWidth, main_window_layout::kPageHeight);
    QPainter painter(&sheet);
    BeginPainter(painter);
    PaintBackground(painter);

    DrawCheckBox(painter, R(layout::kSeparateBox.rect), state);
    // Drawn clear of its bottom rows, which the angle-snapping drop-down overlaps.
    const LayoutRect defined = layout::kDefinedModeBox.rect;
    DrawCheckBox(painter, QRect(defined.x, defined.y, defined.width, 22), state,
                 QStringLiteral("Defined mode"));
    const LayoutRect angle = layout::kAngleSnapButton.rect;
    DrawDropDown(painter, QRect(angle.x, angle.y + 3, angle.width, angle.height - 3), state);
    DrawField(painter, R(layout::kDefinedValueEdit.rect), state);

    DrawSliderTrack(painter, R(layout::kXSlider.rect), kDpiThumbWidth, kDpiThumbHeight, 0);
    DrawSliderTrack(painter, R(layout::kYSlider.rect), kDpiThumbWidth, kDpiThumbHeight, 0);
    DrawSliderTrack(painter, R(layout::kPointerSpeedSlider.rect), kSliderThumbWidth,
                    kSliderThumbHeight, 10);
    DrawSliderTrack(painter, R(layout::kLiftDistanceSlider.rect), kSliderThumbWidth,
                    kSliderThumbHeight, 32);

    // With the axes joined (Normal) only the XY row shows; apart (Down) both rows do.
    const bool apart = state == SkinState::Down;
    const SkinState boxState = state == SkinState::Disable ? state : SkinState::Normal;
    for (int i = 0; i < 3; ++i) {
        const LayoutRect picture = layout::kAxisPictures[i].rect;
        const LayoutRect xRow = layout::kXStepLabels[i].rect;
        const LayoutRect xyRow = layout::kXYStepLabels[i].rect;
        if (apart) {
            PaintAxisTag(painter, picture, xRow.y, xRow.height, QStringLiteral("X"), true);
            PaintAxisTag(painter, picture, xyRow.y, xyRow.height, QStringLiteral("Y"), true);
            PaintValueBox(painter, xRow, boxState);
        } else {
            PaintAxisTag(painter, picture, xyRow.y, xyRow.height, QStringLiteral("XY"), false);
        }
        PaintValueBox(painter, xyRow, boxState);
    }

    PaintQualityBar(painter, state);
    DrawPushButton(painter, R(layout::kAnalyzeButton.rect), state,
                   QStringLiteral("Analyze Surface"), true);
    DrawPushButton(painter, R(layout::kTestButton.rect), state, QStringLiteral("Test"));
    DrawPushButton(painter, R(layout::kSaveButton.rect), state, QStringLiteral("Save"));
    return sheet;
}

std::vector<Outline> SensorOutlines() {
    std::vector<Outline> outlines;
    for (const PlacedControl& control :
         {layout::kSeparateBox, layout::kDefinedModeBox, layout::kXSlider, layout::kYSlider,
          layout::kPointerSpeedSlider, layout::kLiftDistanceSlider, layout::kQualityBar,
          layout::kAnalyzeButton, layout::kTestButton, layout::kSaveButton,
          layout::kAngleSnapButton, layout::kDefinedValueEdit, layout::kSurfacePicture}) {
        outlines.push_back({control.rect, QString::number(control.id)});
    }
    for (const auto* group :
         {&layout::kXStepLabels, &layout::kXYStepLabels, &layout::kAxisPictures}) {
        for (const PlacedControl& control : *group) {
            outlines.push_back({control.rect, QString::number(control.id)});
        }
    }
    return outlines;
}

}  // namespace tavro::skingen
