#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSize>

#include <array>
#include <utility>

#include "skin/skin_files.h"

namespace tavro {

// A control's looks in the order normal, hover ("Over"), pressed ("Down"), disabled.
// Any of them may be null; a null look draws nothing rather than falling back.
class FourStateImages {
public:
    FourStateImages() = default;
    FourStateImages(QImage normal, QImage over, QImage down, QImage disable = QImage())
        : images_{std::move(normal), std::move(over), std::move(down), std::move(disable)} {}

    const QImage& operator[](SkinState state) const { return images_[static_cast<int>(state)]; }
    bool has(SkinState state) const { return !(*this)[state].isNull(); }

private:
    std::array<QImage, kSkinStateCount> images_;
};

// The size an image covers on screen: pixels over its device pixel ratio. Skin pictures
// of the 2× set have twice the pixels of the 1× set and the same logical size.
inline QSize LogicalSize(const QImage& image) {
    return image.deviceIndependentSize().toSize();
}

// Stretches `image` smoothly over `target`; a null image draws nothing.
inline void DrawStretched(QPainter& painter, const QImage& image, const QRect& target) {
    if (image.isNull()) {
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
}

}  // namespace tavro
