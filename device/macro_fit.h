#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "device/config_image.h"
#include "profile/profile_record.h"

namespace tavro {

// A button whose macro the mouse does not receive whole. The profile file and the
// macro library keep every event; only the image leaves some out.
struct CutMacro {
    int button = 0;       // 0 … 8
    std::u16string name;  // of the profile's copy
    size_t events = 0;    // in the profile's copy
    unsigned kept = 0;    // reaching the mouse
};

struct MacroFit {
    std::vector<CutMacro> cut;  // in button order
    unsigned total = 0;         // events of the ten slots
    // More than kMaxProfileMacroEvents: the transfer refuses the profile, and the mouse
    // keeps what it held before. Every macro button then keeps 0 events.
    bool refused = false;
};

// What the mouse keeps of the macros of `record`, packed into `device`: a slot holds
// kMacroSlotCapacity events, a profile kMaxProfileMacroEvents.
MacroFit CheckMacroFit(const ProfileRecord& record, const DeviceProfile& device);

// For the user after an Apply, in UTF-8: one sentence per cut macro, or one for a
// refused profile; empty when the mouse keeps everything.
std::vector<std::string> DescribeMacroFit(const MacroFit& fit, std::u16string_view profileName);

}  // namespace tavro
