// The animation state every preview shares: effect counter, breathing and colour cycle.
#include <gtest/gtest.h>

#include <vector>

#include "lighting/lighting_animation.h"

namespace tavro {
namespace {

std::vector<int> Alphas(LightingAnimation& animation, PreviewEffect effect, int steps) {
    std::vector<int> alphas;
    for (int i = 0; i < steps; ++i) {
        alphas.push_back(animation.NextEffectAlpha(effect));
    }
    return alphas;
}

TEST(LightingAnimation, EachEffectFromTheStartingCounter) {
    struct Case {
        const char* name;
        PreviewEffect effect;
        int steps;
        std::vector<int> alphas;
        int64_t counterAfter;
    };
    const Case cases[] = {
        // 200 is even: dark first.
        {"blinking", PreviewEffect::Blinking, 4, {0, 255, 0, 255}, 204},
        // Dark at 210 and 213, the counter modulo 15 being 0 and 3.
        {"pulsating",
         PreviewEffect::Pulsating,
         14,
         {255, 255, 255, 255, 255, 255, 255, 255, 255, 0, 255, 255, 0, 255},
         214},
        // Up to 255, where it turns.
        {"breathing", PreviewEffect::Breathing, 8, {210, 220, 230, 240, 250, 255, 245, 235}, 235},
        {"solid", PreviewEffect::Solid, 2, {255, 255}, 200},
    };
    for (const Case& c : cases) {
        LightingAnimation animation;
        EXPECT_EQ(Alphas(animation, c.effect, c.steps), c.alphas) << c.name;
        EXPECT_EQ(animation.counter(), c.counterAfter) << c.name;
    }
}

TEST(LightingAnimation, BreathingTurnsAtBothEndsAndTakesOverAnyCounter) {
    LightingAnimation animation;
    Alphas(animation, PreviewEffect::Blinking, 1000);  // the counter is far past 255 now
    EXPECT_EQ(animation.NextEffectAlpha(PreviewEffect::Breathing), 255);
    EXPECT_FALSE(animation.breathingUpward());
    const std::vector<int> down = Alphas(animation, PreviewEffect::Breathing, 26);
    EXPECT_EQ(down[24], 5);
    EXPECT_EQ(down[25], 0);
    EXPECT_TRUE(animation.breathingUpward());
    EXPECT_EQ(animation.NextEffectAlpha(PreviewEffect::Breathing), 10);
}

TEST(LightingAnimation, TheColourCycleBouncesEachChannelInItsOwnSteps) {
    LightingAnimation animation;
    EXPECT_EQ(animation.cycleColour(), (LightingColour{255, 125, 0}));
    EXPECT_EQ(animation.NextCycleColour(), (LightingColour{240, 135, 5}));
    for (int i = 0; i < 12; ++i) {
        animation.NextCycleColour();
    }
    // Green reached 255 on the 13th step; red is at 60, blue at 65.
    EXPECT_EQ(animation.cycleColour(), (LightingColour{60, 255, 65}));
    EXPECT_EQ(animation.NextCycleColour(), (LightingColour{45, 245, 70}));
    for (int i = 0; i < 3; ++i) {
        animation.NextCycleColour();
    }
    // Red clamps at 0 and turns on the next step.
    EXPECT_EQ(animation.cycleColour().red, 0);
    EXPECT_EQ(animation.NextCycleColour().red, 15);
}

TEST(LightingAnimation, TheProgramHasOneSet) {
    EXPECT_EQ(&SharedLightingAnimation(), &SharedLightingAnimation());
}

}  // namespace
}  // namespace tavro
