#pragma once

#include <array>
#include <cstdint>

#include "profile/lighting_colour.h"

namespace tavro {

// The effects as the preview animates them; the record's lightingParam counts them from 1.
enum class PreviewEffect { Solid = 0, Blinking = 1, Pulsating = 2, Breathing = 3 };

// How often each effect's light changes; Solid does not animate.
constexpr int EffectIntervalMs(PreviewEffect effect) {
    return effect == PreviewEffect::Solid ? 0 : effect == PreviewEffect::Blinking ? 1000 : 100;
}
inline constexpr int kColourCycleIntervalMs = 100;

// What every lighting preview animates from. The program keeps one set, so that a new
// effect goes on from where the last one left the counter and the colour cycle resumes
// where it stopped.
class LightingAnimation {
public:
    static constexpr int64_t kInitialCounter = 200;

    // The effect's next alpha for both zones. Blinking is lit on odd counts; pulsating
    // goes dark twice in every fifteen steps; breathing walks the counter between 0 and
    // 255 in steps of 10. Solid stays opaque and leaves the counter alone.
    uint8_t NextEffectAlpha(PreviewEffect effect);

    // The colour cycle's next colour: red, green and blue each bounce between 0 and 255,
    // in steps of 15, 10 and 5.
    LightingColour NextCycleColour();

    int64_t counter() const { return counter_; }
    bool breathingUpward() const { return breathingUpward_; }
    LightingColour cycleColour() const;

private:
    struct Channel {
        int value;
        int step;
        bool upward;
    };

    int64_t counter_ = kInitialCounter;
    bool breathingUpward_ = true;
    std::array<Channel, 3> cycle_{{{255, 15, false}, {125, 10, true}, {0, 5, true}}};
};

// The program's one set.
LightingAnimation& SharedLightingAnimation();

}  // namespace tavro
