#include "sensor/sensor_dlg.h"

#include <QPointer>

#include <algorithm>
#include <utility>

#include "buttons/popup_layout.h"
#include "buttons/zvr_combo_button.h"
#include "device/mouse_actions.h"
#include "profile/setting_rules.h"
#include "sensor/sensor_layout.h"
#include "sensor/sensor_values.h"
#include "sensor/vok_progress_ctrl.h"
#include "sensor/vok_slider_ctrl.h"
#include "sensor/vok_slider_ctrl_3d.h"
#include "skin/layout_qt.h"
#include "skin/owner_notification.h"
#include "skin/place_control.h"
#include "skin/skin_files.h"
#include "skin/skin_fonts.h"
#include "skin/skinned_menu.h"
#include "skin/vok_button.h"
#include "skin/vok_check_box.h"
#include "skin/vok_edit.h"
#include "skin/vok_static.h"

namespace tavro {

namespace {

using namespace sensor_layout;
namespace rules = setting_rules;

constexpr int kBackgroundElement = 49;
constexpr int kSliderThumbElement = 130;
constexpr int kSliderDisabledThumbElement = 131;
constexpr int kDpiThumbElements[] = {132, 133, 134};
constexpr int kSkinTextHeight = 13;
// Where the slider thumbs sit until the first profile is loaded.
constexpr int kInitialPointerSpeed = 6;
constexpr int kInitialLiftDistance = 1;
// The edit has no caption in the template; assistive tools read the words beside it.
constexpr const char* kDefinedValueName = "Defined value";
constexpr const char* kPageName = "Sensor Performance";

}  // namespace

CSensorDlg::CSensorDlg(SkinResources& skin, MouseActions& mouse, QWidget* parent)
    : CVokImageDialog(parent), skin_(skin), mouse_(mouse) {
    setBackground(skin_.element(kBackgroundElement, SkinState::Normal));
    setAccessibleName(QString::fromLatin1(kPageName));
    RegisterSkinFont(skin_.folder());
    buildControls();
}

void CSensorDlg::setMessageSink(MessageSink sink) {
    messageSink_ = std::move(sink);
}

void CSensorDlg::setPopupScheduler(CPopDlg::Scheduler scheduler) {
    popupScheduler_ = std::move(scheduler);
}

FourStateImages CSensorDlg::looks(const PlacedControl& placed) {
    return FourStateImages(skin_.element(placed, SkinState::Normal),
                           skin_.element(placed, SkinState::Over),
                           skin_.element(placed, SkinState::Down));
}

template <typename Control>
Control* CSensorDlg::place(const PlacedControl& placed) {
    return CreatePlaced<Control>(placed, this);
}

template <typename Control>
Control* CSensorDlg::placeWithLooks(const PlacedControl& placed) {
    auto* control = place<Control>(placed);
    control->setImages(looks(placed));
    return control;
}

CVokSliderCtrl3D* CSensorDlg::placeDpiSlider(const PlacedControl& placed) {
    auto* slider = place<CVokSliderCtrl3D>(placed);
    slider->setImages(skin_.element(placed, SkinState::Normal),
                      skin_.element(kDpiThumbElements[0], SkinState::Normal),
                      skin_.element(kDpiThumbElements[1], SkinState::Normal),
                      skin_.element(kDpiThumbElements[2], SkinState::Normal));
    slider->setRange(rules::kDpi.minimum, rules::kDpi.maximum, rules::kDpi.step);
    // The default levels until a profile is loaded.
    const ProfileRecord defaults;
    slider->setThumb(1, defaults.dpiX1, false);
    slider->setThumb(2, defaults.dpiX2, false);
    slider->setThumb(3, defaults.dpiX3, false);
    return slider;
}

CVokSliderCtrl* CSensorDlg::placeSlider(const PlacedControl& placed,
                                        const setting_rules::ValueRange& range, int position) {
    auto* slider = place<CVokSliderCtrl>(placed);
    const QImage thumb = skin_.element(kSliderThumbElement, SkinState::Normal);
    slider->setImages(skin_.element(placed, SkinState::Normal), thumb, thumb,
                      skin_.element(kSliderDisabledThumbElement, SkinState::Normal));
    slider->setRange(range.minimum, range.maximum, range.step);
    slider->setValue(position);
    return slider;
}

CVokStatic* CSensorDlg::placeStepLabel(const PlacedControl& placed, NormalAndDown& looks) {
    auto* label = place<CVokStatic>(placed);
    label->setFontHeight(kSkinTextHeight);
    label->setCentred(true);
    looks = {skin_.element(placed, SkinState::Normal), skin_.element(placed, SkinState::Down)};
    return label;
}

void CSensorDlg::buildControls() {
    // Created in the order Tab visits them: the DPI levels, the options beside them, then
    // the surface, pointer speed and lift-off cards.
    separateBox_ = placeWithLooks<CVokCheckBox>(kSeparateBox);
    xSlider_ = placeDpiSlider(kXSlider);
    ySlider_ = placeDpiSlider(kYSlider);
    definedModeBox_ = placeWithLooks<CVokCheckBox>(kDefinedModeBox);

    angleSnap_ = place<CZVRComboButton>(kAngleSnapButton);
    const FourStateImages snapLooks = looks(kAngleSnapButton);
    angleSnap_->setImages(snapLooks[SkinState::Normal], snapLooks[SkinState::Over],
                          snapLooks[SkinState::Down]);
    angleSnap_->useSkinFont();
    for (int level = rules::kAngleSnap.minimum; level <= rules::kAngleSnap.maximum; ++level) {
        angleSnap_->addEntry(level, QString::number(level));
    }
    angleSnap_->sizeMenu();
    angleSnap_->setAssignment(angleSnap_->captionOf(rules::kAngleSnap.minimum),
                              rules::kAngleSnap.minimum, 0);

    definedValue_ = place<CZVRNUMEdit>(kDefinedValueEdit);
    definedValue_->setAccessibleName(QString::fromLatin1(kDefinedValueName));
    definedValue_->setBackgroundImage(skin_.element(kDefinedValueEdit, SkinState::Normal));
    definedValue_->setFontHeight(kSkinTextHeight);

    for (size_t level = 0; level < kXStepLabels.size(); ++level) {
        xStepLabels_[level] = placeStepLabel(kXStepLabels[level], xStepLooks_[level]);
        xyStepLabels_[level] = placeStepLabel(kXYStepLabels[level], xyStepLooks_[level]);
        // Image 0 shows the joined axes, image 1 the separate ones.
        axisPictures_[level] = place<CVokStatic>(kAxisPictures[level]);
        axisPictures_[level]->appendImage(skin_.element(kAxisPictures[level], SkinState::Normal));
        axisPictures_[level]->appendImage(skin_.element(kAxisPictures[level], SkinState::Down));
    }

    qualityBar_ = place<CVokProgressCtrl>(kQualityBar);
    qualityBar_->setImages(skin_.element(kQualityBar, SkinState::Normal),
                           skin_.element(kQualityBar, SkinState::Down));
    qualityBar_->setVertical(true);
    qualityBar_->setRange(0, kMaxSurfaceLevel);
    qualityBar_->setPosition(0);

    // Picture n shows level n; the first is also the field's background.
    surfacePicture_ = place<CVokStatic>(kSurfacePicture);
    const QImage levelZero = skin_.picture(SurfacePictureName(0));
    surfacePicture_->setBackgroundImage(levelZero);
    surfacePicture_->appendImage(levelZero);
    for (int level = 1; level < kSurfaceLevelCount; ++level) {
        surfacePicture_->appendImage(skin_.picture(SurfacePictureName(level)));
    }
    surfacePicture_->setImageIndex(0);

    placeWithLooks<CVokButton>(kAnalyzeButton);
    pointerSpeed_ = placeSlider(kPointerSpeedSlider, rules::kPointerSpeed, kInitialPointerSpeed);
    liftDistance_ = placeSlider(kLiftDistanceSlider, rules::kLiftDistance, kInitialLiftDistance);
    placeWithLooks<CVokButton>(kTestButton);
    placeWithLooks<CVokButton>(kSaveButton);

    showAxesArea();
    showStepValues();
}

void CSensorDlg::LoadRecord(const ProfileRecord& record) {
    separateBox_->setChecked(record.xySeparate != 0);
    definedModeBox_->setChecked(record.definedMode != 0);

    // A value from a file the pages did not write is brought into the slider's range, so
    // the thumb stays on its track.
    pointerSpeed_->setValue(rules::kPointerSpeed.Clamp(record.pointerSpeed));
    liftDistance_->setValue(rules::kLiftDistance.Clamp(record.liftDistance));

    showSurfaceLevel(record.surfaceLevel);

    // Clamped into the range by the sliders, not rounded to the step. X first: with the
    // axes joined each Y level loaded afterwards is copied back to X.
    xSlider_->setThumb(1, record.dpiX1, true);
    xSlider_->setThumb(2, record.dpiX2, true);
    xSlider_->setThumb(3, record.dpiX3, true);
    ySlider_->setThumb(1, record.dpiY1, true);
    ySlider_->setThumb(2, record.dpiY2, true);
    ySlider_->setThumb(3, record.dpiY3, true);

    // Cut to the edit's three characters, a value outside −30 … 30 would turn into an
    // unrelated one (100 into 10); it shows as the nearest end instead.
    definedValue_->setText(QString::number(rules::kDefinedValue.Clamp(record.definedValue)));

    // An unknown level leaves the previous choice.
    if (angleSnap_->menu()->findEntry(record.angleSnap) != nullptr) {
        angleSnap_->setAssignment(angleSnap_->captionOf(record.angleSnap), record.angleSnap,
                                  angleSnap_->parameter());
    }
}

void CSensorDlg::StoreRecord(ProfileRecord& record) {
    record.xySeparate = separateBox_->isChecked() ? 1 : 0;
    record.definedMode = definedModeBox_->isChecked() ? 1 : 0;
    record.pointerSpeed = static_cast<uint8_t>(pointerSpeed_->value());
    record.liftDistance = static_cast<uint8_t>(liftDistance_->value());
    record.surfaceLevel = static_cast<int16_t>(qualityBar_->position());
    record.dpiX1 = static_cast<int16_t>(xSlider_->thumbValue(1));
    record.dpiY1 = static_cast<int16_t>(ySlider_->thumbValue(1));
    record.dpiX2 = static_cast<int16_t>(xSlider_->thumbValue(2));
    record.dpiY2 = static_cast<int16_t>(ySlider_->thumbValue(2));
    record.dpiX3 = static_cast<int16_t>(xSlider_->thumbValue(3));
    record.dpiY3 = static_cast<int16_t>(ySlider_->thumbValue(3));
    record.angleSnap = static_cast<uint8_t>(angleSnap_->code());
    record.definedValue = rules::DefinedValueFromText(definedValue_->text().toStdString());
}

void CSensorDlg::OnPagesLoaded() {
    // Only the area follows the loaded flag: copying X into Y, as a click on the box
    // does, would throw away the separate Y levels the profile was just loaded with.
    showAxesArea();
}

void CSensorDlg::onNotify(int id, int value) {
    if (id == kXSlider.id || id == kYSlider.id) {
        if (!axesSeparate()) {
            const bool fromX = id == kXSlider.id;
            copyThumbs(fromX ? *xSlider_ : *ySlider_, fromX ? *ySlider_ : *xSlider_);
        }
        showStepValues();
    } else if (id == kDefinedValueEdit.id && value == CVokEdit::kTextChanged) {
        normaliseDefinedValue();
    } else if (id == kTopMostRequestId) {
        // The angle-snapping menu asks the main window to stay on top while it hides.
        NotifyOwner(parentWidget(), id, value);
    }
}

void CSensorDlg::onCommand(int id) {
    if (id == kSeparateBox.id) {
        onSeparationToggled();
    } else if (id == kAnalyzeButton.id) {
        analyseSurface();
    } else if (id == kTestButton.id) {
        sendLiftDistance(false);
    } else if (id == kSaveButton.id) {
        sendLiftDistance(true);
    }
}

bool CSensorDlg::axesSeparate() const {
    return separateBox_->isChecked();
}

void CSensorDlg::copyThumbs(const CVokSliderCtrl3D& from, CVokSliderCtrl3D& to) {
    for (int thumb = 1; thumb <= CVokSliderCtrl3D::kThumbCount; ++thumb) {
        to.setThumb(thumb, from.thumbValue(thumb), false);
    }
}

void CSensorDlg::onSeparationToggled() {
    // Switched either way, Y starts equal to X. Written without reports: a report of Y's
    // first thumb would copy Y's other two, not yet written, back over X.
    copyThumbs(*xSlider_, *ySlider_);
    showStepValues();
    showAxesArea();
}

void CSensorDlg::showAxesArea() {
    const bool separate = axesSeparate();
    for (size_t level = 0; level < axisPictures_.size(); ++level) {
        axisPictures_[level]->setImageIndex(separate ? 1 : 0);
        const NormalAndDown& xLooks = xStepLooks_[level];
        xStepLabels_[level]->setBackgroundImage(separate ? xLooks.down : xLooks.normal);
        xStepLabels_[level]->setVisible(separate);
        const NormalAndDown& xyLooks = xyStepLooks_[level];
        xyStepLabels_[level]->setBackgroundImage(separate ? xyLooks.down : xyLooks.normal);
    }
    update();
}

void CSensorDlg::showStepValues() {
    // The X row shows only with the axes separate; joined, the one row shows the common
    // levels, which are Y's.
    for (size_t level = 0; level < xStepLabels_.size(); ++level) {
        const int thumb = static_cast<int>(level) + 1;
        xStepLabels_[level]->setText(QString::number(xSlider_->thumbValue(thumb)));
        xyStepLabels_[level]->setText(QString::number(ySlider_->thumbValue(thumb)));
    }
}

void CSensorDlg::normaliseDefinedValue() {
    const QString text = definedValue_->text();
    const QString normalised =
        QString::fromStdString(rules::NormaliseDefinedValueText(text.toStdString()));
    if (normalised == text) {
        return;
    }
    // Reports the change again, which finds the text normalised.
    definedValue_->setText(normalised);
    definedValue_->setCursorPosition(static_cast<int>(normalised.size()));
}

void CSensorDlg::showSurfaceLevel(int level) {
    level = std::clamp(level, 0, kMaxSurfaceLevel);
    qualityBar_->setPosition(level);
    surfacePicture_->setImageIndex(level);
}

void CSensorDlg::analyseSurface() {
    if (askingMouse_) {
        return;
    }
    qualityBar_->setPosition(0);
    const QPointer<CSensorDlg> self(this);
    askingMouse_ = true;
    // On the heap: should the window go while the pop-up runs, the pop-up goes with it.
    const QPointer<CPopDlg> start(new CPopDlg(popup_layout::kSurfaceStart, this, skin_));
    start->setMouseActions(mouse_);
    start->setMessageSink(messageSink_);
    start->setScheduler(popupScheduler_);
    const int result = start->run();
    delete start.data();
    if (self == nullptr) {
        return;
    }
    if (result != CPopDlg::kConfirmed) {
        askingMouse_ = false;
        return;
    }
    uint8_t quality = 0;
    const DeviceResult read = mouse_.ReadSurfaceQuality(quality);
    if (self == nullptr) {
        return;
    }
    askingMouse_ = false;
    // A read that failed measured nothing: showing level 0 would tell the user the
    // surface cannot be tracked.
    if (read != DeviceResult::kDone) {
        showMessage(kMouseNotFound);
        return;
    }
    showSurfaceLevel(SurfaceLevelFromQuality(quality));
}

void CSensorDlg::sendLiftDistance(bool save) {
    if (askingMouse_) {
        return;
    }
    const QPointer<CSensorDlg> self(this);
    askingMouse_ = true;
    const bool found = mouse_.deviceFound() || mouse_.FindDevice();
    if (self == nullptr) {
        return;
    }
    if (!found) {
        askingMouse_ = false;
        return;  // no mouse, nothing to say
    }
    const uint8_t distance = LiftDistanceForCommand(liftDistance_->value());
    const DeviceResult result =
        save ? mouse_.SaveLiftDistance(distance) : mouse_.TestLiftDistance(distance);
    if (self == nullptr) {
        return;
    }
    askingMouse_ = false;
    if (result != DeviceResult::kDone) {
        showMessage(save ? kSaveFailed : kTestFailed);
    }
}

void CSensorDlg::showMessage(const char* text) {
    if (messageSink_) {
        messageSink_(this, QString::fromLatin1(text));
    }
}

}  // namespace tavro
