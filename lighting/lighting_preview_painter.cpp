#include "lighting/lighting_preview_painter.h"

#include <algorithm>
#include <cmath>

#include "lighting/lighting_layout.h"

namespace tavro {

namespace {

constexpr LayoutRect kPreviewArea = lighting_layout::kPreview.rect;
// How far the light spreads past the see-through pixels, in pixels of the preview.
constexpr double kGlowRadius = 1.6;
constexpr int kOpaque = 255;

// A pixel at least half see-through lets all the light under it show.
double Clearness(QRgb pixel) {
    return std::min(1.0, 2.0 * (kOpaque - qAlpha(pixel)) / kOpaque);
}

QRect ScaledRect(const LayoutRect& rect, double scaleX, double scaleY) {
    const QPoint topLeft(qRound(rect.left() * scaleX), qRound(rect.top() * scaleY));
    const QPoint end(qRound(rect.right() * scaleX), qRound(rect.bottom() * scaleY));
    return QRect(topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y()));
}

// Each pixel takes the strongest light of its neighbourhood, weakened with distance,
// so the see-through pixels keep all of it and the glow fades within the rectangle.
std::vector<uint8_t> LightThrough(const QImage& picture, const QRect& rect, double scale) {
    const int width = rect.width();
    const int height = rect.height();
    std::vector<double> clear(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            clear[static_cast<size_t>(y) * width + x] =
                Clearness(picture.pixel(rect.x() + x, rect.y() + y));
        }
    }
    const double radius = kGlowRadius * scale;
    const int reach = static_cast<int>(std::ceil(2.5 * radius));
    std::vector<uint8_t> light(clear.size());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double strongest = 0;
            for (int ny = std::max(0, y - reach); ny <= std::min(height - 1, y + reach); ++ny) {
                for (int nx = std::max(0, x - reach); nx <= std::min(width - 1, x + reach); ++nx) {
                    const double c = clear[static_cast<size_t>(ny) * width + nx];
                    if (c <= strongest) {
                        continue;
                    }
                    const double distance2 = (nx - x) * (nx - x) + (ny - y) * (ny - y);
                    strongest = std::max(strongest, c * std::exp(-distance2 / (radius * radius)));
                }
            }
            light[static_cast<size_t>(y) * width + x] =
                static_cast<uint8_t>(std::lround(strongest * kOpaque));
        }
    }
    return light;
}

// The zone's colour where its light reaches, premultiplied for drawing.
QImage ZoneLayer(QRgb colour, const QSize& size, const std::vector<uint8_t>& light) {
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    const int alpha = qAlpha(colour);
    for (int y = 0; y < size.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int reached = light[static_cast<size_t>(y) * size.width() + x];
            row[x] = qPremultiply(
                qRgba(qRed(colour), qGreen(colour), qBlue(colour), alpha * reached / kOpaque));
        }
    }
    return layer;
}

}  // namespace

const LayoutRect& PreviewZoneRect(PreviewZone zone) {
    return zone == PreviewZone::ScrollWheel ? lighting_layout::kPreviewZone1
                                            : lighting_layout::kPreviewZone4;
}

LightingPreviewPicture::LightingPreviewPicture(const QImage& picture)
    : picture_(picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_ARGB32)) {
    const double scaleX = picture_.isNull() ? 1.0 : double(picture_.width()) / kPreviewArea.width;
    const double scaleY = picture_.isNull() ? 1.0 : double(picture_.height()) / kPreviewArea.height;
    for (int i = 0; i < kPreviewZoneCount; ++i) {
        ZoneLight& zone = zones_[i];
        zone.rect = ScaledRect(PreviewZoneRect(static_cast<PreviewZone>(i)), scaleX, scaleY);
        if (picture_.isNull()) {
            zone.light.assign(static_cast<size_t>(zone.rect.width()) * zone.rect.height(), kOpaque);
        } else {
            zone.rect &= picture_.rect();
            zone.light = LightThrough(picture_, zone.rect, std::min(scaleX, scaleY));
        }
    }
}

void PaintLightingPreview(QPainter& painter, const QRect& target, const LightingPreviewLook& look,
                          const LightingPreviewPicture& picture) {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(target, Qt::black);
    const QImage& mouse = picture.picture();
    const QSizeF source =
        mouse.isNull() ? QSizeF(kPreviewArea.width, kPreviewArea.height) : QSizeF(mouse.size());
    const double scaleX = target.width() / source.width();
    const double scaleY = target.height() / source.height();
    for (int i = 0; i < kPreviewZoneCount; ++i) {
        const auto zone = static_cast<PreviewZone>(i);
        const QRect rect = picture.zoneRect(zone);
        if (!look[zone].lit || rect.isEmpty()) {
            continue;
        }
        painter.drawImage(QRectF(target.x() + rect.x() * scaleX, target.y() + rect.y() * scaleY,
                                 rect.width() * scaleX, rect.height() * scaleY),
                          ZoneLayer(look[zone].colour, rect.size(), picture.zoneLight(zone)));
    }
    if (!mouse.isNull()) {
        painter.drawImage(QRectF(target), mouse);
    }
    painter.restore();
}

}  // namespace tavro
