#include "sensor/slider_geometry.h"

#include <gtest/gtest.h>

#include <limits>

namespace tavro::slider_geometry {
namespace {

constexpr int kIntMax = std::numeric_limits<int>::max();

// The DPI sliders: 50 … 7000 in steps of 50, with the skin's 13-pixel thumb.
constexpr int kDpiMinimum = 50;
constexpr int kDpiMaximum = 7000;
constexpr int kDpiStep = 50;
constexpr int kDpiThumb = 13;

TEST(SliderGeometry, PointerPicksRoundedThenSnappedValues) {
    struct Row {
        const char* catches;
        int x;
        int width;
        int step;
        int value;
    };
    const Row rows[] = {
        {"far left not clamped to the minimum", 0, 595, kDpiStep, 50},
        {"far right not clamped to the maximum", 594, 595, kDpiStep, 7000},
        {"424.6 cut instead of rounded up", 44, 718, 1, 425},
        {"a half step rounded up by the snap", 44, 718, kDpiStep, 400},
        {"425.7 cut before snapping", 42, 679, kDpiStep, 450},
        {"no travel divides by zero", 5, kDpiThumb, kDpiStep, 50},
        {"step 0 divides by zero", 44, 718, 0, 425},
        {"a negative step snaps to nonsense", 44, 718, -50, 425},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ValueAt(row.x, row.width, kDpiThumb, kDpiMinimum, kDpiMaximum, row.step),
                  row.value)
            << row.catches;
    }
    EXPECT_EQ(ValueAt(300, 595, kDpiThumb, 7, 7, 1), 7) << "empty range";
}

TEST(SliderGeometry, RoundingCutsThenAddsAHalf) {
    EXPECT_EQ(RoundIntoRange(424.6F, 0, 1000), 425);
    EXPECT_EQ(RoundIntoRange(425.49F, 0, 1000), 425);
    EXPECT_EQ(RoundIntoRange(425.5F, 0, 1000), 426);
    // Cutting goes towards zero, so negative values never round down.
    EXPECT_EQ(RoundIntoRange(-2.7F, -10, 10), -2);
    EXPECT_EQ(RoundIntoRange(3e12F, 0, kIntMax), kIntMax);
}

TEST(SliderGeometry, ExactHalfStepSnapsDown) {
    EXPECT_EQ(SnapToStep(425, 50), 400);
    EXPECT_EQ(SnapToStep(426, 50), 450);
    EXPECT_EQ(SnapToStep(7000, 50), 7000);
    EXPECT_EQ(SnapToStep(kIntMax, 50), kIntMax) << "next step overflows";
}

TEST(SliderGeometry, ThumbCentreFollowsTheValue) {
    EXPECT_EQ(ThumbCentreX(50, 595, kDpiThumb, kDpiMinimum, kDpiMaximum), 6);
    EXPECT_EQ(ThumbCentreX(400, 595, kDpiThumb, kDpiMinimum, kDpiMaximum), 35);
    EXPECT_EQ(ThumbCentreX(7000, 595, kDpiThumb, kDpiMinimum, kDpiMaximum), 588);
    EXPECT_EQ(ThumbCentreX(400, 595, kDpiThumb, 7, 7), 6) << "empty range";
    EXPECT_GT(ThumbCentreX(kIntMax, 595, kDpiThumb, 0, 1), 595) << "far beyond the range";
}

TEST(SliderGeometry, ThumbsStayInsideTheControl) {
    EXPECT_EQ(PlaceThumb(100, 13, 15, 15, 595), (LayoutRect{94, 0, 13, 15}));
    EXPECT_EQ(PlaceThumb(100, 13, 11, 15, 595), (LayoutRect{94, 2, 13, 11}));
    EXPECT_EQ(PlaceThumb(3, 13, 15, 15, 595), (LayoutRect{0, 0, 13, 15}));
    EXPECT_EQ(PlaceThumb(592, 13, 15, 15, 595), (LayoutRect{582, 0, 13, 15}));
}

TEST(SliderGeometry, FillIsTheCutShareOfTheLength) {
    EXPECT_EQ(FillLength(5, 0, 10, 107), 53);
    EXPECT_EQ(FillLength(3, 0, 10, 101), 30);
    EXPECT_EQ(FillLength(5, 4, 4, 107), 0) << "empty range";
    EXPECT_EQ(FillLength(12, 0, 10, 107), 107);
    EXPECT_EQ(FillLength(-1, 0, 10, 107), 0);
}

}  // namespace
}  // namespace tavro::slider_geometry
