#include "lighting/color_settings_dlg.h"

#include <QKeyEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include "lighting/color_panel.h"
#include "lighting/lighting_layout.h"
#include "lighting/lighting_palette.h"
#include "lighting/lighting_preview.h"
#include "lighting/vok_cbn_color_button.h"
#include "profile/setting_rules.h"
#include "skin/layout_qt.h"
#include "skin/vok_button.h"
#include "skin/vok_check_box.h"
#include "skin/vok_edit.h"

namespace tavro {

namespace {

namespace layout = lighting_layout;
using namespace setting_rules;

constexpr int kMousePictureElement = layout::kPreview.element;
constexpr int kColorPanelElement = 139;
constexpr int kChannelDigits = 3;

// The template leaves the colour edits without captions; these name them.
const char* const kChannelNames[3] = {"Red", "Green", "Blue"};

QString ColourDescription(LightingColour colour) {
    return QStringLiteral("Red %1, green %2, blue %3")
        .arg(colour.red)
        .arg(colour.green)
        .arg(colour.blue);
}

int IndexOfId(const auto& controls, int id) {
    for (size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].id == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace

CColorSettingsDlg::CColorSettingsDlg(QWidget* parent, SkinResources& skin,
                                     LightingAnimation& animation)
    : CVokImageDialog(parent), skin_(skin) {
    setBackground(skin_.element(72, SkinState::Normal));
    buildControls();
    preview_ = new CLightingPreview(layout::kPreview.id, this, animation);
    preview_->setGeometry(ToQRect(layout::kPreview.rect));
    preview_->setAccessibleName(QString::fromLatin1(layout::kPreview.caption));
    preview_->setPicture(skin_.element(kMousePictureElement, SkinState::Normal));

    modeButtons_[static_cast<int>(Mode::On)]->setSelected(true);
    effectButtons_[0]->setSelected(true);
    solidColorButton_->setSelected(true);
    hideZoneControls();
}

void CColorSettingsDlg::setCurrentRecordSource(CurrentRecordSource source) {
    currentRecord_ = std::move(source);
}

template <typename Control>
Control* CColorSettingsDlg::place(const PlacedControl& control) {
    auto* widget = new Control(control.id, this);
    widget->setGeometry(ToQRect(control.rect));
    widget->setAccessibleName(QString::fromLatin1(control.caption));
    widget->installEventFilter(this);
    return widget;
}

template <typename Control>
Control* CColorSettingsDlg::placeWithLooks(const PlacedControl& control) {
    auto* widget = place<Control>(control);
    widget->setImages(
        {skin_.element(control, SkinState::Normal), skin_.element(control, SkinState::Over),
         skin_.element(control, SkinState::Down), skin_.element(control, SkinState::Disable)});
    return widget;
}

CVokCbnColorButton* CColorSettingsDlg::placeSwatch(const PlacedControl& control,
                                                   const QString& description) {
    auto* swatch = place<CVokCbnColorButton>(control);
    swatch->setImages(skin_.element(control, SkinState::Normal),
                      skin_.element(control, SkinState::Over),
                      skin_.element(control, SkinState::Down),
                      skin_.element(kColorPanelElement, SkinState::Normal));
    swatch->setAccessibleDescription(description);
    return swatch;
}

// Created in the order the keyboard moves through them: left column, then right.
void CColorSettingsDlg::buildControls() {
    for (size_t i = 0; i < layout::kModeButtons.size(); ++i) {
        modeButtons_[i] = placeWithLooks<CVokButton>(layout::kModeButtons[i]);
    }
    zone1Swatch_ = placeSwatch(layout::kZone1Swatch, QStringLiteral("Colour of the scroll wheel"));
    zone1Box_ = placeWithLooks<CVokCheckBox>(layout::kZone1Box);
    zone4Swatch_ = placeSwatch(layout::kZone4Swatch, QStringLiteral("Colour of the logo"));
    zone4Box_ = placeWithLooks<CVokCheckBox>(layout::kZone4Box);

    // Zones 2 and 3 keep their controls, hidden for good; their boxes have only the
    // disabled look.
    const auto placeHiddenBox = [this](const PlacedControl& control) {
        auto* box = place<CVokCheckBox>(control);
        box->setImages({QImage(), QImage(), QImage(), skin_.element(control, SkinState::Disable)});
        box->setEnabled(false);
        box->hide();
        return box;
    };
    zone2Box_ = placeHiddenBox(layout::kZone2Box);
    zone3Box_ = placeHiddenBox(layout::kZone3Box);
    zone2Swatch_ = place<CVokButton>(layout::kZone2Swatch);
    zone3Swatch_ = place<CVokButton>(layout::kZone3Swatch);
    zone2Swatch_->hide();
    zone3Swatch_->hide();

    for (size_t i = 0; i < layout::kEffectButtons.size(); ++i) {
        effectButtons_[i] = placeWithLooks<CVokButton>(layout::kEffectButtons[i]);
    }
    colorShiftButton_ = placeWithLooks<CVokButton>(layout::kColorShiftButton);
    solidColorButton_ = placeWithLooks<CVokButton>(layout::kSolidColorButton);
    for (size_t i = 0; i < layout::kPaletteButtons.size(); ++i) {
        paletteButtons_[i] = placeWithLooks<CVokButton>(layout::kPaletteButtons[i]);
        paletteButtons_[i]->setAccessibleDescription(ColourDescription(kLightingPalette[i]));
    }
    for (size_t i = 0; i < layout::kColorEdits.size(); ++i) {
        CVokEdit* edit = place<CVokEdit>(layout::kColorEdits[i]);
        edit->setAccessibleName(QString::fromLatin1(kChannelNames[i]));
        edit->setBackgroundImage(skin_.element(layout::kColorEdits[i], SkinState::Normal));
        // Digits only, of any length: the check keeps the last three.
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
        colorEdits_[i] = edit;
    }
}

void CColorSettingsDlg::LoadRecord(const ProfileRecord& record) {
    const int32_t mode = record.lightingMode;
    CVokButton* on = modeButtons_[static_cast<int>(Mode::On)];
    CVokButton* off = modeButtons_[static_cast<int>(Mode::Off)];
    CVokButton* select = modeButtons_[static_cast<int>(Mode::Select)];
    on->setSelected(mode == kLightingAllOn);
    if (mode == kLightingAllOn) {
        preview_->setBothLit(true);
    }
    off->setSelected(mode == kLightingOff);
    if (mode == kLightingOff) {
        preview_->setBothLit(false);
    }
    if (IsChosenZonesMode(mode)) {
        showZoneControls();
        select->setSelected(true);
        zone1Box_->setChecked(LightsZone1(mode));
        zone4Box_->setChecked(LightsZone4(mode));
        preview_->setLit(PreviewZone::ScrollWheel, LightsZone1(mode));
        preview_->setLit(PreviewZone::LogoType, LightsZone4(mode));
    } else {
        hideZoneControls();
        select->setSelected(false);
    }

    selectColourKind(HasColorShift(record.lightingParam));

    for (CVokButton* button : effectButtons_) {
        button->setSelected(false);
    }
    const int32_t effect = EffectOf(record.lightingParam);
    for (size_t i = 0; i < kEffects.size(); ++i) {
        if (kEffects[i].value == effect) {
            selectEffect(static_cast<int>(i));
        }
    }

    applyPaletteColour(LightingColour::FromRecord(record.zoneColor4));
    const struct {
        PreviewZone zone;
        uint32_t colour;
    } zones[] = {{PreviewZone::ScrollWheel, record.zoneColor1},
                 {PreviewZone::LogoType, record.zoneColor4}};
    for (const auto& zone : zones) {
        const QRgb working = LightingColour::FromRecord(zone.colour).argb();
        preview_->setWorkingColour(zone.zone, working);
        preview_->setSavedColour(zone.zone, working);
    }
}

void CColorSettingsDlg::StoreRecord(ProfileRecord& record) {
    if (modeButtons_[static_cast<int>(Mode::On)]->isSelected()) {
        record.lightingMode = kLightingAllOn;
    } else if (modeButtons_[static_cast<int>(Mode::Off)]->isSelected()) {
        record.lightingMode = kLightingOff;
    } else if (modeButtons_[static_cast<int>(Mode::Select)]->isSelected()) {
        record.lightingMode = ChosenZonesMode(zone1Box_->isChecked(), zone4Box_->isChecked());
    } else {
        record.lightingMode = kLightingOff;
    }

    int32_t effect = 0;
    for (size_t i = 0; i < effectButtons_.size(); ++i) {
        if (effectButtons_[i]->isSelected()) {
            effect = kEffects[i].value;
            break;
        }
    }
    record.lightingParam = LightingParam(effect, colorShiftButton_->isSelected());

    // While the colour cycles, the profile keeps the colours from before (or a swatch's).
    const auto kept = [this](PreviewZone zone) {
        const QRgb shown =
            preview_->cyclesColours() ? preview_->savedColour(zone) : preview_->workingColour(zone);
        return LightingColour::FromArgb(shown).recordForm();
    };
    record.zoneColor1 = kept(PreviewZone::ScrollWheel);
    record.zoneColor4 = kept(PreviewZone::LogoType);
}

void CColorSettingsDlg::onNotify(int id, int value) {
    if (id == layout::kZone1Swatch.id || id == layout::kZone4Swatch.id) {
        takeSwatchColour(id, static_cast<uint32_t>(value));
    } else if (IndexOfId(layout::kColorEdits, id) >= 0 && value == CVokEdit::kTextChanged) {
        checkColorEdits();
    }
}

// A click on the button already chosen in its group changes nothing: choosing again
// would clear the zone boxes or overwrite the colours the profile keeps.
void CColorSettingsDlg::onCommand(int id) {
    if (const int mode = IndexOfId(layout::kModeButtons, id); mode >= 0) {
        if (!modeButtons_[mode]->isSelected()) {
            selectMode(static_cast<Mode>(mode));
        }
    } else if (id == layout::kZone1Box.id) {
        preview_->setLit(PreviewZone::ScrollWheel, zone1Box_->isChecked());
    } else if (id == layout::kZone4Box.id) {
        preview_->setLit(PreviewZone::LogoType, zone4Box_->isChecked());
    } else if (const int effect = IndexOfId(layout::kEffectButtons, id); effect >= 0) {
        if (!effectButtons_[effect]->isSelected()) {
            selectEffect(effect);
        }
    } else if (id == layout::kColorShiftButton.id) {
        if (!colorShiftButton_->isSelected()) {
            selectColourKind(true);
        }
    } else if (id == layout::kSolidColorButton.id) {
        if (!solidColorButton_->isSelected()) {
            selectColourKind(false);
        }
    } else if (const int colour = IndexOfId(layout::kPaletteButtons, id); colour >= 0) {
        applyPaletteColour(kLightingPalette[colour]);
    }
}

bool CColorSettingsDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && currentRecord_) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (ProfileRecord* record = currentRecord_()) {
                StoreRecord(*record);
            }
        }
    }
    return CVokImageDialog::eventFilter(watched, event);
}

