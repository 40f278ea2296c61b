#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace tavro {

// One entry of the macro page's list: the name it shows and the macro's identifier.
struct MacroListEntry {
    QString name;
    int32_t id = 0;

    bool operator==(const MacroListEntry&) const = default;
};

// Where the mouse settings page reads the macros it offers under "Assign record macro".
// The macro page implements it.
class MacroListSource {
public:
    virtual ~MacroListSource() = default;

    // The list's entries in list order. An entry keeps the name it was created with,
    // even when saving the library later appended "1" to its macro's name.
    virtual std::vector<MacroListEntry> MacroListEntries() const = 0;
};

}  // namespace tavro
