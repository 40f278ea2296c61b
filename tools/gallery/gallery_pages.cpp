#include "tools/gallery/gallery_pages.h"

#include <QPainter>

#include <iterator>
#include <utility>

#include "app/support_layout.h"
#include "buttons/mouse_settings_layout.h"
#include "buttons/vok_combo_button.h"
#include "buttons/zvr_combo_button.h"
#include "device/lift_distance.h"
#include "lighting/lighting_layout.h"
#include "lighting/lighting_palette.h"
#include "lighting/vok_cbn_color_button.h"
#include "macros/macro_page_layout.h"
#include "sensor/sensor_layout.h"
#include "sensor/vok_progress_ctrl.h"
#include "sensor/vok_slider_ctrl.h"
#include "sensor/vok_slider_ctrl_3d.h"
#include "skin/owner_notification.h"
#include "skin/scroll_layout.h"
#include "skin/skinned_menu.h"
#include "skin/vok_button.h"
#include "skin/vok_check_box.h"
#include "skin/vok_edit.h"
#include "skin/vok_scroll_ctrl.h"
#include "skin/vok_static.h"

namespace tavro::gallery {

namespace {

constexpr int kSkinLabelFontHeight = 13;

// Sample choices; the pages fill their menus from the profile and the macro library.
constexpr const char* kFunctions[] = {"Left Click", "Right Click", "Middle Click", "Back",
                                      "Forward",    "DPI Up",      "DPI Down",     "Single Key",
                                      "Macro",      "Disable"};
constexpr int kMacroFunction = 8;
constexpr const char* kMacros[] = {"Reload", "Build wall", "Sprint jump"};
constexpr int kFirstMacroCode = 100;
constexpr int kSubMenuMargin = 30;
constexpr int kAngleSnapLevels = 16;

// What the lighting page's preview draws: black, the two lit zones in their colours,
// Mouse.png over them.
class PreviewStandIn : public QWidget {
public:
    PreviewStandIn(int id, QWidget* parent) : QWidget(parent) { SetControlId(this, id); }
    void setPicture(QImage picture) {
        picture_ = std::move(picture);
        update();
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.fillRect(ToQRect(lighting_layout::kPreviewZone1),
                         QColor::fromRgba(kLightingPalette[0].argb()));
        painter.fillRect(ToQRect(lighting_layout::kPreviewZone4),
                         QColor::fromRgba(kLightingPalette[12].argb()));
        DrawStretched(painter, picture_, rect());
    }

private:
    QImage picture_;
};

GalleryPage* NewPage(const QString& name, int background, SkinResources& skin, const ReportLog& log,
                     QWidget* parent) {
    auto* page = new GalleryPage(name, skin, log, parent);
    page->setBackground(skin.element(background, SkinState::Normal));
    return page;
}

// A one-thumb slider on its track, thumb looks 130 and 131.
CVokSliderCtrl* PlaceSlider(GalleryPage& page, const PlacedControl& control, int minimum,
                            int maximum, int value) {
    SkinResources& skin = page.skin();
    auto* slider = page.place<CVokSliderCtrl>(control);
    const QImage thumb = skin.element(130, SkinState::Normal);
    slider->setImages(skin.element(control, SkinState::Normal), thumb, thumb,
                      skin.element(131, SkinState::Normal));
    slider->setRange(minimum, maximum, 1);
    slider->setValue(value);
    return slider;
}

template <typename Control>
Control* PlaceWithLooks(GalleryPage& page, const PlacedControl& control) {
    auto* widget = page.place<Control>(control);
    widget->setImages(page.looks(control));
    return widget;
}

CVokScrollCtrl* PlaceScrollBar(GalleryPage& page, int id, const QRect& rect) {
    SkinResources& skin = page.skin();
    auto* bar = new CVokScrollCtrl(id, &page);
    bar->setGeometry(rect);
    bar->setAccessibleName(QStringLiteral("scroll bar"));
    const auto cut = [&](const PlacedControl& part, SkinState state) {
        return skin.element(part, state);
    };
    using namespace scroll_layout;
    bar->setImages({skin.element(135, SkinState::Normal), cut(kThumb, SkinState::Normal),
                    cut(kThumb, SkinState::Over), cut(kTopArrow, SkinState::Normal),
                    cut(kTopArrow, SkinState::Over), cut(kBottomArrow, SkinState::Normal),
                    cut(kBottomArrow, SkinState::Over)});
    bar->show();
    return bar;
}

GalleryPage* MouseSettingsPage(SkinResources& skin, const ReportLog& log, QWidget* parent) {
    GalleryPage* page = NewPage(QStringLiteral("mouse settings"), 22, skin, log, parent);
    using namespace mouse_settings_layout;
    for (const PlacedControl& place : kFunctionButtons) {
        auto* button = page->place<CVokComboButton>(place);
        const FourStateImages looks = page->looks(place);
        button->setImages(looks[SkinState::Normal], looks[SkinState::Over], looks[SkinState::Down]);
        button->useSkinFont();
        for (int code = 0; code < static_cast<int>(std::size(kFunctions)); ++code) {
            button->addEntry(code, QString::fromLatin1(kFunctions[code]));
        }
        for (int macro = 0; macro < static_cast<int>(std::size(kMacros)); ++macro) {
            button->addSubEntry(kFirstMacroCode + macro, kMacroFunction,
                                QString::fromLatin1(kMacros[macro]));
        }
        button->sizeMenu();
        SkinnedMenu* macros = button->menu()->subMenu(kMacroFunction);
        macros->resize(button->menu()->widestText(kMacroFunction) + kSubMenuMargin,
                       macros->height());
        const int function = static_cast<int>(&place - kFunctionButtons.data());
        button->setAssignment(button->captionOf(function), function, 0);
    }
    for (const PlacedControl& marker : kButtonMarkers) {
        PlaceWithLooks<CVokButton>(*page, marker);
    }
    for (const PlacedControl& box : kReportRateBoxes) {
        PlaceWithLooks<CVokCheckBox>(*page, box);
    }
    PlaceSlider(*page, kDoubleClickSlider, 200, 900, 500);
    PlaceSlider(*page, kScrollSpeedSlider, 1, 6, 3);
    PlaceSlider(*page, kAccelerationSlider, 1, 3, 2)->setState(CVokSliderCtrl::kDisabled);
    PlaceWithLooks<CVokCheckBox>(*page, kAccelerationBox);
    return page;
}

GalleryPage* SensorPage(SkinResources& skin, const ReportLog& log, QWidget* parent) {
    GalleryPage* page = NewPage(QStringLiteral("sensor"), 49, skin, log, parent);
    using namespace sensor_layout;
    PlaceWithLooks<CVokCheckBox>(*page, kSeparateBox)->setChecked(true);
    PlaceWithLooks<CVokCheckBox>(*page, kDefinedModeBox);
    for (const PlacedControl& button : {kAnalyzeButton, kTestButton, kSaveButton}) {
        PlaceWithLooks<CVokButton>(*page, button);
    }
    const int steps[] = {800, 1600, 3200};
    for (int level = 0; level < 3; ++level) {
        for (const PlacedControl& place : {kXStepLabels[level], kXYStepLabels[level]}) {
            auto* label = page->place<CVokStatic>(place);
            label->setBackgroundImage(skin.element(place, SkinState::Normal));
            label->setFontHeight(kSkinLabelFontHeight);
            label->setCentred(true);
            label->setText(QString::number(steps[level]));
        }
        auto* axes = page->place<CVokStatic>(kAxisPictures[level]);
        axes->appendImage(skin.element(kAxisPictures[level], SkinState::Normal));
        axes->appendImage(skin.element(kAxisPictures[level], SkinState::Down));
        axes->setImageIndex(0);
    }
    auto* angleSnap = page->place<CZVRComboButton>(kAngleSnapButton);
    const FourStateImages snapLooks = page->looks(kAngleSnapButton);
    angleSnap->setImages(snapLooks[SkinState::Normal], snapLooks[SkinState::Over],
                         snapLooks[SkinState::Down]);
    angleSnap->useSkinFont();
    for (int level = 0; level < kAngleSnapLevels; ++level) {
        angleSnap->addEntry(level, QString::number(level));
    }
    angleSnap->sizeMenu();
    angleSnap->setAssignment(angleSnap->captionOf(5), 5, 0);
    auto* defined = page->place<CZVRNUMEdit>(kDefinedValueEdit);
    defined->setBackgroundImage(skin.element(kDefinedValueEdit, SkinState::Normal));
    defined->setFontHeight(kSkinLabelFontHeight);
    defined->setText(QStringLiteral("40"));
    const int levels[] = {800, 1600, 3200};
    for (const PlacedControl& axis : {kXSlider, kYSlider}) {
        auto* slider = page->place<CVokSliderCtrl3D>(axis);
        slider->setImages(
            skin.element(axis, SkinState::Normal), skin.element(132, SkinState::Normal),
            skin.element(133, SkinState::Normal), skin.element(134, SkinState::Normal));
        slider->setRange(50, 7000, 50);
        for (int thumb = 1; thumb <= 3; ++thumb) {
            slider->setThumb(thumb, levels[thumb - 1], false);
        }
    }
    PlaceSlider(*page, kPointerSpeedSlider, 1, 10, 5);
    PlaceSlider(*page, kLiftDistanceSlider, kMinLiftDistanceSetting, kMaxLiftDistanceSetting, 12);
    auto* quality = page->place<CVokProgressCtrl>(kQualityBar);
    quality->setImages(skin.element(kQualityBar, SkinState::Normal),
                       skin.element(kQualityBar, SkinState::Down));
    quality->setVertical(true);
    quality->setRange(0, 10);
    quality->setPosition(7);
    auto* surface = page->place<CVokStatic>(kSurfacePicture);
    for (int level = 0; level < kSurfaceLevelCount; ++level) {
        surface->appendImage(skin.picture(SurfacePictureName(level)));
    }
    surface->setImageIndex(7);
    return page;
}

GalleryPage* LightingPage(SkinResources& skin, const ReportLog& log, QWidget* parent) {
    GalleryPage* page = NewPage(QStringLiteral("lighting"), 72, skin, log, parent);
    using namespace lighting_layout;
    for (const PlacedControl& box : kModeButtons) {
        PlaceWithLooks<CVokCheckBox>(*page, box);
    }
    for (const PlacedControl& box : {kZone1Box, kZone4Box, kZone2Box}) {
        PlaceWithLooks<CVokCheckBox>(*page, box)->setChecked(box.id == kZone1Box.id);
    }
    for (const PlacedControl& swatch : {kZone1Swatch, kZone4Swatch}) {
        page->place<CVokCbnColorButton>(swatch)->setImages(
            skin.element(swatch, SkinState::Normal), skin.element(swatch, SkinState::Over),
            skin.element(swatch, SkinState::Down), skin.element(139, SkinState::Normal));
    }
    for (const PlacedControl& button : kPaletteButtons) {
        PlaceWithLooks<CVokButton>(*page, button);
    }
    for (const PlacedControl& box : kEffectButtons) {
        PlaceWithLooks<CVokCheckBox>(*page, box)->setChecked(box.id == kSolidButton.id);
    }
    PlaceWithLooks<CVokCheckBox>(*page, kColorShiftButton);
    PlaceWithLooks<CVokCheckBox>(*page, kSolidColorButton)->setChecked(true);
    const char* const values[] = {"255", "0", "0"};
    for (int channel = 0; channel < 3; ++channel) {
        auto* edit = page->place<CVokEdit>(kColorEdits[channel]);
        edit->setBackgroundImage(skin.element(kColorEdits[channel], SkinState::Normal));
        edit->setText(QString::fromLatin1(values[channel]));
    }
    auto* preview = page->place<PreviewStandIn>(kPreview);
    preview->setPicture(skin.element(kPreview.element, SkinState::Normal));
    return page;
}

GalleryPage* MacroPage(SkinResources& skin, const ReportLog& log, QWidget* parent) {
    GalleryPage* page = NewPage(QStringLiteral("macros"), 114, skin, log, parent);
    using namespace macro_page_layout;
    for (const PlacedControl& area : {kMacroList, kEventEditor}) {
        auto* list = page->place<CVokStatic>(area);
        list->setBackgroundImage(skin.element(area, SkinState::Normal));
        const QRect rect = ToQRect(area.rect);
        PlaceScrollBar(*page, area.id + 100,
                       QRect(rect.right() + 1 - scroll_layout::kSheet.width, rect.top(),
                             scroll_layout::kSheet.width, rect.height()))
            ->setRange(0, 20);
    }
    for (const PlacedControl& button : {kNewMacroButton, kDeleteButton, kStartRecordButton}) {
        PlaceWithLooks<CVokButton>(*page, button);
    }
    PlaceWithLooks<CVokCheckBox>(*page, kRecordDelayBox)->setChecked(true);
    PlaceWithLooks<CVokCheckBox>(*page, kRecordHoldBox);
    return page;
}

GalleryPage* SupportPage(SkinResources& skin, const ReportLog& log, QWidget* parent) {
    GalleryPage* page = NewPage(QStringLiteral("support"), 123, skin, log, parent);
    using namespace support_layout;
    for (const PlacedControl& button : kButtons) {
        PlaceWithLooks<CVokButton>(*page, button);
    }
    for (const PlacedControl& place : {kFirmwareVersionLabel, kSoftwareVersionLabel}) {
        auto* label = page->place<CVokStatic>(place);
        label->setBackgroundImage(skin.element(place, SkinState::Normal));
        label->setFontHeight(kSkinLabelFontHeight);
        label->setText(QStringLiteral("1.24"));
    }
    return page;
}

}  // namespace

std::vector<GalleryPage*> BuildPages(SkinResources& skin, const ReportLog& log, QWidget* parent) {
    return {MouseSettingsPage(skin, log, parent), SensorPage(skin, log, parent),
            LightingPage(skin, log, parent), MacroPage(skin, log, parent),
            SupportPage(skin, log, parent)};
}

}  // namespace tavro::gallery
