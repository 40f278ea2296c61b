#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRgb>

#include <array>
#include <vector>

#include "skin/layout_rect.h"

namespace tavro {

// The preview's two zones, in the order of the page's live zone controls.
enum class PreviewZone { ScrollWheel = 0, LogoType = 1 };
inline constexpr int kPreviewZoneCount = 2;

// Where a zone lights up, in pixels of the preview.
const LayoutRect& PreviewZoneRect(PreviewZone zone);

// What the preview shows at one moment: each zone's working colour (ARGB, its alpha the
// effect's brightness) and whether it is lit.
struct LightingPreviewLook {
    struct Zone {
        QRgb colour = 0;
        bool lit = false;
    };
    std::array<Zone, kPreviewZoneCount> zones{};

    Zone& operator[](PreviewZone zone) { return zones[static_cast<int>(zone)]; }
    const Zone& operator[](PreviewZone zone) const { return zones[static_cast<int>(zone)]; }
};

// Mouse.png with, for each zone, how much light reaches each of its pixels from below:
// full where the picture lets it through, fading over a few pixels from there, none
// elsewhere. Worked out once per picture, so that any picture with see-through zone
// shapes lights up in those shapes and softly around them, never as a box.
class LightingPreviewPicture {
public:
    // Without a picture the zones light their whole rectangles.
    LightingPreviewPicture() : LightingPreviewPicture(QImage()) {}
    explicit LightingPreviewPicture(const QImage& picture);

    const QImage& picture() const { return picture_; }
    // The zone's rectangle in pixels of the picture (of the preview without one).
    QRect zoneRect(PreviewZone zone) const { return zones_[static_cast<int>(zone)].rect; }
    // 0 … 255 for each pixel of zoneRect(), row by row.
    const std::vector<uint8_t>& zoneLight(PreviewZone zone) const {
        return zones_[static_cast<int>(zone)].light;
    }

private:
    struct ZoneLight {
        QRect rect;
        std::vector<uint8_t> light;
    };

    QImage picture_;
    std::array<ZoneLight, kPreviewZoneCount> zones_;
};

// Draws the preview over `target`: opaque black, each lit zone's colour (alpha
// included) where its light reaches, then the picture stretched over everything.
void PaintLightingPreview(QPainter& painter, const QRect& target, const LightingPreviewLook& look,
                          const LightingPreviewPicture& picture);

}  // namespace tavro
