#include <QConicalGradient>
#include <QPainterPath>

#include <cmath>

#include "app/main_window_layout.h"
#include "lighting/lighting_layout.h"
#include "lighting/lighting_palette.h"
#include "paint.h"
#include "sheets.h"

namespace tavro::skingen {

namespace {

using namespace colour;
namespace layout = lighting_layout;

// A tiny picture of each effect's light curve, beside its button.
void PaintEffectCurve(QPainter& painter, const QRectF& box, int effect) {
    QPainterPath curve;
    const qreal low = box.bottom();
    const qreal high = box.top();
    switch (effect) {
        case 0:
            curve.moveTo(box.left(), high + 2);
            curve.lineTo(box.right(), high + 2);
            break;
        case 1:
            curve.moveTo(box.left(), low);
            for (int i = 0; i < 3; ++i) {
                const qreal x = box.left() + i * box.width() / 3;
                const qreal w = box.width() / 6;
                curve.lineTo(x, high);
                curve.lineTo(x + w, high);
                curve.lineTo(x + w, low);
                curve.lineTo(x + 2 * w, low);
            }
            break;
        case 2:
            curve.moveTo(box.left(), high);
            for (int i = 0; i < 2; ++i) {
                const qreal x = box.left() + i * box.width() / 2;
                curve.lineTo(x + box.width() * 0.30, high);
                curve.lineTo(x + box.width() * 0.33, low);
                curve.lineTo(x + box.width() * 0.38, high);
                curve.lineTo(x + box.width() * 0.5, high);
            }
            break;
        default:
            for (int i = 0; i <= 40; ++i) {
                const qreal t = i / 40.0;
                const qreal y = low - (low - high) * (0.5 - 0.5 * std::cos(t * 4 * M_PI));
                if (i == 0) {
                    curve.moveTo(box.left(), y);
                } else {
                    curve.lineTo(box.left() + t * box.width(), y);
                }
            }
            break;
    }
    painter.setPen(QPen(Colour(0xFF5E646C), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(curve);
}

void PaintSwatch(QPainter& painter, const QRect& rect, SkinState state) {
    const QRectF r = QRectF(rect).adjusted(1.5, 1.5, -1.5, -1.5);
    QConicalGradient rainbow(r.center(), 90);
    const QRgb hues[] = {0xFFFF3B3B, 0xFFFFD23B, 0xFF6BFF3B, 0xFF3BFFF0,
                         0xFF3B6BFF, 0xFFD23BFF, 0xFFFF3B3B};
    for (int i = 0; i < 7; ++i) {
        rainbow.setColorAt(i / 6.0,
                           state == SkinState::Disable ? QColor(90, 90, 96) : Colour(hues[i]));
    }
    QColor border = Colour(0xFF0A0B0D);
    if (state == SkinState::Over) {
        border = Colour(kWhite);
    } else if (state == SkinState::Down) {
        border = Colour(kAccent);
    }
    painter.setPen(QPen(border, state == SkinState::Normal ? 1 : 1.6));
    painter.setBrush(rainbow);
    painter.drawRoundedRect(r, 3, 3);
}

void PaintPaletteButton(QPainter& painter, const QRect& rect, const PaletteColour& colour,
                        SkinState state) {
    QColor fill(colour.red, colour.green, colour.blue);
    if (state == SkinState::Disable) {
        const int grey = qGray(fill.rgb());
        fill = QColor((fill.red() + grey) / 5, (fill.green() + grey) / 5, (fill.blue() + grey) / 5);
    }
    const QRectF outer = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    const QRectF chip = state == SkinState::Normal || state == SkinState::Disable
                            ? outer.adjusted(1.5, 1.5, -1.5, -1.5)
                            : outer.adjusted(3, 3, -3, -3);
    if (state == SkinState::Over || state == SkinState::Down) {
        painter.setPen(QPen(state == SkinState::Down ? Colour(kAccent) : Colour(kWhite), 1.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(outer.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    }
    QLinearGradient shade(chip.topLeft(), chip.bottomLeft());
    shade.setColorAt(0, fill.lighter(112));
    shade.setColorAt(1, fill.darker(125));
    painter.setPen(QPen(QColor(0, 0, 0, 160), 1));
    painter.setBrush(shade);
    painter.drawRoundedRect(chip, 3.5, 3.5);
    painter.setPen(QPen(QColor(255, 255, 255, state == SkinState::Disable ? 10 : 60), 1));
    painter.drawLine(QPointF(chip.left() + 3, chip.top() + 1.5),
                     QPointF(chip.right() - 3, chip.top() + 1.5));
}

void PaintBackground(QPainter& painter) {
    FillPage(painter, QRect(0, 0, main_window_layout::kPageWidth, main_window_layout::kPageHeight));
    const QFont hint = ThemeFont(11);

    DrawCard(painter, QRect(14, 8, 222, 339));
    DrawSectionTitle(painter, 30, 20, QStringLiteral("Lighting mode"));
    DrawText(painter, QRect(30, 38, 200, 14), QStringLiteral("Which zones light up"), kTextMuted,
             hint);
    DrawDivider(painter, 28, 222, 222);
    DrawSectionTitle(painter, 30, 232, QStringLiteral("Effect"));
    const auto& effects = layout::kEffectButtons;
    for (int i = 0; i < 4; ++i) {
        const LayoutRect button = effects[i].rect;
        const int rowTop = button.bottom() - 19;
        PaintEffectCurve(painter, QRectF(150, rowTop + 5.5, 56, 8), i);
    }

    DrawCard(painter, QRect(246, 8, 246, 339));
    DrawSectionTitle(painter, 262, 20, QStringLiteral("Preview"));
    DrawText(painter, QRect(262, 38, 220, 14), QStringLiteral("As the mouse will show it"),
             kTextMuted, hint);
    DrawWell(painter, R(layout::kPreview.rect).adjusted(-1, -1, 1, 1));
    DrawText(painter, QRect(262, 305, 214, 14), QStringLiteral("Scroll wheel and logo zones"),
             kTextDim, hint, Align::Centre);

    DrawCard(painter, QRect(502, 8, 268, 339));
    DrawSectionTitle(painter, 518, 20, QStringLiteral("Color"));
    DrawText(painter, QRect(518, 38, 240, 14), QStringLiteral("A fixed color or a color cycle"),
             kTextMuted, hint);
    DrawDivider(painter, 516, 756, 234);
    DrawText(painter, QRect(550, 240, 160, 14), QStringLiteral("CUSTOM COLOR"), 0xFFE6E6E6,
             ThemeFont(10, Weight::SemiBold, 1.2));
    const QString channels[3] = {QStringLiteral("Red"), QStringLiteral("Green"),
                                 QStringLiteral("Blue")};
    for (int i = 0; i < 3; ++i) {
        const LayoutRect edit = layout::kColorEdits[i].rect;
        DrawText(painter, QRect(edit.x, 252, edit.width + 8, 13), channels[i], kTextMuted,
                 ThemeFont(10));
    }
    DrawText(painter, QRect(690, 266, 70, 15), QStringLiteral("0 – 255"), kTextDim, ThemeFont(10));
}

}  // namespace

QImage PaintLightingBackground() {
    QImage sheet = NewSheet(main_window_layout::kPageWidth, main_window_layout::kPageHeight);
    QPainter painter(&sheet);
    BeginPainter(painter);
    PaintBackground(painter);
    return sheet;
}

QImage PaintLightingSheet(SkinState state) {
    QImage sheet = PaintLightingBackground();
    QPainter painter(&sheet);
    BeginPainter(painter);
    DrawOption(painter, R(layout::kOnButton.rect), state, QStringLiteral("On"));
    DrawOption(painter, R(layout::kOffButton.rect), state, QStringLiteral("Off"));
    DrawOption(painter, R(layout::kSelectButton.rect), state, QStringLiteral("Select"));
    DrawCheckBox(painter, R(layout::kZone1Box.rect), state, QStringLiteral("Scroll wheel"));
    DrawCheckBox(painter, R(layout::kZone4Box.rect), state, QStringLiteral("Logo"));
    PaintSwatch(painter, R(layout::kZone1Swatch.rect), state);
    PaintSwatch(painter, R(layout::kZone4Swatch.rect), state);
    for (int i = 0; i < 20; ++i) {
        PaintPaletteButton(painter, R(layout::kPaletteButtons[i].rect), kLightingPalette[i], state);
    }
    const QString effects[4] = {QStringLiteral("Solid"), QStringLiteral("Blinking"),
                                QStringLiteral("Pulsating"), QStringLiteral("Breathing")};
    for (int i = 0; i < 4; ++i) {
        const QRect button = R(layout::kEffectButtons[i].rect);
        // Every effect row is 19 pixels high; the taller first button keeps its row at
        // its bottom.
        DrawOption(painter, QRect(button.x(), button.bottom() + 1 - 19, button.width(), 19), state,
                   effects[i]);
    }
    DrawOption(painter, R(layout::kColorShiftButton.rect), state, QStringLiteral("Color Shift"));
    DrawOption(painter, R(layout::kSolidColorButton.rect), state, QStringLiteral("Solid Color"));
    for (const PlacedControl& edit : layout::kColorEdits) {
        DrawField(painter, R(edit.rect), state);
    }
    return sheet;
}

std::vector<Outline> LightingOutlines() {
    std::vector<Outline> outlines;
    for (const PlacedControl& control :
         {layout::kOnButton, layout::kOffButton, layout::kSelectButton, layout::kZone1Box,
          layout::kZone4Box, layout::kZone1Swatch, layout::kZone4Swatch, layout::kColorShiftButton,
          layout::kSolidColorButton, layout::kPreview}) {
        outlines.push_back({control.rect, QString::number(control.id)});
    }
    for (const PlacedControl& control : layout::kPaletteButtons) {
        outlines.push_back({control.rect, QString::number(control.id)});
    }
    for (const PlacedControl& control : layout::kEffectButtons) {
        outlines.push_back({control.rect, QString::number(control.id)});
    }
    for (const PlacedControl& control : layout::kColorEdits) {
        outlines.push_back({control.rect, QString::number(control.id)});
    }
    return outlines;
}

}  // namespace tavro::skingen
