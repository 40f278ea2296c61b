#include "pictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdint>

#include "lighting/color_panel_layout.h"
#include "lighting/lighting_layout.h"
#include "lighting/lighting_palette.h"
#include "mouse_art.h"
#include "paint.h"
#include "skin/scroll_layout.h"

namespace tavro::skingen {

namespace {

using namespace colour;

constexpr QRgb kTrackBackground = 0xFF0A0B0D;

QColor Mix(QRgb a, QRgb b, qreal t) {
    const QColor ca = Colour(a);
    const QColor cb = Colour(b);
    return QColor::fromRgbF(ca.redF() + (cb.redF() - ca.redF()) * t,
                            ca.greenF() + (cb.greenF() - ca.greenF()) * t,
                            ca.blueF() + (cb.blueF() - ca.blueF()) * t);
}

// Red through amber to lime as the surface gets better.
QColor GradeColour(int level) {
    constexpr QRgb kPoor = 0xFFE0563C;
    constexpr QRgb kFair = 0xFFE8B339;
    if (level <= 5) {
        return Mix(kPoor, kFair, level / 5.0);
    }
    return Mix(kFair, kAccent, (level - 5) / 5.0);
}

QString GradeName(int level) {
    if (level == 0) {
        return QStringLiteral("No tracking");
    }
    if (level <= 2) {
        return QStringLiteral("Poor");
    }
    if (level <= 4) {
        return QStringLiteral("Fair");
    }
    if (level <= 6) {
        return QStringLiteral("Good");
    }
    if (level <= 8) {
        return QStringLiteral("Very good");
    }
    return QStringLiteral("Excellent");
}

// Repeatable jitter for the sensor traces.
qreal Jitter(uint32_t& seed) {
    seed = seed * 1664525u + 1013904223u;
    return ((seed >> 8) & 0xFFFF) / 32768.0 - 1.0;
}

void PaintThumbBody(QPainter& painter, const QRectF& body, QRgb top, QRgb bottom, QRgb edge) {
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, Colour(top));
    fill.setColorAt(1, Colour(bottom));
    painter.setPen(QPen(Colour(edge), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(body, 3.5, 3.5);
}

void PaintChevron(QPainter& painter, QPointF centre, bool up, const QColor& colour) {
    QPainterPath path;
    const qreal s = up ? -1 : 1;
    path.moveTo(centre + QPointF(-4, -2 * s));
    path.lineTo(centre + QPointF(0, 2 * s));
    path.lineTo(centre + QPointF(4, -2 * s));
    painter.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void PaintScrollGroove(QPainter& painter, const QRectF& span) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Colour(0xFF16181C));
    painter.drawRoundedRect(QRectF(9, span.top(), 6, span.height()), 3, 3);
}

}  // namespace

QImage PaintSliderThumb(bool enabled) {
    QImage picture = NewPicture(kSliderThumbWidth, kSliderThumbHeight);
    QPainter painter(&picture);
    BeginPainter(painter);
    const QRectF body(0.5, 0.5, kSliderThumbWidth - 1, kSliderThumbHeight - 1);
    if (enabled) {
        PaintThumbBody(painter, body, 0xFFF2F2F2, 0xFFB8BDC3, 0xFF0A0B0D);
        painter.fillRect(QRectF(5, 4, 2, kSliderThumbHeight - 8), Colour(kAccentDeep));
    } else {
        PaintThumbBody(painter, body, 0xFF4A4E54, 0xFF34373C, 0xFF0A0B0D);
    }
    return picture;
}

QImage PaintDpiThumb(int level) {
    QImage picture = NewPicture(kDpiThumbWidth, kDpiThumbHeight);
    QPainter painter(&picture);
    BeginPainter(painter);
    const QRectF body(0.5, 0.5, kDpiThumbWidth - 1, kDpiThumbHeight - 1);
    constexpr QRgb kTops[3] = {0xFFC6E24A, 0xFFF2F2F2, 0xFF3A3F46};
    constexpr QRgb kBottoms[3] = {0xFF98B426, 0xFFB8BDC3, 0xFF23262B};
    const int i = level - 1;
    PaintThumbBody(painter, body, kTops[i], kBottoms[i], level == 3 ? kAccent : 0xFF0A0B0D);
    DrawText(painter, QRect(0, 0, kDpiThumbWidth, kDpiThumbHeight), QString::number(level),
             level == 3 ? kAccent : kAccentInk, ThemeFont(10, Weight::Bold), Align::Centre);
    return picture;
}

QImage PaintScrollTrack() {
    const LayoutRect sheet = scroll_layout::kSheet;
    QImage picture = NewSheet(sheet.width, sheet.height);
    picture.fill(Colour(kTrackBackground));
    QPainter painter(&picture);
    BeginPainter(painter);
    PaintScrollGroove(painter, QRectF(0, scroll_layout::kTopArrow.rect.bottom(), sheet.width,
                                      scroll_layout::kBottomArrow.rect.y -
                                          scroll_layout::kTopArrow.rect.bottom()));
    return picture;
}

QImage PaintScrollSheet(bool pressed) {
    QImage picture = PaintScrollTrack();
    QPainter painter(&picture);
    BeginPainter(painter);
    const QColor arrow = pressed ? Colour(kAccent) : Colour(kTextMuted);
    for (const PlacedControl& part : {scroll_layout::kTopArrow, scroll_layout::kBottomArrow}) {
        const QRect rect = R(part.rect);
        painter.fillRect(rect, Colour(kTrackBackground));
        if (pressed) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(Colour(0xFF1A1F10));
            painter.drawRoundedRect(QRectF(rect).adjusted(3, 2, -3, -2), 4, 4);
        }
        PaintChevron(painter, QRectF(rect).center(),
                     part.element == scroll_layout::kTopArrow.element, arrow);
    }
    const QRectF thumb = QRectF(R(scroll_layout::kThumb.rect)).adjusted(7.5, 1.5, -7.5, -1.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(pressed ? Colour(kAccent) : Colour(0xFF41464E));
    painter.drawRoundedRect(thumb, 4, 4);
    return picture;
}

std::vector<Outline> ScrollOutlines() {
    return {{scroll_layout::kTopArrow.rect, QStringLiteral("137")},
            {scroll_layout::kThumb.rect, QStringLiteral("136")},
            {scroll_layout::kBottomArrow.rect, QStringLiteral("138")}};
}

QImage PaintColorPanel() {
    const LayoutRect panel = color_panel_layout::kPanel;
    QImage picture = NewSheet(panel.width, panel.height);
    picture.fill(Colour(0xFF08090B));
    QPainter painter(&picture);
    BeginPainter(painter);
    painter.setPen(QPen(Colour(kAccentDeep), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, panel.width - 1, panel.height - 1));
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < 20; ++i) {
        const QRect cell = R(color_panel_layout::kCells[i]);
        const PaletteColour& c = kLightingPalette[i];
        painter.fillRect(cell, QColor(c.red, c.green, c.blue));
        painter.fillRect(QRect(cell.x(), cell.y(), cell.width(), 1), QColor(255, 255, 255, 55));
        painter.fillRect(QRect(cell.x(), cell.bottom(), cell.width(), 1), QColor(0, 0, 0, 70));
    }
    return picture;
}

