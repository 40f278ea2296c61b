#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "app/main_window_layout.h"
#include "mouse_art.h"
#include "paint.h"
#include "sheets.h"

namespace tavro::skingen {

namespace {

using namespace colour;
namespace layout = main_window_layout;

constexpr int kTopStripHeight = 26;
constexpr int kHeroBottom = 146;

void PaintHeader(QPainter& painter) {
    const int width = layout::kWindow.width;
    painter.fillRect(QRect(0, 0, width, kTopStripHeight), Colour(0xFF0B0C0E));
    painter.fillRect(QRect(0, kTopStripHeight - 1, width, 1), Colour(0xFF1E2125));
    DrawText(painter, QRect(14, 6, 150, 15), QStringLiteral("TAVRO CONFIG"), kTextMuted,
             ThemeFont(11, Weight::SemiBold, 1.6));
    const LayoutRect version = layout::kVersionLabel.rect;
    DrawText(painter, QRect(version.x - 80, version.y, 76, version.height),
             QStringLiteral("Version"), kTextDim, ThemeFont(11, Weight::Medium), Align::Right);

    const QRect hero(0, kTopStripHeight, width, kHeroBottom - kTopStripHeight);
    QLinearGradient base(hero.topLeft(), hero.bottomLeft());
    base.setColorAt(0, Colour(0xFF111316));
    base.setColorAt(1, Colour(0xFF0C0D10));
    painter.fillRect(hero, base);
    QRadialGradient glow(QPointF(640, 150), 320);
    glow.setColorAt(0, WithAlpha(kAccent, 34));
    glow.setColorAt(0.5, WithAlpha(kAccent, 8));
    glow.setColorAt(1, WithAlpha(kAccent, 0));
    painter.fillRect(hero, glow);

    // Light trails sweeping behind the mouse.
    painter.save();
    painter.setClipRect(hero);
    for (int i = 0; i < 7; ++i) {
        QPainterPath trail;
        const qreal y = 150 - i * 13;
        trail.moveTo(380, y + 40);
        trail.cubicTo(480, y + 10, 560, y - 10, 820, y - 70);
        QLinearGradient fade(QPointF(380, 0), QPointF(820, 0));
        fade.setColorAt(0, WithAlpha(kAccent, 0));
        fade.setColorAt(0.7, WithAlpha(kAccent, i == 2 ? 150 : 38));
        fade.setColorAt(1, WithAlpha(kAccent, 0));
        painter.setPen(QPen(QBrush(fade), i == 2 ? 1.6 : 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(trail);
    }
    painter.restore();

    DrawMouseTopView(painter, QPointF(662, 86), 0.37, -28, MouseArtStyle::Hero);

    DrawText(painter, QRect(38, 40, 400, 60), QStringLiteral("TAVRO"), kWhite,
             ThemeFont(54, Weight::Bold, 9));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Colour(kAccent));
    painter.drawRect(QRectF(42, 104, 28, 3));
    DrawText(painter, QRect(80, 97, 400, 16), QStringLiteral("OPTICAL GAMING MOUSE"), kAccent,
             ThemeFont(12, Weight::SemiBold, 3.2));
    DrawText(painter, QRect(42, 117, 420, 16),
             QStringLiteral("Buttons, sensor, lighting and macros for all five on-board profiles"),
             kTextMuted, ThemeFont(12));
}

void PaintTabStrip(QPainter& painter) {
    const QRect strip(9, 148, 783, 38);
    painter.fillRect(strip, Colour(0xFF0D0F11));
    painter.fillRect(QRect(strip.x(), strip.bottom(), strip.width(), 1), Colour(0xFF22262B));
}

void PaintTab(QPainter& painter, const LayoutRect& place, SkinState state) {
    const QRect rect = R(place);
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, 0);
    if (state == SkinState::Over || state == SkinState::Down) {
        QLinearGradient fill(r.topLeft(), r.bottomLeft());
        fill.setColorAt(0, Colour(state == SkinState::Down ? 0xFF1D2125 : 0xFF191C20));
        fill.setColorAt(1, Colour(state == SkinState::Down ? 0xFF1A1E17 : 0xFF15181B));
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawRoundedRect(r.adjusted(1, 2, -1, 4), 5, 5);
        QLinearGradient glow(r.bottomLeft(), r.topLeft());
        glow.setColorAt(0, WithAlpha(kAccent, state == SkinState::Down ? 52 : 26));
        glow.setColorAt(0.6, WithAlpha(kAccent, 0));
        painter.setBrush(glow);
        painter.drawRect(r.adjusted(1, 8, -1, 0));
    }
    // Separator on the right, on every tab alike.
    painter.fillRect(QRect(rect.right(), rect.y() + 10, 1, rect.height() - 20), Colour(0xFF24282D));
    const int barHeight = state == SkinState::Down ? 3 : 2;
    QColor bar = Colour(kAccent);
    if (state == SkinState::Over) {
        bar = WithAlpha(kAccent, 150);
    }
    if (state == SkinState::Over || state == SkinState::Down) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(bar);
        painter.drawRoundedRect(
            QRectF(rect.x() + 12, rect.bottom() + 1 - barHeight, rect.width() - 24, barHeight), 1.5,
            1.5);
    }
}

void PaintProfileMenu(QPainter& painter, const PlacedControl& menu, SkinState state) {
    const QRect rect = R(menu.rect);
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor border = Colour(0xFF30353B);
    QBrush fill = Colour(0xFF1A1D21);
    QRgb text = kText;
    if (state == SkinState::Over) {
        border = Colour(kAccent);
        fill = Colour(0xFF22262B);
        text = kWhite;
    } else if (state == SkinState::Down) {
        border = Colour(kAccent);
        fill = Colour(0xFF14170E);
        text = kAccent;
    } else if (state == SkinState::Disable) {
        border = Colour(kDisabledLine);
        fill = Colour(kDisabledSurface);
        text = kDisabledText;
    }
    painter.setPen(QPen(border, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(r, 3, 3);
    DrawText(painter, QRect(rect.x(), rect.y() + 1, rect.width(), 12), Q(menu.caption), text,
             ThemeFont(11, Weight::Bold), Align::Centre);
    DrawChevronDown(painter, QPointF(r.center().x(), rect.y() + 15.5), 5, Colour(text));
}

void PaintProfileButton(QPainter& painter, const PlacedControl& profile, SkinState state) {
    const QRect rect = R(profile.rect);
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor border = Colour(0xFF2A2E34);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, Colour(0xFF1B1E22));
    fill.setColorAt(1, Colour(0xFF16181B));
    if (state == SkinState::Over) {
        border = Colour(kAccent);
        fill.setColorAt(0, Colour(0xFF23272C));
        fill.setColorAt(1, Colour(0xFF1C1F23));
    } else if (state == SkinState::Down) {
        border = WithAlpha(kAccent, 200);
        fill.setColorAt(0, Colour(0xFF1F2418));
        fill.setColorAt(1, Colour(0xFF181C12));
    } else if (state == SkinState::Disable) {
        border = Colour(kDisabledLine);
        fill.setColorAt(0, Colour(kDisabledSurface));
        fill.setColorAt(1, Colour(kDisabledSurface));
    }
    painter.setPen(QPen(border, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(r, 3, 3);
    if (state == SkinState::Down) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Colour(kAccent));
        painter.drawRoundedRect(QRectF(rect.right() - 12, rect.y() + 7, 6, 6), 3, 3);
    }
}

}  // namespace

QImage PaintMainSheet(SkinState state) {
    QImage sheet = NewSheet(layout::kWindow.width, layout::kWindow.height);
    QPainter painter(&sheet);
    BeginPainter(painter);
    FillPage(painter, R(layout::kWindow));
    PaintHeader(painter);
    PaintTabStrip(painter);
    for (const PlacedControl& tab : layout::kTabs) {
        PaintTab(painter, tab.rect, state);
    }
    for (const auto& slot : layout::kProfileBar) {
        PaintProfileMenu(painter, slot.menu, state);
        PaintProfileButton(painter, slot.profile, state);
    }
    const QRect page = R(layout::kPageArea);
    painter.setPen(QPen(Colour(0xFF22252A), 1));
    painter.setBrush(Colour(kInk1));
    painter.drawRect(QRectF(page).adjusted(-0.5, -0.5, 0.5, 0.5));
    DrawDivider(painter, 20, 780, 560);
    for (const PlacedControl& button : layout::kBottomButtons) {
        DrawPushButton(painter, R(button.rect), state);
    }
    DrawDropDown(painter, R(layout::kLanguageButton.rect), state);
    DrawWindowFrame(painter, R(layout::kWindow));
    return sheet;
}

std::vector<Outline> MainOutlines() {
    std::vector<Outline> outlines;
    for (const PlacedControl& control : layout::kControls) {
        outlines.push_back({control.rect, QString::number(control.id)});
    }
    outlines.push_back({layout::kPageArea, QStringLiteral("page area")});
    return outlines;
}

}  // namespace tavro::skingen
