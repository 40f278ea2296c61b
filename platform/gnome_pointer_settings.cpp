#include "platform/gnome_pointer_settings.h"

#include <gio/gio.h>

#include <algorithm>

namespace tavro {

namespace {

constexpr char kDoubleClickKey[] = "double-click";
constexpr char kSpeedKey[] = "speed";
constexpr char kAccelProfileKey[] = "accel-profile";

GSettingsSchema* LookUpSchema() {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (source == nullptr) {
        return nullptr;
    }
    return g_settings_schema_source_lookup(source, GnomePointerSettings::kSchemaId, TRUE);
}

}  // namespace

bool GnomePointerSettings::SchemaInstalled() {
    GSettingsSchema* schema = LookUpSchema();
    if (schema == nullptr) {
        return false;
    }
    g_settings_schema_unref(schema);
    return true;
}

std::unique_ptr<GnomePointerSettings> GnomePointerSettings::Create() {
    GSettingsSchema* schema = LookUpSchema();
    if (schema == nullptr) {
        return nullptr;
    }
    GSettings* settings = g_settings_new_full(schema, nullptr, nullptr);
    return std::unique_ptr<GnomePointerSettings>(new GnomePointerSettings(schema, settings));
}

GnomePointerSettings::GnomePointerSettings(GSettingsSchema* schema, GSettings* settings)
    : schema_(schema), settings_(settings) {}

GnomePointerSettings::~GnomePointerSettings() {
    // Writes go out asynchronously; do not lose the last ones when the program ends.
    g_settings_sync();
    g_object_unref(settings_);
    g_settings_schema_unref(schema_);
}

bool GnomePointerSettings::HasKey(const char* key, const char* type) const {
    if (!g_settings_schema_has_key(schema_, key)) {
        return false;
    }
    GSettingsSchemaKey* schemaKey = g_settings_schema_get_key(schema_, key);
    const bool typeMatches =
        g_variant_type_equal(g_settings_schema_key_get_value_type(schemaKey), G_VARIANT_TYPE(type));
    g_settings_schema_key_unref(schemaKey);
    return typeMatches;
}

void GnomePointerSettings::SetDoubleClickTime(int milliseconds) {
    if (HasKey(kDoubleClickKey, "i")) {
        g_settings_set_int(settings_, kDoubleClickKey,
                           std::clamp(milliseconds, kMinDoubleClickTime, kMaxDoubleClickTime));
    }
}

void GnomePointerSettings::SetPointerSpeed(int speed) {
    if (HasKey(kSpeedKey, "d")) {
        g_settings_set_double(settings_, kSpeedKey, SpeedOnUnitScale(speed));
    }
}

void GnomePointerSettings::SetWheelScrollLines(int) {}

void GnomePointerSettings::SetAcceleration(const AccelerationTriple& triple) {
    if (HasKey(kAccelProfileKey, "s")) {
        g_settings_set_string(settings_, kAccelProfileKey, triple[2] == 0 ? "flat" : "adaptive");
    }
}

}  // namespace tavro