void CColorSettingsDlg::hideEvent(QHideEvent* event) {
    CVokImageDialog::hideEvent(event);
    for (CVokCbnColorButton* swatch : {zone1Swatch_, zone4Swatch_}) {
        swatch->panel()->hide();
    }
}

void CColorSettingsDlg::selectMode(Mode mode) {
    for (size_t i = 0; i < modeButtons_.size(); ++i) {
        modeButtons_[i]->setSelected(static_cast<Mode>(i) == mode);
    }
    if (mode == Mode::Select) {
        showZoneControls();
    } else {
        hideZoneControls();
    }
    preview_->setBothLit(mode == Mode::On);
}

void CColorSettingsDlg::showZoneControls() {
    zone1Box_->setChecked(false);
    zone4Box_->setChecked(false);
    for (QWidget* control :
         std::initializer_list<QWidget*>{zone1Box_, zone4Box_, zone1Swatch_, zone4Swatch_}) {
        control->show();
    }
    for (CVokCheckBox* box : {zone2Box_, zone3Box_}) {
        box->setChecked(false);
        box->hide();
    }
    zone2Swatch_->hide();
    zone3Swatch_->hide();
}

// A swatch's open panel closes with it.
void CColorSettingsDlg::hideZoneControls() {
    for (QWidget* control :
         std::initializer_list<QWidget*>{zone1Box_, zone4Box_, zone1Swatch_, zone4Swatch_}) {
        control->hide();
    }
    for (CVokCbnColorButton* swatch : {zone1Swatch_, zone4Swatch_}) {
        swatch->panel()->hide();
    }
}

