#include "skin_outputs.h"

#include "buttons/popup_layout.h"
#include "pictures.h"
#include "skin/skin_files.h"

namespace tavro::skingen {

namespace {

QString Name(SkinFile file) {
    return QString::fromLatin1(SkinFileName(file));
}

std::vector<QString> Names(SkinFile first, int count) {
    std::vector<QString> names;
    for (int i = 0; i < count; ++i) {
        names.push_back(Name(static_cast<SkinFile>(static_cast<int>(first) + i)));
    }
    return names;
}

// The sheets of a four-state set, painted by `paint`.
void AddStates(std::vector<SkinOutput>& outputs, SkinFile normal, int stateCount,
               const std::function<QImage(SkinState)>& paint) {
    for (int state = 0; state < stateCount; ++state) {
        const auto skinState = static_cast<SkinState>(state);
        outputs.push_back(
            {Name(StateSheet(normal, skinState)), [paint, skinState] { return paint(skinState); }});
    }
}

struct PopupSheets {
    int mode;
    SkinFile normal;
    int stateCount;
};

constexpr PopupSheets kPopupSheets[] = {
    {popup_layout::kLeftClickWarning, SkinFile::LeftClickWarnNormal, 3},
    {popup_layout::kDeleteMacro, SkinFile::DeleteMacroNormal, 3},
    {popup_layout::kSurfaceStart, SkinFile::SensorSqat1Normal, 3},
    {popup_layout::kSurfaceCountdown, SkinFile::SensorSqat2Normal, 3},
    {popup_layout::kSurfaceResult, SkinFile::SensorSqat3Normal, 3},
    {popup_layout::kResetWarning, SkinFile::ResetWarnNormal, 3},
    {popup_layout::kAssignKey, SkinFile::AssignKeyNormal, 4},
};

constexpr int kFileWarnSheetCount = 2;

}  // namespace

std::vector<SkinOutput> SkinOutputs() {
    std::vector<SkinOutput> outputs;
    AddStates(outputs, SkinFile::MainNormal, 4, PaintMainSheet);
    AddStates(outputs, SkinFile::MouseSettingNormal, 4, PaintMouseSettingsSheet);
    AddStates(outputs, SkinFile::SensorNormal, 4, PaintSensorSheet);
    outputs.push_back({Name(SkinFile::ColorSettingBackground), PaintLightingBackground});
    AddStates(outputs, SkinFile::ColorSettingNormal, 4, PaintLightingSheet);
    outputs.push_back({Name(SkinFile::MacroSettingBackground), PaintMacroBackground});
    AddStates(outputs, SkinFile::MacroSettingNormal, 4, PaintMacroSheet);
    AddStates(outputs, SkinFile::SupportNormal, 4, PaintSupportSheet);
    outputs.push_back({Name(SkinFile::SliderNormal), [] { return PaintSliderThumb(true); }});
    outputs.push_back({Name(SkinFile::SliderDisable), [] { return PaintSliderThumb(false); }});
    for (int level = 1; level <= 3; ++level) {
        outputs.push_back(
            {Name(static_cast<SkinFile>(static_cast<int>(SkinFile::Slider1) + level - 1)),
             [level] { return PaintDpiThumb(level); }});
    }
    outputs.push_back({Name(SkinFile::ColorPanel), PaintColorPanel});
    outputs.push_back({Name(SkinFile::MousePicture), PaintLightingMouse});
    AddStates(outputs, SkinFile::ReNameNormal, 4, PaintRenameSheet);
    outputs.push_back({Name(SkinFile::ScrollNormal), PaintScrollTrack});
    outputs.push_back({Name(SkinFile::ScrollOver), [] { return PaintScrollSheet(true); }});
    outputs.push_back({Name(SkinFile::ScrollDown), [] { return PaintScrollSheet(false); }});
    for (const PopupSheets& popup : kPopupSheets) {
        const int mode = popup.mode;
        AddStates(outputs, popup.normal, popup.stateCount,
                  [mode](SkinState state) { return PaintPopupSheet(mode, state); });
    }
    AddStates(outputs, SkinFile::FileWarnNormal, kFileWarnSheetCount, PaintFileWarningSheet);
    for (int level = 0; level < kSurfaceLevelCount; ++level) {
        outputs.push_back({QString::fromStdString(SurfacePictureName(level)),
                           [level] { return PaintSurfacePicture(level); }});
    }
    for (int index = 0; index < kMotionPictureCount; ++index) {
        outputs.push_back({QString::fromStdString(MotionPictureName(index)),
                           [index] { return PaintMotionPicture(index); }});
    }
    return outputs;
}

std::vector<SheetFamily> SheetFamilies() {
    std::vector<SheetFamily> families;
    families.push_back(
        {QStringLiteral("Main window"), Names(SkinFile::MainNormal, 4), MainOutlines()});
    families.push_back({QStringLiteral("Mouse settings page"),
                        Names(SkinFile::MouseSettingNormal, 4), MouseSettingsOutlines()});
    families.push_back(
        {QStringLiteral("Sensor page"), Names(SkinFile::SensorNormal, 4), SensorOutlines()});
    families.push_back({QStringLiteral("Lighting page"), Names(SkinFile::ColorSettingBackground, 5),
                        LightingOutlines()});
    families.push_back({QStringLiteral("Macro page"), Names(SkinFile::MacroSettingBackground, 5),
                        MacroOutlines()});
    families.push_back(
        {QStringLiteral("Support page"), Names(SkinFile::SupportNormal, 4), SupportOutlines()});
    families.push_back(
        {QStringLiteral("Rename dialog"), Names(SkinFile::ReNameNormal, 4), RenameOutlines()});
    for (const PopupSheets& popup : kPopupSheets) {
        families.push_back({QStringLiteral("Pop-up mode %1").arg(popup.mode),
                            Names(popup.normal, popup.stateCount), PopupOutlines(popup.mode)});
    }
    families.push_back({QStringLiteral("Pop-up mode %1").arg(popup_layout::kFileWarning),
                        Names(SkinFile::FileWarnNormal, kFileWarnSheetCount),
                        PopupOutlines(popup_layout::kFileWarning)});
    families.push_back(
        {QStringLiteral("Scroll bar: track, resting, pressed"),
         {Name(SkinFile::ScrollNormal), Name(SkinFile::ScrollDown), Name(SkinFile::ScrollOver)},
         ScrollOutlines()});
    families.push_back({QStringLiteral("Slider thumbs"), Names(SkinFile::SliderNormal, 5), {}});
    families.push_back(
        {QStringLiteral("Colour panel"), {Name(SkinFile::ColorPanel)}, ColorPanelOutlines()});
    families.push_back({QStringLiteral("Lighting preview mouse"),
                        {Name(SkinFile::MousePicture)},
                        LightingMouseOutlines()});
    SheetFamily surface{QStringLiteral("Surface quality 0 … 10"), {}, {}};
    for (int level = 0; level < kSurfaceLevelCount; ++level) {
        surface.fileNames.push_back(QString::fromStdString(SurfacePictureName(level)));
    }
    families.push_back(surface);
    SheetFamily motion{QStringLiteral("Analyser motion pictures"), {}, {}};
    for (int index = 0; index < kMotionPictureCount; ++index) {
        motion.fileNames.push_back(QString::fromStdString(MotionPictureName(index)));
    }
    families.push_back(motion);
    return families;
}

}  // namespace tavro::skingen
