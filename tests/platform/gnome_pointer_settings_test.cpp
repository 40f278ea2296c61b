#include <gio/gio.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "buttons/pointer_settings.h"
#include "platform/gnome_pointer_settings.h"

namespace tavro {
namespace {

// GSettings picks its backend once per process, so the key-file backend and its
// private folder are set up before the first GSettings call.
class GnomePointerSettingsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        char pattern[] = "/tmp/tavro-gsettings-XXXXXX";
        configHome_ = mkdtemp(pattern);
        setenv("GSETTINGS_BACKEND", "keyfile", 1);
        setenv("XDG_CONFIG_HOME", configHome_.c_str(), 1);
    }
    static void TearDownTestSuite() { std::filesystem::remove_all(configHome_); }

    void SetUp() override {
        if (!GnomePointerSettings::SchemaInstalled()) {
            GTEST_SKIP() << GnomePointerSettings::kSchemaId << " is not installed";
        }
    }

    static std::string KeyFileText() {
        std::ifstream in(configHome_ / "glib-2.0" / "settings" / "keyfile");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // Read back through a settings object of our own, as GNOME would.
    static GVariant* StoredValue(const char* key) {
        GSettingsSchema* schema = g_settings_schema_source_lookup(
            g_settings_schema_source_get_default(), GnomePointerSettings::kSchemaId, TRUE);
        GSettings* settings = g_settings_new_full(schema, nullptr, nullptr);
        GVariant* value = g_settings_get_value(settings, key);
        g_object_unref(settings);
        g_settings_schema_unref(schema);
        return value;
    }

    static std::filesystem::path configHome_;
};

std::filesystem::path GnomePointerSettingsTest::configHome_;

TEST_F(GnomePointerSettingsTest, WritesDoubleClickSpeedAndProfileToTheKeyFile) {
    {
        auto gnome = GnomePointerSettings::Create();
        ASSERT_NE(gnome, nullptr);
        gnome->SetDoubleClickTime(1400);
        gnome->SetPointerSpeed(20);
        gnome->SetWheelScrollLines(5);
        gnome->SetAcceleration(kAccelerationOff);
    }
    const std::string text = KeyFileText();
    EXPECT_NE(text.find("[org/gnome/desktop/peripherals/mouse]"), std::string::npos) << text;
    EXPECT_NE(text.find("double-click=1400"), std::string::npos) << text;
    EXPECT_NE(text.find("speed=1.0"), std::string::npos) << text;
    EXPECT_NE(text.find("accel-profile='flat'"), std::string::npos) << text;
    EXPECT_EQ(text.find("wheel"), std::string::npos) << "GNOME has no place for wheel lines";
}

TEST_F(GnomePointerSettingsTest, MapsSpeedAndAccelerationOntoGnomeScales) {
    auto gnome = GnomePointerSettings::Create();
    ASSERT_NE(gnome, nullptr);
    struct Row {
        int speed;
        double expected;
    };
    for (const Row& row :
         {Row{1, -1.0}, Row{20, 1.0}, Row{10, -1.0 / 19.0}, Row{0, -1.0}, Row{510, 1.0}}) {
        gnome->SetPointerSpeed(row.speed);
        GVariant* value = StoredValue("speed");
        EXPECT_NEAR(g_variant_get_double(value), row.expected, 1e-9) << "speed " << row.speed;
        g_variant_unref(value);
    }

    gnome->SetAcceleration(AccelerationForLevel(2));
    GVariant* profile = StoredValue("accel-profile");
    EXPECT_STREQ(g_variant_get_string(profile, nullptr), "adaptive");
    g_variant_unref(profile);

    gnome->SetDoubleClickTime(-200);  // from a damaged profile
    GVariant* doubleClick = StoredValue("double-click");
    EXPECT_EQ(g_variant_get_int32(doubleClick), kMinDoubleClickTime);
    g_variant_unref(doubleClick);
}

TEST(GnomePointerSettingsWithoutSchema, IsSkippedInsteadOfAbortingTheProcess) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    char pattern[] = "/tmp/tavro-noschema-XXXXXX";
    const std::string emptyDataDir = mkdtemp(pattern);
    // In a child process, whose schema source has not been built yet.
    EXPECT_EXIT(
        {
            setenv("XDG_DATA_DIRS", emptyDataDir.c_str(), 1);
            setenv("XDG_DATA_HOME", emptyDataDir.c_str(), 1);
            unsetenv("GSETTINGS_SCHEMA_DIR");
            const bool skipped = !GnomePointerSettings::SchemaInstalled() &&
                                 GnomePointerSettings::Create() == nullptr;
            std::exit(skipped ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    std::filesystem::remove_all(emptyDataDir);
}

}  // namespace
}  // namespace tavro
