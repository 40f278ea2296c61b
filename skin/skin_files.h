#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tavro {

inline constexpr std::string_view kSkinFolderName = "TAVRO_Skins";
inline constexpr std::string_view kSkinFontFile = "NeoSansStd-Regular.otf";

// The catalogue's files in load order; a file's value is its slot.
enum class SkinFile : int {
    MainNormal,
    MainOver,
    MainDown,
    MainDisable,
    MouseSettingNormal,
    MouseSettingOver,
    MouseSettingDown,
    MouseSettingDisable,
    SensorNormal,
    SensorOver,
    SensorDown,
    SensorDisable,
    ColorSettingBackground,
    ColorSettingNormal,
    ColorSettingOver,
    ColorSettingDown,
    ColorSettingDisable,
    MacroSettingBackground,
    MacroSettingNormal,
    MacroSettingOver,
    MacroSettingDown,
    MacroSettingDisable,
    SupportNormal,
    SupportOver,
    SupportDown,
    SupportDisable,
    SliderNormal,
    SliderDisable,
    Slider1,
    Slider2,
    Slider3,
    ColorPanel,
    MousePicture,
    ReNameNormal,
    ReNameOver,
    ReNameDown,
    ReNameDisable,
    ScrollNormal,
    ScrollOver,
    ScrollDown,
    LeftClickWarnNormal,
    LeftClickWarnOver,
    LeftClickWarnDown,
    DeleteMacroNormal,
    DeleteMacroOver,
    DeleteMacroDown,
    SensorSqat1Normal,
    SensorSqat1Over,
    SensorSqat1Down,
    SensorSqat2Normal,
    SensorSqat2Over,
    SensorSqat2Down,
    SensorSqat3Normal,
    SensorSqat3Over,
    SensorSqat3Down,
    ResetWarnNormal,
    ResetWarnOver,
    ResetWarnDown,
    AssignKeyNormal,
    AssignKeyOver,
    AssignKeyDown,
    AssignKeyDisable,
    FileWarnNormal,
    FileWarnOver,
};

inline constexpr int kSkinFileCount = 64;

inline constexpr std::array<std::string_view, kSkinFileCount> kSkinFileNames{
    "Main_Normal.bmp",
    "Main_Over.bmp",
    "Main_Down.bmp",
    "Main_Disable.bmp",
    "MouseSetting_Normal.bmp",
    "MouseSetting_Over.bmp",
    "MouseSetting_Down.bmp",
    "MouseSetting_Disable.bmp",
    "Sensor_Normal.bmp",
    "Sensor_Over.bmp",
    "Sensor_Down.bmp",
    "Sensor_Disable.bmp",
    "ColorSetting_BK.bmp",
    "ColorSetting_Normal.bmp",
    "ColorSetting_Over.bmp",
    "ColorSetting_Down.bmp",
    "ColorSetting_Disable.bmp",
    "MacroSetting_BK.bmp",
    "MacroSetting_Normal.bmp",
    "MacroSetting_Over.bmp",
    "MacroSetting_Down.bmp",
    "MacroSetting_Disable.bmp",
    "Support_Normal.bmp",
    "Support_Over.bmp",
    "Support_Down.bmp",
    "Support_Disable.bmp",
    "Slider_Normal.bmp",
    "Slider_Disable.bmp",
    "Slider1.bmp",
    "Slider2.bmp",
    "Slider3.bmp",
    "ColorPanel.bmp",
    "Mouse.png",
    "ReName_Normal.bmp",
    "ReName_Over.bmp",
    "ReName_Down.bmp",
    "ReName_Disable.bmp",
    "Scroll_Normal.bmp",
    "Scroll_Over.bmp",
    "Scroll_Down.bmp",
    "LeftClickWarn_Normal.bmp",
    "LeftClickWarn_Over.bmp",
    "LeftClickWarn_Down.bmp",
    "DeleteMacro_Normal.bmp",
    "DeleteMacro_Over.bmp",
    "DeleteMacro_Down.bmp",
    "SensorSQAT1_Normal.bmp",
    "SensorSQAT1_Over.bmp",
    "SensorSQAT1_Down.bmp",
    "SensorSQAT2_Normal.bmp",
    "SensorSQAT2_Over.bmp",
    "SensorSQAT2_Down.bmp",
    "SensorSQAT3_Normal.bmp",
    "SensorSQAT3_Over.bmp",
    "SensorSQAT3_Down.bmp",
    "ResetWarn_Normal.bmp",
    "ResetWarn_Over.bmp",
    "ResetWarn_Down.bmp",
    "AssignKey_Normal.bmp",
    "AssignKey_Over.bmp",
    "AssignKey_Down.bmp",
    "AssignKey_Disable.bmp",
    "FileWarn_Normal.bmp",
    "FileWarn_Over.bmp",
};

static_assert(static_cast<int>(SkinFile::FileWarnOver) == kSkinFileCount - 1);
static_assert(!kSkinFileNames.back().empty());

constexpr std::string_view SkinFileName(SkinFile file) {
    return kSkinFileNames[static_cast<int>(file)];
}

// The skin holds every picture twice: as drawn in page pixels (scale 1) and at twice the
// size for high-density screens (scale 2), named with "@2x" before the extension.
inline constexpr int kHiDpiScale = 2;
inline std::string ScaledFileName(std::string_view name, int scale) {
    std::string file(name);
    if (scale != 1) {
        const std::size_t dot = file.rfind('.');
        file.insert(dot == std::string::npos ? file.size() : dot,
                    "@" + std::to_string(scale) + "x");
    }
    return file;
}

// Visual states of a control, and of the sheet it takes that look from.
enum class SkinState : int { Normal = 0, Over = 1, Down = 2, Disable = 3 };
inline constexpr int kSkinStateCount = 4;

// The sheet of a state, for sheet sets whose files follow each other in state order.
constexpr SkinFile StateSheet(SkinFile normalSheet, SkinState state) {
    return static_cast<SkinFile>(static_cast<int>(normalSheet) + static_cast<int>(state));
}

// Surface-quality pictures "0.bmp" … "100.bmp" for levels 0 … 10.
inline constexpr int kSurfaceLevelCount = 11;
inline std::string SurfacePictureName(int level) {
    return std::to_string(level * 10) + ".bmp";
}

// Motion pictures "TQA2-1.bmp" … "TQA2-3.bmp" of the analyser's countdown.
inline constexpr int kMotionPictureCount = 3;
inline std::string MotionPictureName(int index) {
    return "TQA2-" + std::to_string(index + 1) + ".bmp";
}

}  // namespace tavro
