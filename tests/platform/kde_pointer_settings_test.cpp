#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>

#include "buttons/pointer_settings.h"
#include "platform/kde_config_text.h"
#include "platform/kde_pointer_settings.h"

namespace tavro {
namespace {

TEST(SetKdeConfigEntry, ChangesOneLineAndKeepsTheRest) {
    struct Row {
        const char* name;
        const char* text;
        const char* group;
        const char* expected;
    };
    const Row rows[] = {
        {"replaces the key in its own group only",
         "[Other]\nDoubleClickInterval=1\n\n[KDE]\nDoubleClickInterval=400\nSingleClick=false\n",
         "[KDE]",
         "[Other]\nDoubleClickInterval=1\n\n[KDE]\nDoubleClickInterval=900\nSingleClick=false\n"},
        {"adds the key after the group's last entry, before the blank line",
         "[KDE]\nSingleClick=false\n\n[Icons]\nTheme=breeze\n", "[KDE]",
         "[KDE]\nSingleClick=false\nDoubleClickInterval=900\n\n[Icons]\nTheme=breeze\n"},
        {"adds a missing group at the end", "[Icons]\nTheme=breeze", "[KDE]",
         "[Icons]\nTheme=breeze\n\n[KDE]\nDoubleClickInterval=900\n"},
        {"starts an empty file", "", "[KDE]", "[KDE]\nDoubleClickInterval=900\n"},
        {"a key with a language or a flag is another key", "[KDE]\nDoubleClickInterval[$i]=300\n",
         "[KDE]", "[KDE]\nDoubleClickInterval[$i]=300\nDoubleClickInterval=900\n"},
        {"a longer key is another key", "[KDE]\nDoubleClickIntervalX=3\n", "[KDE]",
         "[KDE]\nDoubleClickIntervalX=3\nDoubleClickInterval=900\n"},
        {"a key before any group is not in the group", "DoubleClickInterval=5\n[KDE]\n", "[KDE]",
         "DoubleClickInterval=5\n[KDE]\nDoubleClickInterval=900\n"},
        {"spaces around the key", "[KDE]\n  DoubleClickInterval = 400\n", "[KDE]",
         "[KDE]\nDoubleClickInterval=900\n"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SetKdeConfigEntry(row.text, row.group, "DoubleClickInterval", "900"),
                  row.expected)
            << row.name;
    }
}

TEST(KdeInputDeviceGroups, FindsKWinDeviceGroupsOnly) {
    const std::string text =
        "[Mouse]\nX11LibInputXAccelProfileFlat=false\n"
        "[Libinput][1133][49271][Logitech USB Optical Mouse]\nPointerAcceleration=0.2\n"
        "[Libinput][Defaults][Pointer]\nPointerAcceleration=0\n"
        "[Libinput][1][2]\n"
        "[Libinput][15999][19094][TAVRO Mouse [wired]]\n";
    EXPECT_EQ(KdeInputDeviceGroups(text),
              (std::vector<std::string>{"[Libinput][1133][49271][Logitech USB Optical Mouse]",
                                        "[Libinput][15999][19094][TAVRO Mouse [wired]]"}));
}

class KdePointerSettingsTest : public ::testing::Test {
protected:
    QString Read(const char* name) const {
        QFile file(QDir(config_.path()).filePath(QLatin1String(name)));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    void Write(const char* name, const char* text) const {
        QFile file(QDir(config_.path()).filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QTemporaryDir config_;
    int notifications_ = 0;
    KdePointerSettings kde_{config_.path(), [this] { ++notifications_; }};
};

TEST_F(KdePointerSettingsTest, WritesAllFourAndNotifiesAfterEach) {
    Write("kcminputrc",
          "[Keyboard]\nNumLock=0\n\n"
          "[Libinput][1133][49271][Logitech USB Optical Mouse]\nNaturalScroll=true\n");

    kde_.SetDoubleClickTime(1400);
    kde_.SetPointerSpeed(20);
    kde_.SetWheelScrollLines(4);
    kde_.SetAcceleration(AccelerationForLevel(1));

    EXPECT_EQ(Read("kdeglobals"), "[KDE]\nDoubleClickInterval=1400\nWheelScrollLines=4\n");
    EXPECT_EQ(Read("kcminputrc"),
              "[Keyboard]\nNumLock=0\n\n"
              "[Libinput][1133][49271][Logitech USB Optical Mouse]\nNaturalScroll=true\n"
              "PointerAcceleration=1\nPointerAccelerationProfile=2\n\n"
              "[Mouse]\nXLbInptPointerAcceleration=1\nXLbInptAccelProfileFlat=false\n");
    EXPECT_EQ(notifications_, 4);
}

TEST_F(KdePointerSettingsTest, SkipsPageScrollingAndClampsDamagedValues) {
    kde_.SetWheelScrollLines(kWheelPageScroll);
    EXPECT_EQ(Read("kdeglobals"), "");
    EXPECT_EQ(notifications_, 0);

    kde_.SetWheelScrollLines(-3);
    kde_.SetDoubleClickTime(30000);
    kde_.SetAcceleration(kAccelerationOff);
    EXPECT_EQ(Read("kdeglobals"), "[KDE]\nWheelScrollLines=1\nDoubleClickInterval=5000\n");
    EXPECT_EQ(Read("kcminputrc"), "[Mouse]\nXLbInptAccelProfileFlat=true\n");
}

}  // namespace
}  // namespace tavro
