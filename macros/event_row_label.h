#pragma once

#include <cstdint>
#include <string>

namespace tavro {

// What the event editor shows in an event's row: a mark, a text and the delay.
struct EventRowLabel {
    enum class Mark {
        None,
        Line,       // a mouse button or wheel event, with its description
        DownArrow,  // a key press, with the key's name
        UpArrow,    // a key release
    };

    Mark mark = Mark::None;
    std::string text;   // empty for a code with neither description nor key name
    std::string delay;  // "%d ms"

    bool operator==(const EventRowLabel&) const = default;
};

// The description of a mouse or wheel code, else the key's name with an arrow for its
// direction (none for a direction that is neither press nor release).
EventRowLabel LabelOfEvent(int16_t key, uint8_t direction, int32_t delay);

}  // namespace tavro
