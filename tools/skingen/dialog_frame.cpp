#include "dialog_frame.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPen>

#include "paint.h"

namespace tavro::skingen {

namespace {

using namespace colour;

constexpr int kTitleBarHeight = 26;

}  // namespace

void PaintDialogFrame(QPainter& painter, const QSize& size, const QString& title) {
    const QRect whole(QPoint(0, 0), size);
    FillPage(painter, whole);
    painter.fillRect(QRect(0, 0, size.width(), kTitleBarHeight), Colour(0xFF0C0D10));
    painter.fillRect(QRect(0, kTitleBarHeight - 1, size.width(), 1), Colour(0xFF1F2226));
    QLinearGradient accent(QPointF(0, 0), QPointF(size.width(), 0));
    accent.setColorAt(0, Colour(kAccent));
    accent.setColorAt(0.6, WithAlpha(kAccent, 90));
    accent.setColorAt(1, WithAlpha(kAccent, 0));
    painter.fillRect(QRect(0, 0, size.width(), 2), accent);
    DrawText(painter, QRect(14, 3, size.width() - 60, kTitleBarHeight - 4), title, kWhite,
             ThemeFont(12, Weight::SemiBold));
    painter.setPen(QPen(Colour(0xFF363A41), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(whole).adjusted(0.5, 0.5, -0.5, -0.5));
}

void PaintIcon(QPainter& painter, QPointF centre, Icon icon) {
    if (icon == Icon::None) {
        return;
    }
    const bool warning = icon == Icon::Warning;
    const QRgb tint = warning ? kWarningTint : kAccent;
    painter.setPen(QPen(Colour(tint), 1.6));
    painter.setBrush(WithAlpha(tint, 26));
    painter.drawEllipse(centre, 17, 17);
    painter.setPen(QPen(Colour(tint), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    QPainterPath glyph;
    switch (icon) {
        case Icon::Warning:
            glyph.moveTo(centre + QPointF(0, -8));
            glyph.lineTo(centre + QPointF(0, 3));
            painter.drawPath(glyph);
            painter.setBrush(Colour(tint));
            painter.setPen(Qt::NoPen);
            painter.drawEllipse(centre + QPointF(0, 8), 1.6, 1.6);
            return;
        case Icon::Question:
            DrawText(painter, QRectF(centre.x() - 17, centre.y() - 17, 34, 34).toRect(),
                     QStringLiteral("?"), tint, ThemeFont(20, Weight::Bold), Align::Centre);
            return;
        case Icon::Surface:
            glyph.addEllipse(centre, 8, 5);
            glyph.moveTo(centre + QPointF(8, 0));
            glyph.lineTo(centre + QPointF(11, -3));
            break;
        case Icon::Done:
            glyph.moveTo(centre + QPointF(-7, 0));
            glyph.lineTo(centre + QPointF(-2, 5));
            glyph.lineTo(centre + QPointF(8, -6));
            break;
        case Icon::Key:
            glyph.addRoundedRect(QRectF(centre.x() - 9, centre.y() - 7, 18, 14), 3, 3);
            glyph.moveTo(centre + QPointF(-4, 2));
            glyph.lineTo(centre + QPointF(4, 2));
            break;
        case Icon::None:
            break;
    }
    painter.drawPath(glyph);
}

void PaintMessage(QPainter& painter, const QRect& box, const QString& heading,
                  const QString& text) {
    DrawText(painter, QRect(box.x(), box.y(), box.width(), 18), heading, kWhite,
             ThemeFont(13, Weight::SemiBold));
    DrawParagraph(painter, QRect(box.x(), box.y() + 22, box.width(), box.height() - 22), text,
                  kText, ThemeFont(12), Align::Left, 2);
}

}  // namespace tavro::skingen
