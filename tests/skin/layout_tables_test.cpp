// The layout tables are what the pages place and the skin generator draws; these
// checks keep each control inside its sheet and cutting from its own sheet set.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/main_window_layout.h"
#include "app/support_layout.h"
#include "buttons/mouse_settings_layout.h"
#include "buttons/popup_layout.h"
#include "lighting/color_panel_layout.h"
#include "lighting/lighting_layout.h"
#include "macros/macro_page_layout.h"
#include "macros/rename_layout.h"
#include "sensor/sensor_layout.h"
#include "skin/skin_catalogue.h"

namespace tavro {
namespace {

constexpr LayoutRect kPage{0, 0, main_window_layout::kPageWidth, main_window_layout::kPageHeight};

struct Sheet {
    const char* name;
    LayoutRect bounds;
    SkinFile normal;  // the sheet set the controls cut from
    std::vector<PlacedControl> controls;
};

template <typename Range>
void Append(std::vector<PlacedControl>& out, const Range& controls) {
    out.insert(out.end(), std::begin(controls), std::end(controls));
}

std::vector<Sheet> Sheets() {
    std::vector<Sheet> sheets;
    {
        Sheet main{"main", main_window_layout::kWindow, SkinFile::MainNormal, {}};
        Append(main.controls, main_window_layout::kControls);
        sheets.push_back(main);
    }
    {
        namespace l = mouse_settings_layout;
        Sheet mouse{"mouse settings", kPage, SkinFile::MouseSettingNormal, {}};
        Append(mouse.controls, l::kFunctionButtons);
        Append(mouse.controls, l::kButtonMarkers);
        Append(mouse.controls, l::kReportRateBoxes);
        Append(mouse.controls, std::vector{l::kDoubleClickSlider, l::kScrollSpeedSlider,
                                           l::kAccelerationSlider, l::kAccelerationBox});
        sheets.push_back(mouse);
    }
    {
        namespace l = sensor_layout;
        Sheet sensor{"sensor", kPage, SkinFile::SensorNormal, {}};
        Append(sensor.controls,
               std::vector{l::kSeparateBox, l::kDefinedModeBox, l::kXSlider, l::kYSlider,
                           l::kPointerSpeedSlider, l::kLiftDistanceSlider, l::kQualityBar,
                           l::kAnalyzeButton, l::kTestButton, l::kSaveButton, l::kAngleSnapButton,
                           l::kDefinedValueEdit, l::kSurfacePicture});
        Append(sensor.controls, l::kXStepLabels);
        Append(sensor.controls, l::kXYStepLabels);
        Append(sensor.controls, l::kAxisPictures);
        sheets.push_back(sensor);
    }
    {
        namespace l = lighting_layout;
        Sheet lighting{"lighting", kPage, SkinFile::ColorSettingNormal, {}};
        Append(lighting.controls, l::kModeButtons);
        Append(lighting.controls,
               std::vector{l::kZone1Box, l::kZone4Box, l::kZone2Box, l::kZone3Box, l::kZone1Swatch,
                           l::kZone4Swatch, l::kZone2Swatch, l::kZone3Swatch, l::kColorShiftButton,
                           l::kSolidColorButton});
        Append(lighting.controls, l::kPaletteButtons);
        Append(lighting.controls, l::kEffectButtons);
        Append(lighting.controls, l::kColorEdits);
        sheets.push_back(lighting);
    }
    {
        namespace l = macro_page_layout;
        Sheet macro{"macro", kPage, SkinFile::MacroSettingNormal, {}};
        Append(macro.controls, std::vector{l::kMacroList, l::kEventEditor, l::kNewMacroButton,
                                           l::kDeleteButton, l::kRecordDelayBox, l::kRecordHoldBox,
                                           l::kStartRecordButton, l::kStopRecordButton});
        sheets.push_back(macro);
    }
    {
        Sheet support{"support", kPage, SkinFile::SupportNormal, {}};
        Append(support.controls, support_layout::kButtons);
        Append(support.controls, std::vector{support_layout::kFirmwareVersionLabel,
                                             support_layout::kSoftwareVersionLabel});
        sheets.push_back(support);
    }
    {
        namespace l = rename_layout;
        sheets.push_back({"rename",
                          l::kDialog,
                          SkinFile::ReNameNormal,
                          {l::kNameEdit, l::kOkButton, l::kCancelButton, l::kCloseButton}});
    }
    for (const popup_layout::PopupLayout& mode : popup_layout::kModes) {
        const ElementSource background = ResolveElement(mode.mode, 0);
        EXPECT_EQ(background.kind, ElementKind::Shared) << "pop-up mode " << mode.mode;
        sheets.push_back({"pop-up",
                          mode.dialog,
                          background.file,
                          {mode.ok, mode.cancel, mode.close, mode.time, mode.image}});
    }
    return sheets;
}

TEST(LayoutTables, EveryControlCutsFromItsOwnSheetsAndLiesInside) {
    for (const Sheet& sheet : Sheets()) {
        std::set<int> elements;
        for (const PlacedControl& control : sheet.controls) {
            if (!control.rect.empty()) {
                EXPECT_TRUE(sheet.bounds.contains(control.rect))
                    << sheet.name << " control " << control.id;
            }
            if (control.element == kNoElement || control.element == 113) {
                continue;  // no looks of its own, or the preview's copied picture
            }
            const ElementSource source = ResolveElement(control.element, SkinState::Normal);
            EXPECT_EQ(source.kind, ElementKind::Cut) << sheet.name << " control " << control.id;
            EXPECT_EQ(source.file, sheet.normal) << sheet.name << " control " << control.id;
            EXPECT_TRUE(elements.insert(control.element).second)
                << sheet.name << " element " << control.element << " used twice";
        }
    }
}

TEST(LayoutTables, PageAreaFitsTheWindowBetweenProfileBarAndBottomButtons) {
    namespace l = main_window_layout;
    EXPECT_TRUE(l::kWindow.contains(l::kPageArea));
    EXPECT_GT(l::kPageArea.top(), l::kProfileBar[0].profile.rect.bottom());
    EXPECT_LT(l::kPageArea.bottom(), l::kOkButton.rect.top());
}

TEST(LayoutTables, ColourPanelCellsLeaveOnePixelGaps) {
    namespace l = color_panel_layout;
    for (size_t i = 0; i < l::kCells.size(); ++i) {
        EXPECT_TRUE(l::kPanel.contains(l::kCells[i])) << "cell " << i;
        for (size_t j = i + 1; j < l::kCells.size(); ++j) {
            const LayoutRect& a = l::kCells[i];
            const LayoutRect& b = l::kCells[j];
            const bool apart = a.right() < b.left() || b.right() < a.left() ||
                               a.bottom() < b.top() || b.bottom() < a.top();
            EXPECT_TRUE(apart) << "cells " << i << " and " << j << " touch";
        }
    }
    EXPECT_EQ(l::kCells[0], (LayoutRect{1, 1, 20, 20}));
    EXPECT_EQ(l::kCells[19], (LayoutRect{82, 62, 19, 19}));
    EXPECT_FALSE(l::kCells[0].contains(21, 10));
}

TEST(LayoutTables, PreviewZonesLieInThePreview) {
    namespace l = lighting_layout;
    const LayoutRect preview{0, 0, l::kPreview.rect.width, l::kPreview.rect.height};
    EXPECT_TRUE(preview.contains(l::kPreviewZone1));
    EXPECT_TRUE(preview.contains(l::kPreviewZone4));
    EXPECT_EQ(l::kPreviewZone1.right(), 75);
    EXPECT_EQ(l::kPreviewZone4.bottom(), 139);
}

}  // namespace
}  // namespace tavro
