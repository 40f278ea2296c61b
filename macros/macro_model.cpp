#include "macros/macro_model.h"

#include <algorithm>

#include "macros/hold_macro.h"
#include "macros/macro_limits.h"

namespace tavro {

bool CMacro::AddEvent(uint8_t kind, int16_t key, uint8_t direction, int32_t delay,
                      InsertMode mode) {
    if (events.size() >= size_t{kMaxMacroEvents}) {
        return false;
    }
    uint32_t lastSequence = 0;
    for (const CEventItem& event : events) {
        lastSequence = std::max(lastSequence, event.sequence);
    }
    const CEventItem added{{}, 1, lastSequence + 1, kind, key, direction, delay};

    size_t at = events.size();
    if (mode == InsertMode::AfterSelected) {
        const int selected = FirstSelectedIndex();
        if (selected >= 0) {
            at = static_cast<size_t>(selected) + 1;
        } else if (!events.empty()) {
            at = 0;
        }
    }
    for (CEventItem& event : events) {
        event.selected = 0;
    }
    events.insert(events.begin() + static_cast<std::ptrdiff_t>(at), added);

    LayOutRows();
    if (owner == nullptr) {
        return true;
    }
    if (events.back().rowRect.bottom > areaRect.bottom) {
        owner->OnRowsOverflow(static_cast<int>(events.size()) - 1);
    }
    owner->OnShowEvent(static_cast<int>(at));
    return true;
}

void CMacro::DeleteSelectedEvent() {
    const int selected = FirstSelectedIndex();
    if (selected < 0) {
        return;
    }
    const auto i = static_cast<size_t>(selected);
    events.erase(events.begin() + selected);
    for (size_t k = i; k < events.size(); ++k) {
        events[k].rowRect.top -= kEventRowHeight;
        events[k].rowRect.bottom -= kEventRowHeight;
    }
    if (i < events.size()) {
        events[i].selected = 1;
    } else if (!events.empty()) {
        events.front().selected = 1;
        if (owner != nullptr) {
            owner->OnShowEvent(0);
        }
    }
}

void CMacro::Clear() {
    events.clear();
}

bool CMacro::SelectAt(int32_t x, int32_t y) {
    const auto hit = std::find_if(events.begin(), events.end(), [&](const CEventItem& event) {
        return event.rowRect.Contains(x, y);
    });
    if (hit == events.end()) {
        return false;
    }
    for (CEventItem& event : events) {
        event.selected = 0;
    }
    hit->selected = 1;
    return true;
}

int CMacro::FirstSelectedIndex() const {
    for (size_t i = 0; i < events.size(); ++i) {
        if (events[i].selected != 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CMacro::SelectPrevious() {
    std::vector<bool> wasSelected(events.size());
    for (size_t i = 0; i < events.size(); ++i) {
        wasSelected[i] = events[i].selected != 0;
        events[i].selected = 0;
    }
    for (size_t i = 1; i < events.size(); ++i) {
        if (wasSelected[i]) {
            events[i - 1].selected = 1;
        }
    }
}

void CMacro::LayOutRows() {
    for (size_t i = 0; i < events.size(); ++i) {
        const auto top = static_cast<int32_t>(kFirstRowTop + kEventRowHeight * i);
        events[i].rowRect = {kRowLeft, top, areaRect.right - kRowRightMargin,
                             top + kEventRowHeight};
    }
}

bool IsHoldMacro(const CMacro* macro) {
    return macro != nullptr &&
           IsHoldMacro(std::span<const CEventItem>(macro->events), kMacroPageEmptyMacro);
}

std::optional<ButtonMacro> CopyForButton(std::span<const CMacro> library, int32_t id) {
    const auto found = std::find_if(library.begin(), library.end(),
                                    [id](const CMacro& macro) { return macro.id == id; });
    if (found == library.end()) {
        return std::nullopt;
    }
    ButtonMacro copy{found->name, found->id, {}};
    copy.events.reserve(found->events.size());
    for (const CEventItem& event : found->events) {
        copy.events.push_back({event.kind, event.key, event.direction, event.delay});
    }
    return copy;
}

}  // namespace tavro