void CColorSettingsDlg::selectEffect(int index) {
    for (size_t i = 0; i < effectButtons_.size(); ++i) {
        effectButtons_[i]->setSelected(static_cast<int>(i) == index);
    }
    preview_->setEffect(static_cast<PreviewEffect>(index));
}

// Color Shift keeps the colours shown so far as the profile's and cycles; Solid Color
// shows the kept colours again.
void CColorSettingsDlg::selectColourKind(bool colourShift) {
    colorShiftButton_->setSelected(colourShift);
    solidColorButton_->setSelected(!colourShift);
    for (CVokButton* button : paletteButtons_) {
        button->setEnabled(!colourShift);
    }
    preview_->stopColourCycle();
    preview_->setCyclesColours(colourShift);
    if (colourShift) {
        preview_->saveWorkingColours();
        preview_->startColourCycle();
    } else {
        preview_->restoreSavedColours();
    }
}

// Works in every mode; the edits show the colour's parts.
void CColorSettingsDlg::applyPaletteColour(LightingColour colour) {
    preview_->setWorkingColours(colour.argb());
    writeColorEdits(colour);
}

void CColorSettingsDlg::writeColorEdits(LightingColour colour) {
    const uint8_t channels[3] = {colour.red, colour.green, colour.blue};
    checkingEdits_ = true;
    for (size_t i = 0; i < colorEdits_.size(); ++i) {
        colorEdits_[i]->setText(QString::number(channels[i]));
        seenTexts_[i] = colorEdits_[i]->text();
    }
    checkingEdits_ = false;
}

