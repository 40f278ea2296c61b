#include "mouse_art.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include "theme.h"

namespace tavro::skingen {

namespace {

using namespace colour;

constexpr qreal kFront = -140;
constexpr qreal kLength = 282;

// Where the parts sit and how the outline narrows towards the nose, in the mouse's units.
struct MouseShape {
    qreal noseNarrowing;  // the nose is this share narrower than the back
    qreal wheelTop;
    qreal wheelBottom;
    qreal wheelWidth;
    QPointF logoCentre;
    qreal logoScale;

    // Every point of the art passes through here, so parts follow the narrowed flanks.
    QPointF map(QPointF point) const {
        const qreal back = (point.y() - kFront) / kLength;
        return {point.x() * (1 - noseNarrowing * (1 - back)), point.y()};
    }
    QPainterPath map(const QPainterPath& path) const {
        QPainterPath mapped = path;
        for (int i = 0; i < mapped.elementCount(); ++i) {
            const QPointF point = map(QPointF(mapped.elementAt(i)));
            mapped.setElementPositionAt(i, point.x(), point.y());
        }
        return mapped;
    }
};

constexpr MouseShape kStandardShape{0, -122, -74, 14, {0, 62}, 1};
constexpr MouseShape kPreviewShape{0.35, -126, -104, 18, {0, 92}, 1.3};

const MouseShape& ShapeOf(MouseArtStyle style) {
    return style == MouseArtStyle::Preview ? kPreviewShape : kStandardShape;
}

// The right half of the outline, front to back; the left half mirrors it.
QPainterPath BodyOutline(const MouseShape& shape) {
    QPainterPath path;
    path.moveTo(0, kFront);
    path.cubicTo(38, -141, 62, -122, 66, -88);
    path.cubicTo(70, -50, 72, -20, 78, 10);
    path.cubicTo(84, 45, 84, 85, 70, 112);
    path.cubicTo(56, 136, 28, 142, 0, 142);
    path.cubicTo(-28, 142, -56, 136, -70, 112);
    path.cubicTo(-84, 85, -84, 45, -78, 10);
    path.cubicTo(-72, -20, -70, -50, -66, -88);
    path.cubicTo(-62, -122, -38, -141, 0, kFront);
    path.closeSubpath();
    return shape.map(path);
}

QPainterPath ButtonSeam(const MouseShape& shape) {
    QPainterPath seam;
    seam.moveTo(-72, -36);
    seam.quadTo(0, -16, 72, -36);
    return shape.map(seam);
}

QPainterPath SideButton(const MouseShape& shape, qreal top, qreal bottom, qreal outerX,
                        qreal innerX) {
    QPainterPath path;
    path.moveTo(innerX, top);
    path.quadTo(outerX - 2, top - 1, outerX, top + 6);
    path.lineTo(outerX - 1.5, bottom - 6);
    path.quadTo(outerX - 1, bottom + 1, innerX, bottom);
    path.closeSubpath();
    return shape.map(path);
}

QPainterPath WheelSlot(const MouseShape& shape) {
    QPainterPath slot;
    const qreal width = shape.wheelWidth + 8;
    slot.addRoundedRect(
        QRectF(-width / 2, shape.wheelTop - 6, width, shape.wheelBottom - shape.wheelTop + 12),
        width / 2 - 1, width / 2 - 1);
    return shape.map(slot);
}

QPainterPath Wheel(const MouseShape& shape) {
    QPainterPath wheel;
    const qreal width = shape.wheelWidth;
    wheel.addRoundedRect(
        QRectF(-width / 2, shape.wheelTop, width, shape.wheelBottom - shape.wheelTop), width / 2,
        width / 2);
    return shape.map(wheel);
}

QPainterPath Logo(const MouseShape& shape) {
    // A chevron pointing back, drawn around its centre.
    const QPointF corners[] = {{-18, -14}, {0, 4}, {18, -14}, {18, -4}, {0, 14}, {-18, -4}};
    QPainterPath logo;
    for (const QPointF& corner : corners) {
        const QPointF point = shape.logoCentre + corner * shape.logoScale;
        if (logo.elementCount() == 0) {
            logo.moveTo(point);
        } else {
            logo.lineTo(point);
        }
    }
    logo.closeSubpath();
    return shape.map(logo);
}

void DrawPill(QPainter& painter, const QRectF& rect, const QBrush& fill, const QColor& edge) {
    painter.setPen(QPen(edge, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(rect, rect.width() / 2.5, rect.height() / 2.5);
}

}  // namespace

QTransform MouseTransform(QPointF centre, qreal scale, qreal degrees) {
    QTransform transform;
    transform.translate(centre.x(), centre.y());
    transform.rotate(degrees);
    transform.scale(scale, scale);
    return transform;
}

QPainterPath MouseWheel(MouseArtStyle style) {
    return Wheel(ShapeOf(style));
}

QPainterPath MouseLogo(MouseArtStyle style) {
    return Logo(ShapeOf(style));
}

QPointF MousePartAnchor(MousePart part) {
    switch (part) {
        case MousePart::LeftButton:
            return {-34, -82};
        case MousePart::RightButton:
            return {34, -82};
        case MousePart::Wheel:
            return {-5, -98};
        case MousePart::Forward:
            return {-70, -28};
        case MousePart::Back:
            return {-74, 6};
        case MousePart::DpiUp:
            return {6, -59};
        case MousePart::DpiDown:
            return {6, -46};
    }
    return {};
}

void DrawMouseTopView(QPainter& painter, QPointF centre, qreal scale, qreal degrees,
                      MouseArtStyle style) {
    painter.save();
    painter.setTransform(MouseTransform(centre, scale, degrees), true);
    const qreal hairline = 1.0 / scale;
    const bool hero = style == MouseArtStyle::Hero;
    const bool preview = style == MouseArtStyle::Preview;
    const MouseShape& shape = ShapeOf(style);

    const QPainterPath body = BodyOutline(shape);

    // Soft shadow under the body.
    QRadialGradient shadow(QPointF(6, 14), 170);
    shadow.setColorAt(0, QColor(0, 0, 0, 150));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawEllipse(QPointF(6, 14), 120, 175);

    // Side buttons sit on the left flank, under the shell's edge.
    const QPainterPath forward = SideButton(shape, -46, -12, -78, -62);
    const QPainterPath back = SideButton(shape, -8, 22, -82, -66);
    QLinearGradient sideFill(QPointF(-84, 0), QPointF(-60, 0));
    sideFill.setColorAt(0, Colour(0xFF3A3F46));
    sideFill.setColorAt(1, Colour(0xFF1F2226));
    painter.setPen(QPen(Colour(0xFF50565E), hairline));
    painter.setBrush(sideFill);
    painter.drawPath(forward);
    painter.drawPath(back);

    QLinearGradient shell(QPointF(-80, -140), QPointF(80, 142));
    shell.setColorAt(0, Colour(0xFF343940));
    shell.setColorAt(0.45, Colour(0xFF202328));
    shell.setColorAt(1, Colour(0xFF131518));
    painter.setPen(QPen(hero ? WithAlpha(kAccent, 140) : Colour(0xFF4C525A), 1.4 * hairline));
    painter.setBrush(shell);
    painter.drawPath(body);

    // Light falls from the front left: a sheen on each button and along the palm.
    painter.save();
    painter.setClipPath(body);
    painter.setPen(Qt::NoPen);
    for (const QPointF& spot : {shape.map({-36, -96}), shape.map({34, -96})}) {
        QRadialGradient sheen(spot, 46);
        sheen.setColorAt(0, QColor(255, 255, 255, 20));
        sheen.setColorAt(1, QColor(255, 255, 255, 0));
        painter.setBrush(sheen);
        painter.drawEllipse(spot, 46, 46);
    }
    QLinearGradient rim(QPointF(0, -140), QPointF(0, -110));
    rim.setColorAt(0, QColor(255, 255, 255, 26));
    rim.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setBrush(rim);
    painter.drawRect(QRectF(-80, -142, 160, 34));
    painter.restore();

    // Seams between the two main buttons and the palm.
    painter.save();
    painter.setClipPath(body);
    painter.setPen(QPen(Colour(0xFF08090A), 2 * hairline));
    painter.setBrush(Qt::NoBrush);
    const qreal slotBottom = shape.wheelBottom + 6;
    painter.drawPath(ButtonSeam(shape));
    painter.drawLine(QPointF(0, kFront - 1), QPointF(0, shape.wheelTop - 6));
    painter.drawLine(QPointF(0, slotBottom + 2), QPointF(0, -26));
    painter.setPen(QPen(QColor(255, 255, 255, 18), hairline));
    painter.translate(0, 2 * hairline);
    painter.drawPath(ButtonSeam(shape));
    painter.restore();

    // The wheel in its slot, then the DPI buttons behind it.
    painter.setPen(QPen(Colour(0xFF08090A), hairline));
    painter.setBrush(Colour(0xFF0B0C0E));
    painter.drawPath(WheelSlot(shape));
    const QRectF wheel = Wheel(shape).boundingRect();
    QLinearGradient wheelFill(wheel.topLeft(), wheel.topRight());
    wheelFill.setColorAt(0, Colour(0xFF1B1E22));
    wheelFill.setColorAt(0.5, Colour(0xFF3B4047));
    wheelFill.setColorAt(1, Colour(0xFF1B1E22));
    painter.setBrush(wheelFill);
    painter.setPen(preview ? QPen(Colour(0xFF08090A), hairline)
                           : QPen(WithAlpha(kAccent, hero ? 200 : 110), hairline));
    painter.drawPath(Wheel(shape));
    painter.setPen(QPen(QColor(0, 0, 0, 120), hairline));
    for (qreal y = wheel.top() + 6; y < wheel.bottom() - 4; y += 4) {
        painter.drawLine(QPointF(wheel.left() + 2.5, y), QPointF(wheel.right() - 2.5, y));
    }
    const QBrush dpiFill = Colour(0xFF262A30);
    const QColor dpiEdge = Colour(0xFF4A5058);
    // DPI up above DPI down, just behind the wheel's slot.
    const qreal dpiUp = slotBottom + 4;
    const qreal dpiDown = dpiUp + 13;
    DrawPill(painter, QRectF(-8, dpiUp, 16, 10), dpiFill, dpiEdge);
    DrawPill(painter, QRectF(-8, dpiDown, 16, 10), dpiFill, dpiEdge);
    painter.setPen(QPen(Colour(kTextMuted), 1.2 * hairline, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-2.5, dpiUp + 6.5), QPointF(0, dpiUp + 3.5));
    painter.drawLine(QPointF(0, dpiUp + 3.5), QPointF(2.5, dpiUp + 6.5));
    painter.drawLine(QPointF(-2.5, dpiDown + 3.5), QPointF(0, dpiDown + 6.5));
    painter.drawLine(QPointF(0, dpiDown + 6.5), QPointF(2.5, dpiDown + 3.5));

    // Profile button on the palm and the sniper button in front of the thumb.
    DrawPill(painter, QRectF(-9, -14, 18, 8), dpiFill, dpiEdge);
    const QPointF sniper = shape.map({-79, 37});
    DrawPill(painter, QRectF(sniper.x() - 4, sniper.y() - 7, 8, 14), dpiFill, dpiEdge);

    // The logo: a lime chevron on the palm; the preview lights it itself.
    if (!preview) {
        const QPointF logoCentre = shape.map(shape.logoCentre);
        const qreal glow = 40 * shape.logoScale;
        QRadialGradient logoGlow(logoCentre, glow);
        logoGlow.setColorAt(0, WithAlpha(kAccent, hero ? 90 : 60));
        logoGlow.setColorAt(1, WithAlpha(kAccent, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(logoGlow);
        painter.drawEllipse(logoCentre, glow, glow);
        painter.setBrush(WithAlpha(kAccent, hero ? 255 : 220));
        painter.drawPath(Logo(shape));
    }

    painter.restore();
}

}  // namespace tavro::skingen