std::vector<Outline> ColorPanelOutlines() {
    std::vector<Outline> outlines;
    for (int i = 0; i < 20; ++i) {
        outlines.push_back({color_panel_layout::kCells[i], QString::number(i + 1)});
    }
    return outlines;
}

QImage PaintLightingMouse() {
    const LayoutRect preview = lighting_layout::kPreview.rect;
    QImage picture = NewPicture(preview.width, preview.height);
    QPainter painter(&picture);
    BeginPainter(painter);

    // Placed by two points: the wheel's centre and the logo's, inside their zone
    // rectangles where the whole mouse still fits the picture (the nose just below the
    // top edge, since zone 1 lies near it).
    constexpr QPointF kWheelAt(66, 18);
    constexpr QPointF kLogoAt(124, 116);
    const QPointF wheel = MouseWheel(MouseArtStyle::Preview).boundingRect().center();
    const QPointF logo = MouseLogo(MouseArtStyle::Preview).boundingRect().center();
    const QPointF along = kLogoAt - kWheelAt;
    const qreal scale = std::hypot(along.x(), along.y()) / (logo.y() - wheel.y());
    const qreal degrees = std::atan2(-along.x(), along.y()) * 180 / M_PI;
    const QTransform turn = MouseTransform(QPointF(0, 0), scale, degrees);
    const QPointF centre = kWheelAt - turn.map(wheel);
    const QTransform place = MouseTransform(centre, scale, degrees);

    // The stage is lit from above the mouse.
    const QPointF middle = place.map(QPointF(0, 0));
    QRadialGradient stage(middle, preview.width * 0.8);
    stage.setColorAt(0, Colour(0xFF1D2024));
    stage.setColorAt(1, Colour(0xFF07080A));
    painter.fillRect(QRect(0, 0, preview.width, preview.height), stage);
    DrawMouseTopView(painter, centre, scale, degrees, MouseArtStyle::Preview);

    // Windows for the zone colours: fully clear in the lit parts, half clear at their
    // soft edges, never outside the zone rectangles.
    const struct {
        LayoutRect zone;
        QPainterPath shape;
    } windows[] = {
        {lighting_layout::kPreviewZone1, place.map(MouseWheel(MouseArtStyle::Preview))},
        {lighting_layout::kPreviewZone4, place.map(MouseLogo(MouseArtStyle::Preview))},
    };
    for (const auto& window : windows) {
        painter.save();
        painter.setClipRect(R(window.zone));
        painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
        painter.setPen(QPen(QColor(0, 0, 0, 110), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(window.shape);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 255));
        painter.drawPath(window.shape);
        painter.restore();
    }
    // Ridges of the wheel over its light.
    painter.save();
    painter.setTransform(place, true);
    painter.setPen(QPen(QColor(10, 11, 13, 150), 1.0 / scale));
    const QRectF ridges = MouseWheel(MouseArtStyle::Preview).boundingRect();
    for (qreal y = ridges.top() + 5; y < ridges.bottom() - 3; y += 4) {
        painter.drawLine(QPointF(ridges.left() + 2, y), QPointF(ridges.right() - 2, y));
    }
    painter.restore();
    return picture;
}

