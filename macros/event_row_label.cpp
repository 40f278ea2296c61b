#include "macros/event_row_label.h"

#include "buttons/key_names.h"
#include "macros/event_description.h"
#include "macros/macro_model.h"

namespace tavro {

EventRowLabel LabelOfEvent(int16_t key, uint8_t direction, int32_t delay) {
    EventRowLabel label;
    label.delay = std::to_string(delay) + " ms";
    const std::string_view description = EventDescription(key, direction);
    if (!description.empty()) {
        label.mark = EventRowLabel::Mark::Line;
        label.text = description;
        return label;
    }
    // Negative codes come only from damaged files; they have no name.
    label.text = key >= 0 ? KeyName(static_cast<unsigned>(key)) : std::string();
    if (!label.text.empty()) {
        label.mark = direction == kDirectionPress     ? EventRowLabel::Mark::DownArrow
                     : direction == kDirectionRelease ? EventRowLabel::Mark::UpArrow
                                                      : EventRowLabel::Mark::None;
    }
    return label;
}

}  // namespace tavro
