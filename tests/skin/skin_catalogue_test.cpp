#include "skin/skin_catalogue.h"

#include <gtest/gtest.h>

namespace tavro {
namespace {

using enum SkinFile;

struct Row {
    const char* what;
    int element;
    int state;
    ElementKind kind;
    SkinFile file;  // ignored for failures
};

constexpr ElementKind kFail = ElementKind::Failure;

const Row kRows[] = {
    {"main background is a copy", 0, 0, ElementKind::Copy, MainNormal},
    {"main cut, hover", 2, 1, ElementKind::Cut, MainOver},
    {"main cut, disabled", 21, 3, ElementKind::Cut, MainDisable},
    {"mouse page background is shared", 22, 0, ElementKind::Shared, MouseSettingNormal},
    {"mouse page cut, pressed", 29, 2, ElementKind::Cut, MouseSettingDown},
    {"gap after 29", 30, 0, kFail, MainNormal},
    {"gap before 32", 31, 0, kFail, MainNormal},
    {"marker cut", 38, 1, ElementKind::Cut, MouseSettingOver},
    {"gap after 38", 39, 0, kFail, MainNormal},
    {"gap before 41", 40, 0, kFail, MainNormal},
    {"sensor background is shared", 49, 2, ElementKind::Shared, SensorNormal},
    {"59 is a sensor cut", 59, 1, ElementKind::Cut, SensorOver},
    {"60 fails between two sensor cuts", 60, 1, kFail, MainNormal},
    {"61 is a sensor cut", 61, 1, ElementKind::Cut, SensorOver},
    {"lighting background is shared", 72, 0, ElementKind::Shared, ColorSettingBackground},
    {"lighting cuts skip the background", 73, 0, ElementKind::Cut, ColorSettingNormal},
    {"lighting disabled", 112, 3, ElementKind::Cut, ColorSettingDisable},
    {"preview mouse is a copy", 113, 0, ElementKind::Copy, MousePicture},
    {"macro background is shared", 114, 0, ElementKind::Shared, MacroSettingBackground},
    {"macro cuts skip the background", 115, 0, ElementKind::Cut, MacroSettingNormal},
    {"support background is shared", 123, 0, ElementKind::Shared, SupportNormal},
    {"slider thumb", 130, 0, ElementKind::Copy, SliderNormal},
    {"disabled slider thumb", 131, 0, ElementKind::Copy, SliderDisable},
    {"third DPI thumb", 134, 0, ElementKind::Copy, Slider3},
    {"scroll track", 135, 0, ElementKind::Copy, ScrollNormal},
    {"scroll resting look comes from the Down sheet", 136, 0, ElementKind::Cut, ScrollDown},
    {"scroll pressed look comes from the Over sheet", 138, 1, ElementKind::Cut, ScrollOver},
    {"scroll has no third state", 136, 2, kFail, MainNormal},
    {"colour panel", 139, 0, ElementKind::Copy, ColorPanel},
    {"rename has four states", 144, 3, ElementKind::Cut, ReNameDisable},
    {"pop-up mode background is shared", 145, 0, ElementKind::Shared, LeftClickWarnNormal},
    {"pop-up cut, pressed", 147, 2, ElementKind::Cut, LeftClickWarnDown},
    {"three-state pop-up has no disabled sheet", 147, 3, kFail, MainNormal},
    {"countdown picture", 161, 0, ElementKind::Cut, SensorSqat2Normal},
    {"key capture has a disabled sheet", 173, 3, ElementKind::Cut, AssignKeyDisable},
    {"file warning background is shared", 174, 0, ElementKind::Shared, FileWarnNormal},
    {"file warning cut, hover", 176, 1, ElementKind::Cut, FileWarnOver},
    {"file warning has no pressed sheet", 175, 2, kFail, MainNormal},
    {"past the catalogue", 177, 0, kFail, MainNormal},
    {"negative number", -1, 0, kFail, MainNormal},
    {"negative state", 2, -1, kFail, MainNormal},
    {"state past Disable", 2, 4, kFail, MainNormal},
};

TEST(ResolveElement, FollowsTheCatalogue) {
    for (const Row& row : kRows) {
        const ElementSource source = ResolveElement(row.element, row.state);
        EXPECT_EQ(source.kind, row.kind) << row.what;
        if (row.kind != kFail) {
            EXPECT_EQ(source.file, row.file) << row.what;
        }
    }
}

TEST(SkinFiles, NamesFollowTheLoadOrder) {
    EXPECT_EQ(SkinFileName(MainNormal), "Main_Normal.bmp");
    EXPECT_EQ(SkinFileName(ColorSettingBackground), "ColorSetting_BK.bmp");
    EXPECT_EQ(SkinFileName(MousePicture), "Mouse.png");
    EXPECT_EQ(SkinFileName(ScrollDown), "Scroll_Down.bmp");
    EXPECT_EQ(SkinFileName(AssignKeyDisable), "AssignKey_Disable.bmp");
    EXPECT_EQ(SkinFileName(FileWarnOver), "FileWarn_Over.bmp");
    EXPECT_EQ(SurfacePictureName(0), "0.bmp");
    EXPECT_EQ(SurfacePictureName(10), "100.bmp");
    EXPECT_EQ(MotionPictureName(2), "TQA2-3.bmp");
}

}  // namespace
}  // namespace tavro