std::vector<Outline> LightingMouseOutlines() {
    return {{lighting_layout::kPreviewZone1, QStringLiteral("zone 1")},
            {lighting_layout::kPreviewZone4, QStringLiteral("zone 4")}};
}

QImage PaintSurfacePicture(int level) {
    QImage picture = NewSheet(96, 49);
    QPainter painter(&picture);
    BeginPainter(painter);
    QLinearGradient base(QPointF(0, 0), QPointF(0, 49));
    base.setColorAt(0, Colour(0xFF121417));
    base.setColorAt(1, Colour(0xFF0B0C0E));
    painter.fillRect(PictureRect(picture), base);

    const QColor grade = level == 0 ? Colour(kTextDim) : GradeColour(level);
    DrawText(painter, QRect(6, 3, 62, 13), GradeName(level), level == 0 ? kTextMuted : grade.rgba(),
             ThemeFont(10, Weight::SemiBold));
    DrawText(painter, QRect(60, 3, 30, 13), QStringLiteral("%1/10").arg(level), kTextDim,
             ThemeFont(9, Weight::Medium), Align::Right);

    // The sensor's trace across the surface: jagged and broken on a poor one, straight
    // on an excellent one.
    uint32_t seed = 0x5EED + level * 7919;
    const qreal amplitude = (10 - level) * 0.75;
    QPainterPath trace;
    bool drawing = false;
    for (int x = 6; x <= 90; x += 2) {
        const bool gap = level < 3 && (x / 12) % (level + 2) == 1;
        const qreal y = 25 + amplitude * (0.6 * std::sin(x * 0.31) + 0.5 * Jitter(seed));
        if (gap) {
            drawing = false;
            continue;
        }
        if (drawing) {
            trace.lineTo(x, y);
        } else {
            trace.moveTo(x, y);
            drawing = true;
        }
    }
    painter.setPen(QPen(grade, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(trace);

    // Ten cells, lit up to the level.
    for (int i = 0; i < 10; ++i) {
        const QRectF cell(6 + i * 8.6, 38, 7, 5);
        painter.setPen(Qt::NoPen);
        painter.setBrush(i < level ? GradeColour(i + 1) : Colour(0xFF22252A));
        painter.drawRoundedRect(cell, 1.5, 1.5);
    }
    painter.setPen(QPen(Colour(0xFF24272C), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, 95, 48));
    return picture;
}

QImage PaintMotionPicture(int index) {
    QImage picture = NewSheet(196, 95);
    QPainter painter(&picture);
    BeginPainter(painter);
    painter.fillRect(PictureRect(picture), Colour(0xFF0B0C0E));
    // A mouse pad with a fine weave.
    const QRectF pad(10, 8, 176, 79);
    painter.setPen(QPen(Colour(0xFF24272C), 1));
    painter.setBrush(Colour(0xFF111316));
    painter.drawRoundedRect(pad, 8, 8);
    painter.setPen(QPen(QColor(255, 255, 255, 7), 1));
    for (qreal x = pad.left() + 6; x < pad.right(); x += 6) {
        painter.drawLine(QPointF(x, pad.top() + 2), QPointF(x, pad.bottom() - 2));
    }

    const QPointF centre(98, 47);
    const qreal rx = 58;
    const qreal ry = 22;
    painter.setPen(QPen(WithAlpha(kTextMuted, 90), 1, Qt::DashLine));
    painter.drawEllipse(centre, rx, ry);

    const qreal angle = -M_PI / 2 + index * 2 * M_PI / 3;
    // The trail behind the mouse, fading out.
    for (int i = 0; i < 24; ++i) {
        const qreal a0 = angle - (i + 1) * 0.07;
        const qreal a1 = angle - i * 0.07;
        painter.setPen(
            QPen(WithAlpha(kAccent, 220 - i * 9), 3 - i * 0.1, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre + QPointF(rx * std::cos(a0), ry * std::sin(a0)),
                         centre + QPointF(rx * std::cos(a1), ry * std::sin(a1)));
    }
    const QPointF at = centre + QPointF(rx * std::cos(angle), ry * std::sin(angle));
    // Heading along the path, front first.
    const QPointF tangent(-rx * std::sin(angle), ry * std::cos(angle));
    const qreal heading = std::atan2(tangent.y(), tangent.x()) * 180 / M_PI + 90;
    // Leans a little into the curve.
    DrawMouseTopView(painter, at, 0.14, heading * 0.25, MouseArtStyle::Settings);
    const qreal ahead = angle + 0.62;
    const QPointF tip = centre + QPointF(rx * std::cos(ahead), ry * std::sin(ahead));
    const QPointF dir(-rx * std::sin(ahead), ry * std::cos(ahead));
    const QPointF u = dir / std::hypot(dir.x(), dir.y());
    const QPointF n(-u.y(), u.x());
    painter.setPen(Qt::NoPen);
    painter.setBrush(Colour(kAccent));
    painter.drawPolygon(QPolygonF{tip + u * 4, tip - u * 3 + n * 4, tip - u * 3 - n * 4});
    return picture;
}

}  // namespace tavro::skingen
