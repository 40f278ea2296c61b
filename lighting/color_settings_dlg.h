#pragma once

#include <QString>

#include <array>
#include <functional>

#include "lighting/lighting_animation.h"
#include "profile/lighting_colour.h"
#include "profile/profile_page.h"
#include "skin/skin_resources.h"
#include "skin/vok_image_dialog.h"

namespace tavro {

class CLightingPreview;
class CVokButton;
class CVokCbnColorButton;
class CVokCheckBox;
class CVokEdit;

// The lighting page (template 131) under the "Color Settings" tab: whether the lights
// are on, off or on for chosen zones, the effect, a fixed colour or the colour cycle
// ("Color Shift"), and the zone colours, with a live preview of the mouse. It moves
// values between its controls and a profile record only when asked (ProfilePage), and
// stores itself into the main window's current record when Enter is pressed on it.
//
// Of the mouse's four zones the page edits 1 (scroll wheel) and 4 (logo); zones 2 and 3
// keep their colours.
class CColorSettingsDlg : public CVokImageDialog, public ProfilePage {
    Q_OBJECT

public:
    // The record the main window is editing; null when there is none.
    using CurrentRecordSource = std::function<ProfileRecord*()>;

    explicit CColorSettingsDlg(QWidget* parent = nullptr,
                               SkinResources& skin = SkinResources::Shared(),
                               LightingAnimation& animation = SharedLightingAnimation());

    // Where Enter on the page stores it: before the key's ordinary handling, the page
    // is stored into this record.
    void setCurrentRecordSource(CurrentRecordSource source);

    void LoadRecord(const ProfileRecord& record) override;
    void StoreRecord(ProfileRecord& record) override;

protected:
    void onNotify(int id, int value) override;
    void onCommand(int id) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    enum class Mode { On, Off, Select };

    void buildControls();
    template <typename Control>
    Control* place(const PlacedControl& control);
    template <typename Control>
    Control* placeWithLooks(const PlacedControl& control);
    CVokCbnColorButton* placeSwatch(const PlacedControl& control, const QString& description);

    void selectMode(Mode mode);
    void showZoneControls();
    void hideZoneControls();
    void selectEffect(int index);
    void selectColourKind(bool colourShift);
    void applyPaletteColour(LightingColour colour);
    void writeColorEdits(LightingColour colour);
    void checkColorEdits();
    void takeSwatchColour(int id, uint32_t recordColour);

    SkinResources& skin_;
    std::array<CVokButton*, 3> modeButtons_{};
    CVokCheckBox* zone1Box_ = nullptr;
    CVokCheckBox* zone4Box_ = nullptr;
    CVokCheckBox* zone2Box_ = nullptr;
    CVokCheckBox* zone3Box_ = nullptr;
    CVokCbnColorButton* zone1Swatch_ = nullptr;
    CVokCbnColorButton* zone4Swatch_ = nullptr;
    CVokButton* zone2Swatch_ = nullptr;
    CVokButton* zone3Swatch_ = nullptr;
    std::array<CVokButton*, 4> effectButtons_{};
    CVokButton* colorShiftButton_ = nullptr;
    CVokButton* solidColorButton_ = nullptr;
    std::array<CVokButton*, 20> paletteButtons_{};
    std::array<CVokEdit*, 3> colorEdits_{};
    CLightingPreview* preview_ = nullptr;

    // The edits' texts at their last check; what the page writes itself counts as seen.
    std::array<QString, 3> seenTexts_;
    bool checkingEdits_ = false;
    CurrentRecordSource currentRecord_;
};

}  // namespace tavro
