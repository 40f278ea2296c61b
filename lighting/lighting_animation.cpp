#include "lighting/lighting_animation.h"

#include <algorithm>

namespace tavro {

namespace {

constexpr int kBreathingStep = 10;
constexpr int kPulsePeriod = 15;
constexpr int kChannelMaximum = 255;

}  // namespace

uint8_t LightingAnimation::NextEffectAlpha(PreviewEffect effect) {
    switch (effect) {
        case PreviewEffect::Solid:
            return kChannelMaximum;
        case PreviewEffect::Blinking: {
            const bool lit = counter_ % 2 != 0;
            ++counter_;
            return lit ? kChannelMaximum : 0;
        }
        case PreviewEffect::Pulsating: {
            ++counter_;
            const int64_t phase = counter_ % kPulsePeriod;
            return phase == 0 || phase == 3 ? 0 : kChannelMaximum;
        }
        case PreviewEffect::Breathing:
            counter_ += breathingUpward_ ? kBreathingStep : -kBreathingStep;
            if (counter_ >= kChannelMaximum) {
                counter_ = kChannelMaximum;
                breathingUpward_ = false;
            } else if (counter_ <= 0) {
                counter_ = 0;
                breathingUpward_ = true;
            }
            return static_cast<uint8_t>(counter_);
    }
    return kChannelMaximum;
}

LightingColour LightingAnimation::NextCycleColour() {
    for (Channel& channel : cycle_) {
        if (channel.value >= kChannelMaximum) {
            channel.upward = false;
        } else if (channel.value <= 0) {
            channel.upward = true;
        }
        channel.value += channel.upward ? channel.step : -channel.step;
        channel.value = std::clamp(channel.value, 0, kChannelMaximum);
    }
    return cycleColour();
}

LightingColour LightingAnimation::cycleColour() const {
    return {static_cast<uint8_t>(cycle_[0].value), static_cast<uint8_t>(cycle_[1].value),
            static_cast<uint8_t>(cycle_[2].value)};
}

LightingAnimation& SharedLightingAnimation() {
    static LightingAnimation animation;
    return animation;
}

}  // namespace tavro
