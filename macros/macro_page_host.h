#pragma once

namespace tavro {

// What the macro page asks of the main window, which owns the profiles and the other
// pages.
class MacroPageHost {
public:
    virtual ~MacroPageHost() = default;

    // A macro may have left the library (the user confirmed "Delete"): collect the
    // mouse settings page into the current profile and show that profile on it again,
    // so that its buttons that named the macro fall back to their default functions.
    virtual void RefreshMouseSettingsPage() = 0;
};

}  // namespace tavro
