#pragma once

#include <string_view>

namespace tavro {

// A place in pixels of a page, window or picture; right and bottom are exclusive, as in
// the skin's cut rectangles.
struct LayoutRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    constexpr int left() const { return x; }
    constexpr int top() const { return y; }
    constexpr int right() const { return x + width; }
    constexpr int bottom() const { return y + height; }
    constexpr int centerX() const { return x + width / 2; }
    constexpr int centerY() const { return y + height / 2; }
    constexpr bool empty() const { return width <= 0 || height <= 0; }
    constexpr bool contains(int px, int py) const {
        return px >= left() && px < right() && py >= top() && py < bottom();
    }
    constexpr bool contains(const LayoutRect& other) const {
        return other.left() >= left() && other.right() <= right() && other.top() >= top() &&
               other.bottom() <= bottom();
    }
    constexpr bool operator==(const LayoutRect&) const = default;
};

inline constexpr int kNoElement = -1;

// One control of a dialog template: identifier, template caption, the skin element its
// looks are cut from, and its rectangle. An empty rectangle means the control has no
// place in that layout.
struct PlacedControl {
    int id = 0;
    std::string_view caption;
    int element = kNoElement;
    LayoutRect rect;
};

}  // namespace tavro