// Each change of an edit's text: first the three texts are normalised in the order red,
// green, blue; then, if they differ from what was last seen and "ON" is chosen, both
// zones take their colour.
void CColorSettingsDlg::checkColorEdits() {
    if (checkingEdits_) {
        return;
    }
    checkingEdits_ = true;
    std::array<QString, 3> texts;
    for (size_t i = 0; i < colorEdits_.size(); ++i) {
        CVokEdit* edit = colorEdits_[i];
        const QString normalised =
            QString::fromStdString(NormaliseColorChannelText(edit->text().toStdString()));
        if (normalised != edit->text()) {
            edit->setText(normalised);
            edit->setCursorPosition(kChannelDigits);
        }
        texts[i] = normalised;
    }
    checkingEdits_ = false;
    if (texts == seenTexts_) {
        return;
    }
    seenTexts_ = texts;
    if (!modeButtons_[static_cast<int>(Mode::On)]->isSelected()) {
        return;
    }
    const LightingColour colour{ColorChannelFromText(texts[0].toStdString()),
                                ColorChannelFromText(texts[1].toStdString()),
                                ColorChannelFromText(texts[2].toStdString())};
    preview_->setWorkingColours(colour.argb());
}

void CColorSettingsDlg::takeSwatchColour(int id, uint32_t recordColour) {
    const PreviewZone zone =
        id == layout::kZone1Swatch.id ? PreviewZone::ScrollWheel : PreviewZone::LogoType;
    const QRgb working = LightingColour::FromRecord(recordColour).argb();
    preview_->setWorkingColour(zone, working);
    preview_->setSavedColour(zone, working);
}

}  // namespace tavro
