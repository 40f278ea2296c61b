#include <QRadialGradient>

#include "app/main_window_layout.h"
#include "buttons/mouse_settings_layout.h"
#include "mouse_art.h"
#include "paint.h"
#include "pictures.h"
#include "sheets.h"

namespace tavro::skingen {

namespace {

using namespace colour;
namespace layout = mouse_settings_layout;

constexpr QPointF kMouseCentre(378, 163);
constexpr qreal kMouseScale = 0.96;

constexpr MousePart kMarkerParts[7] = {
    MousePart::LeftButton, MousePart::RightButton, MousePart::Wheel,  MousePart::Forward,
    MousePart::Back,       MousePart::DpiUp,       MousePart::DpiDown};

QPointF OnPage(QPointF local) {
    return kMouseCentre + local * kMouseScale;
}

void PaintLeaderLines(QPainter& painter) {
    for (int i = 0; i < 7; ++i) {
        const LayoutRect marker = layout::kButtonMarkers[i].rect;
        const bool left = marker.x < kMouseCentre.x();
        const QPointF start(left ? marker.right() : marker.left(), marker.y + marker.height / 2.0);
        const QPointF end = OnPage(MousePartAnchor(kMarkerParts[i]));
        const QPointF elbow(start.x() + (left ? 10 : -10), start.y());
        painter.setPen(QPen(WithAlpha(0xFF8A9098, 150), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(QPolygonF{start, elbow, end});
        painter.setPen(Qt::NoPen);
        painter.setBrush(WithAlpha(kAccent, 60));
        painter.drawEllipse(end, 4.5, 4.5);
        painter.setBrush(Colour(kAccent));
        painter.drawEllipse(end, 2, 2);
    }
}

void PaintBackground(QPainter& painter) {
    const QRect page(0, 0, main_window_layout::kPageWidth, main_window_layout::kPageHeight);
    FillPage(painter, page);

    QRadialGradient stage(QPointF(378, 170), 170);
    stage.setColorAt(0, WithAlpha(0xFF2A3020, 120));
    stage.setColorAt(1, WithAlpha(0xFF2A3020, 0));
    painter.fillRect(page, stage);

    DrawCard(painter, QRect(14, 8, 236, 262));
    DrawSectionTitle(painter, 28, 18, QStringLiteral("Button assignment"));
    for (int i = 0; i < 7; ++i) {
        const LayoutRect button = layout::kFunctionButtons[i].rect;
        DrawBadge(painter, QRect(28, button.y + 2, 22, button.height - 4), SkinState::Normal,
                  QString::number(i + 1));
    }

    DrawDivider(painter, 14, 290, 279);
    DrawSectionTitle(painter, 28, 287, QStringLiteral("Report rate"));

    DrawCard(painter, QRect(516, 8, 254, 333));
    DrawSectionTitle(painter, 530, 18, QStringLiteral("Pointer"));
    const QFont label = ThemeFont(12, Weight::Medium);
    const QFont hint = ThemeFont(11);
    DrawText(painter, QRect(545, 46, 200, 16), QStringLiteral("Double-click speed"), kWhite, label);
    const LayoutRect doubleClick = layout::kDoubleClickSlider.rect;
    DrawText(painter, QRect(doubleClick.x, 89, 60, 14), QStringLiteral("Slow"), kTextMuted, hint);
    DrawText(painter, QRect(doubleClick.right() - 60, 89, 60, 14), QStringLiteral("Fast"),
             kTextMuted, hint, Align::Right);
    DrawDivider(painter, 530, 756, 122);

    DrawText(painter, QRect(545, 146, 200, 16), QStringLiteral("Wheel scroll speed"), kWhite,
             label);
    const LayoutRect scroll = layout::kScrollSpeedSlider.rect;
    DrawText(painter, QRect(scroll.x, 190, 80, 14), QStringLiteral("1 line"), kTextMuted, hint);
    DrawText(painter, QRect(scroll.right() - 80, 190, 80, 14), QStringLiteral("6 lines"),
             kTextMuted, hint, Align::Right);
    DrawDivider(painter, 530, 756, 222);

    DrawText(painter, QRect(545, 246, 200, 16), QStringLiteral("Pointer acceleration"), kWhite,
             label);
    const LayoutRect acceleration = layout::kAccelerationSlider.rect;
    DrawText(painter, QRect(acceleration.x, 288, 60, 14), QStringLiteral("Low"), kTextMuted, hint);
    DrawText(painter, QRect(acceleration.right() - 60, 288, 60, 14), QStringLiteral("High"),
             kTextMuted, hint, Align::Right);

    DrawMouseTopView(painter, kMouseCentre, kMouseScale, 0, MouseArtStyle::Settings);
    PaintLeaderLines(painter);
}

}  // namespace

QImage PaintMouseSettingsSheet(SkinState state) {
    QImage sheet = NewSheet(main_window_layout::kPageWidth, main_window_layout::kPageHeight);
    QPainter painter(&sheet);
    BeginPainter(painter);
    PaintBackground(painter);
    for (const PlacedControl& button : layout::kFunctionButtons) {
        DrawDropDown(painter, R(button.rect), state);
    }
    for (int i = 0; i < 7; ++i) {
        DrawBadge(painter, R(layout::kButtonMarkers[i].rect), state, QString::number(i + 1));
    }
    for (const PlacedControl& box : layout::kReportRateBoxes) {
        DrawOption(painter, R(box.rect), state, Q(box.caption) + QStringLiteral(" Hz"));
    }
    DrawSliderTrack(painter, R(layout::kDoubleClickSlider.rect), kSliderThumbWidth,
                    kSliderThumbHeight, 7);
    DrawSliderTrack(painter, R(layout::kScrollSpeedSlider.rect), kSliderThumbWidth,
                    kSliderThumbHeight, 6);
    DrawSliderTrack(painter, R(layout::kAccelerationSlider.rect), kSliderThumbWidth,
                    kSliderThumbHeight, 3);
    DrawCheckBox(painter, R(layout::kAccelerationBox.rect), state, QStringLiteral("Enable"));
    return sheet;
}

std::vector<Outline> MouseSettingsOutlines() {
    std::vector<Outline> outlines;
    for (const auto* group : {&layout::kFunctionButtons, &layout::kButtonMarkers}) {
        for (const PlacedControl& control : *group) {
            outlines.push_back({control.rect, QString::number(control.id)});
        }
    }
    for (const PlacedControl& control : layout::kReportRateBoxes) {
        outlines.push_back({control.rect, QString::number(control.id)});
    }
    for (const PlacedControl& control : {layout::kDoubleClickSlider, layout::kScrollSpeedSlider,
                                         layout::kAccelerationSlider, layout::kAccelerationBox}) {
        outlines.push_back({control.rect, QString::number(control.id)});
    }
    return outlines;
}

}  // namespace tavro::skingen
