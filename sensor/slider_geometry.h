#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "skin/layout_rect.h"

// The sliders' arithmetic, shared by painting, hit-testing and the tests. Positions are
// in pixels of the control, whose client area runs from 0 to its width. The mappings are
// worked in single precision on purpose: which step a pointer on a boundary picks
// depends on it, and that must not change between releases.
namespace tavro::slider_geometry {

// Clamps low first, then high, so an inverted range yields its maximum rather than
// undefined behaviour.
inline int ClampToRange(std::int64_t value, int minimum, int maximum) {
    if (value < minimum) {
        value = minimum;
    }
    if (value > maximum) {
        value = maximum;
    }
    return static_cast<int>(value);
}

// Cuts the fraction off (towards zero) and adds one when the cut part was at least a
// half, then clamps; done in double so that values beyond the int range clamp rather
// than overflow.
inline int RoundIntoRange(float v, int minimum, int maximum) {
    const double exact = v;
    const double cut = std::trunc(exact);
    double rounded = exact - cut >= 0.5 ? cut + 1 : cut;
    if (rounded < minimum) {
        rounded = minimum;
    }
    if (rounded > maximum) {
        rounded = maximum;
    }
    return static_cast<int>(rounded);
}

// Snaps to a multiple of `step` by integer division; a remainder of exactly half the
// step rounds down (step 50: 425 → 400, 426 → 450). A step of 0 or less leaves the
// value as it is.
inline int SnapToStep(int value, int step) {
    if (step <= 0) {
        return value;
    }
    const std::int64_t quotient = value / step;
    const std::int64_t remainder = value % step;
    const std::int64_t snapped = step / 2 < remainder ? (quotient + 1) * step : quotient * step;
    return ClampToRange(snapped, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

// The value a pointer at `x` picks for a thumb `thumbWidth` wide. A track no wider than
// the thumb has no travel: every position then picks the minimum.
inline int ValueAt(int x, int width, int thumbWidth, int minimum, int maximum, int step) {
    const int travel = width - thumbWidth;
    float v = static_cast<float>(minimum);
    if (travel != 0) {
        const auto span = static_cast<float>(std::int64_t{maximum} - minimum);
        v = static_cast<float>(x - thumbWidth / 2) * span / static_cast<float>(travel) +
            static_cast<float>(minimum);
    }
    return SnapToStep(RoundIntoRange(v, minimum, maximum), step);
}

// The thumb's centre for `value`. An empty range puts it at the start; a value far
// outside the range (the one-thumb slider stores any value) is kept a bounded distance
// off the track so the sum cannot overflow.
inline int ThumbCentreX(int value, int width, int thumbWidth, int minimum, int maximum) {
    float ratio = 0.0F;
    if (maximum != minimum) {
        ratio = static_cast<float>(std::int64_t{value} - minimum) /
                static_cast<float>(std::int64_t{maximum} - minimum);
    }
    constexpr double kFarOff = 1 << 24;
    const double offset = static_cast<float>(width - thumbWidth) * ratio;
    const double bounded = std::fmin(std::fmax(offset, -kFarOff), kFarOff);
    return static_cast<int>(bounded) + thumbWidth / 2;
}

// Where a thumb of the three-thumb slider sits: centred on `centreX`, its top lowered by
// half of what it is shorter than `referenceHeight` (thumb 3's height), and pushed back
// inside the control where it would cross an edge.
inline LayoutRect PlaceThumb(int centreX, int thumbWidth, int thumbHeight, int referenceHeight,
                             int width) {
    int left = centreX - thumbWidth / 2;
    if (left < 0) {
        left = 0;
    }
    if (left + thumbWidth > width) {
        left = width - thumbWidth;
    }
    return {left, (referenceHeight - thumbHeight) / 2, thumbWidth, thumbHeight};
}

// The fill of the quality bar: `length` × the share of the range, cut to whole pixels
// and kept within 0 … length. An empty range fills nothing.
inline int FillLength(int position, int minimum, int maximum, int length) {
    if (maximum == minimum) {
        return 0;
    }
    const float ratio = static_cast<float>(std::int64_t{position} - minimum) /
                        static_cast<float>(std::int64_t{maximum} - minimum);
    const double fill = static_cast<float>(length) * ratio;
    return static_cast<int>(std::fmin(std::fmax(fill, 0.0), length));
}

}  // namespace tavro::slider_geometry
