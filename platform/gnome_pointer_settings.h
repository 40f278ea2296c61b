#pragma once

#include <memory>

#include "buttons/pointer_settings.h"

typedef struct _GSettings GSettings;
typedef struct _GSettingsSchema GSettingsSchema;

namespace tavro {

// GNOME's mouse settings through GSettings. GNOME has no wheel-lines setting, and the
// acceleration triple only decides between its flat and adaptive profiles.
class GnomePointerSettings : public PointerSettingsBackend {
public:
    static constexpr char kSchemaId[] = "org.gnome.desktop.peripherals.mouse";

    static bool SchemaInstalled();
    // Null when the schema is not installed (opening it anyway would abort the process).
    static std::unique_ptr<GnomePointerSettings> Create();

    GnomePointerSettings(const GnomePointerSettings&) = delete;
    GnomePointerSettings& operator=(const GnomePointerSettings&) = delete;
    ~GnomePointerSettings() override;

    void SetDoubleClickTime(int milliseconds) override;
    void SetPointerSpeed(int speed) override;
    void SetWheelScrollLines(int lines) override;
    void SetAcceleration(const AccelerationTriple& triple) override;

private:
    GnomePointerSettings(GSettingsSchema* schema, GSettings* settings);
    // Older or patched schemas may lack a key or type it differently.
    bool HasKey(const char* key, const char* type) const;

    GSettingsSchema* schema_;
    GSettings* settings_;
};

}  // namespace tavro
