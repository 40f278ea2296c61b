#include "paint.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPen>
#include <QTextLayout>

#include <algorithm>

namespace tavro::skingen {

namespace {

using namespace colour;

QRectF Inner(const QRect& rect) {
    return QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
}

void FillRounded(QPainter& painter, const QRectF& rect, qreal radius, const QBrush& fill,
                 const QColor& border) {
    painter.setPen(border.alpha() == 0 ? QPen(Qt::NoPen) : QPen(border, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(rect, radius, radius);
}

QLinearGradient Vertical(const QRectF& rect, QRgb top, QRgb bottom) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, Colour(top));
    gradient.setColorAt(1, Colour(bottom));
    return gradient;
}

// A one-pixel light line along the top edge of a raised surface.
void TopHighlight(QPainter& painter, const QRectF& rect, qreal radius, int alpha) {
    painter.setPen(QPen(WithAlpha(kWhite, alpha), 1));
    painter.drawLine(QPointF(rect.left() + radius, rect.top() + 1),
                     QPointF(rect.right() - radius, rect.top() + 1));
}

QRgb TextOf(SkinState state) {
    switch (state) {
        case SkinState::Normal:
            return kText;
        case SkinState::Over:
            return kWhite;
        case SkinState::Down:
            return kAccent;
        case SkinState::Disable:
            return kDisabledText;
    }
    return kText;
}

}  // namespace

QRect R(const LayoutRect& rect) {
    return QRect(rect.x, rect.y, rect.width, rect.height);
}

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

namespace {

int& CurrentScale() {
    static int scale = 1;
    return scale;
}

QImage NewScaledImage(int width, int height, QImage::Format format) {
    const int scale = PictureScale();
    QImage image(width * scale, height * scale, format);
    image.setDevicePixelRatio(scale);
    return image;
}

}  // namespace

int PictureScale() {
    return CurrentScale();
}

ScopedPictureScale::ScopedPictureScale(int scale) : previous_(CurrentScale()) {
    CurrentScale() = scale;
}

ScopedPictureScale::~ScopedPictureScale() {
    CurrentScale() = previous_;
}

QImage NewSheet(int width, int height) {
    QImage image = NewScaledImage(width, height, QImage::Format_RGB32);
    image.fill(Colour(kInk1));
    return image;
}

QImage NewPicture(int width, int height) {
    QImage image = NewScaledImage(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QRect PictureRect(const QImage& picture) {
    return QRect(QPoint(0, 0), picture.deviceIndependentSize().toSize());
}

void BeginPainter(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

void FillPage(QPainter& painter, const QRect& rect) {
    painter.fillRect(rect, Vertical(rect, 0xFF121418, 0xFF0D0E11));
}

void DrawCard(QPainter& painter, const QRect& rect) {
    const QRectF r = Inner(rect);
    FillRounded(painter, r, 6, Vertical(r, 0xFF181A1E, 0xFF131518), Colour(kLine));
    TopHighlight(painter, r, 6, 9);
}

void DrawWell(QPainter& painter, const QRect& rect) {
    const QRectF r = Inner(rect);
    FillRounded(painter, r, 4, Colour(kInk0), Colour(0xFF24272C));
    painter.setPen(QPen(WithAlpha(0xFF000000, 120), 1));
    painter.drawLine(QPointF(r.left() + 3, r.top() + 1), QPointF(r.right() - 3, r.top() + 1));
}

void DrawDivider(QPainter& painter, int x1, int x2, int y) {
    QLinearGradient gradient(QPointF(x1, y), QPointF(x2, y));
    gradient.setColorAt(0, WithAlpha(kLineStrong, 0));
    gradient.setColorAt(0.15, Colour(kLine));
    gradient.setColorAt(0.85, Colour(kLine));
    gradient.setColorAt(1, WithAlpha(kLineStrong, 0));
    painter.fillRect(QRect(x1, y, x2 - x1, 1), gradient);
}

void DrawWindowFrame(QPainter& painter, const QRect& rect) {
    painter.setPen(QPen(Colour(0xFF2C3036), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(Inner(rect));
}

void DrawText(QPainter& painter, const QRect& rect, const QString& text, QRgb colour,
              const QFont& font, Align align) {
    painter.setFont(font);
    painter.setPen(Colour(colour));
    const Qt::Alignment horizontal = align == Align::Left     ? Qt::AlignLeft
                                     : align == Align::Centre ? Qt::AlignHCenter
                                                              : Qt::AlignRight;
    painter.drawText(rect, int(horizontal | Qt::AlignVCenter) | Qt::TextSingleLine, text);
}

void DrawParagraph(QPainter& painter, const QRect& rect, const QString& text, QRgb colour,
                   const QFont& font, Align align, int lineSpacing) {
    painter.setFont(font);
    painter.setPen(Colour(colour));
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    option.setAlignment(align == Align::Left     ? Qt::AlignLeft
                        : align == Align::Centre ? Qt::AlignHCenter
                                                 : Qt::AlignRight);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(rect.width());
        line.setPosition(QPointF(0, y));
        y += line.height() + lineSpacing;
    }
    layout.endLayout();
    layout.draw(&painter, rect.topLeft());
}

void DrawSectionTitle(QPainter& painter, int x, int y, const QString& title) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Colour(kAccent));
    painter.drawRoundedRect(QRectF(x, y + 1, 3, 11), 1.5, 1.5);
    DrawText(painter, QRect(x + 9, y - 1, 400, 15), title.toUpper(), 0xFFE6E6E6,
             ThemeFont(11, Weight::SemiBold, 1.0));
}

void DrawPushButton(QPainter& painter, const QRect& rect, SkinState state, const QString& text,
                    bool primary) {
    const QRectF r = Inner(rect);
    const qreal radius = std::min<qreal>(5, r.height() / 2);
    QRgb textColour = TextOf(state);
    switch (state) {
        case SkinState::Normal:
            if (primary) {
                FillRounded(painter, r, radius, Vertical(r, 0xFFBCDB3F, 0xFFA1BF2B),
                            Colour(0xFF8CA823));
                TopHighlight(painter, r, radius, 70);
                textColour = kAccentInk;
            } else {
                FillRounded(painter, r, radius, Vertical(r, 0xFF282C32, 0xFF1F2226),
                            Colour(kLineStrong));
                TopHighlight(painter, r, radius, 14);
                textColour = 0xFFD2D2D2;
            }
            break;
        case SkinState::Over:
            if (primary) {
                FillRounded(painter, r, radius, Vertical(r, 0xFFCDEA55, 0xFFB0CF35),
                            Colour(0xFFD9F27A));
                TopHighlight(painter, r, radius, 90);
                textColour = kAccentInk;
            } else {
                FillRounded(painter, r, radius, Vertical(r, 0xFF30353C, 0xFF25292E),
                            Colour(kAccent));
                FillRounded(painter, r.adjusted(1, 1, -1, -1), radius - 1, Qt::NoBrush,
                            WithAlpha(kAccent, 45));
                TopHighlight(painter, r, radius, 18);
            }
            break;
        case SkinState::Down:
            if (primary) {
                FillRounded(painter, r, radius, Vertical(r, 0xFF8FAA22, 0xFF9DBA2A),
                            Colour(0xFF7A9219));
                textColour = kAccentInk;
            } else {
                FillRounded(painter, r, radius, Vertical(r, 0xFF14170D, 0xFF1A1F10),
                            Colour(kAccent));
                painter.setPen(QPen(WithAlpha(0xFF000000, 110), 1));
                painter.drawLine(QPointF(r.left() + radius, r.top() + 1),
                                 QPointF(r.right() - radius, r.top() + 1));
            }
            break;
        case SkinState::Disable:
            FillRounded(painter, r, radius, Colour(kDisabledSurface), Colour(kDisabledLine));
            break;
    }
    if (!text.isEmpty()) {
        const int size = rect.height() >= 24 ? 12 : 11;
        DrawText(painter, rect.translated(0, state == SkinState::Down ? 1 : 0), text, textColour,
                 ThemeFont(size, Weight::Medium), Align::Centre);
    }
}

void DrawCheckBox(QPainter& painter, const QRect& rect, SkinState state, const QString& text) {
    const int side = std::min({14, rect.width() - 1, rect.height() - 1});
    const QRectF box(rect.x() + 1.5, rect.y() + (rect.height() - side) / 2 + 0.5, side - 1,
                     side - 1);
    switch (state) {
        case SkinState::Normal:
            FillRounded(painter, box, 3, Colour(0xFF0E1012), Colour(0xFF4A5058));
            break;
        case SkinState::Over:
            FillRounded(painter, box, 3, Colour(0xFF171B0E), Colour(kAccent));
            break;
        case SkinState::Down: {
            FillRounded(painter, box, 3, Vertical(box, 0xFFC2E043, 0xFFA5C22C), Colour(kAccent));
            QPainterPath tick;
            tick.moveTo(box.left() + box.width() * 0.24, box.top() + box.height() * 0.52);
            tick.lineTo(box.left() + box.width() * 0.43, box.top() + box.height() * 0.72);
            tick.lineTo(box.left() + box.width() * 0.78, box.top() + box.height() * 0.30);
            painter.setPen(
                QPen(Colour(kAccentInk), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(tick);
            break;
        }
        case SkinState::Disable:
            FillRounded(painter, box, 3, Colour(0xFF121316), Colour(kDisabledLine));
            break;
    }
    if (!text.isEmpty()) {
        const QRgb textColour = state == SkinState::Normal    ? kText
                                : state == SkinState::Disable ? kDisabledText
                                                              : kWhite;
        // The label shrinks until it fits beside the box.
        const int gap = 7;
        const int room = rect.width() - side - gap - 1;
        QFont font = ThemeFont(12);
        for (int size = 12; size > 9 && QFontMetrics(font).horizontalAdvance(text) > room;) {
            font = ThemeFont(--size);
        }
        DrawText(painter, QRect(rect.x() + side + gap, rect.y(), room + 1, rect.height()), text,
                 textColour, font);
    }
}

void DrawOption(QPainter& painter, const QRect& rect, SkinState state, const QString& text) {
    const qreal d = 13;
    const QRectF ring(rect.x() + 1.5, rect.y() + (rect.height() - d) / 2, d - 1, d - 1);
    QColor ringColour = Colour(0xFF4A5058);
    QBrush fill = Colour(0xFF0E1012);
    if (state == SkinState::Over) {
        ringColour = Colour(kAccent);
        fill = Colour(0xFF171B0E);
    } else if (state == SkinState::Down) {
        ringColour = Colour(kAccent);
    } else if (state == SkinState::Disable) {
        ringColour = Colour(kDisabledLine);
        fill = Colour(0xFF121316);
    }
    painter.setPen(QPen(ringColour, 1.2));
    painter.setBrush(fill);
    painter.drawEllipse(ring);
    if (state == SkinState::Down) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Colour(kAccent));
        painter.drawEllipse(ring.center(), 3.2, 3.2);
    }
    DrawText(painter, QRect(rect.x() + 22, rect.y(), rect.width() - 22, rect.height()), text,
             state == SkinState::Normal ? kText : TextOf(state),
             ThemeFont(12, state == SkinState::Down ? Weight::SemiBold : Weight::Medium));
}

void DrawDropDown(QPainter& painter, const QRect& rect, SkinState state) {
    const QRectF r = Inner(rect);
    QColor chevron = Colour(kTextMuted);
    switch (state) {
        case SkinState::Normal:
            FillRounded(painter, r, 4, Vertical(r, 0xFF1D2024, 0xFF17191C), Colour(kLineStrong));
            TopHighlight(painter, r, 4, 10);
            break;
        case SkinState::Over:
            FillRounded(painter, r, 4, Vertical(r, 0xFF23272C, 0xFF1C1F23), Colour(kAccent));
            chevron = Colour(kAccent);
            break;
        case SkinState::Down:
            FillRounded(painter, r, 4, Vertical(r, 0xFF111310, 0xFF161913), Colour(kAccent));
            chevron = Colour(kAccent);
            break;
        case SkinState::Disable:
            FillRounded(painter, r, 4, Colour(kDisabledSurface), Colour(kDisabledLine));
            chevron = Colour(kDisabledText);
            break;
    }
    const qreal chevronSize = std::min<qreal>(8, r.height() * 0.34);
    const qreal chevronX = r.right() - std::max<qreal>(8, chevronSize + 4);
    if (rect.width() > 40) {
        painter.setPen(QPen(
            state == SkinState::Disable ? Colour(kDisabledLine) : WithAlpha(kLineStrong, 170), 1));
        const qreal x = std::floor(chevronX - chevronSize - 3) + 0.5;
        painter.drawLine(QPointF(x, r.top() + 5), QPointF(x, r.bottom() - 5));
    }
    DrawChevronDown(painter, QPointF(chevronX, r.center().y() + 0.5), chevronSize, chevron);
}

void DrawField(QPainter& painter, const QRect& rect, SkinState state) {
    const QRectF r = Inner(rect);
    QColor border = Colour(0xFF30343A);
    if (state == SkinState::Over) {
        border = Colour(0xFF4C525A);
    } else if (state == SkinState::Down) {
        border = Colour(kAccent);
    } else if (state == SkinState::Disable) {
        border = Colour(kDisabledLine);
    }
    FillRounded(painter, r, 3, Colour(0xFF08090B), border);
}

void DrawCloseBox(QPainter& painter, const QRect& rect, SkinState state) {
    const QRectF r = QRectF(rect).adjusted(2.5, 3.5, -2.5, -2.5);
    QColor cross = Colour(kTextMuted);
    if (state == SkinState::Over) {
        FillRounded(painter, r, 4, Colour(0xFF2A2E34), Qt::transparent);
        cross = Colour(kWhite);
    } else if (state == SkinState::Down) {
        FillRounded(painter, r, 4, Colour(0xFF171A0F), Colour(kAccent));
        cross = Colour(kAccent);
    } else if (state == SkinState::Disable) {
        cross = Colour(kDisabledText);
    }
    const QPointF c = r.center();
    const qreal h = std::min(r.width(), r.height()) * 0.22;
    painter.setPen(QPen(cross, 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(c + QPointF(-h, -h), c + QPointF(h, h));
    painter.drawLine(c + QPointF(-h, h), c + QPointF(h, -h));
}

void DrawSliderTrack(QPainter& painter, const QRect& rect, int thumbWidth, int thumbHeight,
                     int steps) {
    const qreal centreY = rect.y() + thumbHeight / 2.0;
    const qreal left = rect.x() + thumbWidth / 2.0;
    const qreal right = rect.right() + 1 - thumbWidth / 2.0;
    const QRectF groove(left - 2, centreY - 2, right - left + 4, 4);
    painter.setPen(QPen(Colour(0xFF2B2F35), 1));
    painter.setBrush(Colour(0xFF060708));
    painter.drawRoundedRect(groove.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    const int usable = rect.width() - thumbWidth;
    if (steps < 2 || usable / (steps - 1) < 6 || rect.height() < thumbHeight) {
        return;
    }
    painter.setPen(QPen(Colour(0xFF3A3F46), 1));
    for (int i = 0; i < steps; ++i) {
        const qreal x = rect.x() + usable * i / (steps - 1) + thumbWidth / 2 + 0.5;
        painter.drawLine(QPointF(x, centreY + 4), QPointF(x, centreY + 6));
    }
}

void DrawBadge(QPainter& painter, const QRect& rect, SkinState state, const QString& text) {
    const QRectF r = Inner(rect);
    QRgb textColour = kText;
    switch (state) {
        case SkinState::Normal:
            FillRounded(painter, r, 5, Vertical(r, 0xFF23272C, 0xFF1B1E22), Colour(0xFF41464E));
            break;
        case SkinState::Over:
            FillRounded(painter, r, 5, Vertical(r, 0xFF2A3019, 0xFF20251A), Colour(kAccent));
            textColour = kWhite;
            break;
        case SkinState::Down:
            FillRounded(painter, r, 5, Vertical(r, 0xFFC2E043, 0xFFA5C22C), Colour(kAccent));
            textColour = kAccentInk;
            break;
        case SkinState::Disable:
            FillRounded(painter, r, 5, Colour(kDisabledSurface), Colour(kDisabledLine));
            textColour = kDisabledText;
            break;
    }
    DrawText(painter, rect, text, textColour, ThemeFont(12, Weight::Bold), Align::Centre);
}

void DrawChevronDown(QPainter& painter, QPointF centre, qreal size, const QColor& colour) {
    QPainterPath path;
    path.moveTo(centre + QPointF(-size / 2, -size / 4));
    path.lineTo(centre + QPointF(0, size / 4));
    path.lineTo(centre + QPointF(size / 2, -size / 4));
    painter.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

}  // namespace tavro::skingen
