#pragma once

#include <QImage>
#include <QWidget>

#include <array>

#include "buttons/pop_dlg.h"
#include "profile/profile_page.h"
#include "profile/setting_rules.h"
#include "skin/image_set.h"
#include "skin/layout_rect.h"
#include "skin/message_box.h"
#include "skin/skin_resources.h"
#include "skin/vok_image_dialog.h"

namespace tavro {

class CVokButton;
class CVokCheckBox;
class CVokProgressCtrl;
class CVokSliderCtrl;
class CVokSliderCtrl3D;
class CVokStatic;
class CZVRComboButton;
class CZVRNUMEdit;
class MouseActions;

// The sensor page: three DPI levels per axis (the Y slider follows the X slider until
// the axes are separated), angle snapping, the defined mode and its value, pointer speed
// and lift-off distance, and the last surface-quality level. Its three buttons work with
// the mouse directly: "Analyze Surface" runs the guided measurement in the pop-up's three
// steps, "Test" and "Save" send the lift-off distance. Those go through `mouse`, whose
// calls may run a local event loop; a second press while one runs is ignored.
//
// It reacts to every edit at once and runs no timer, so nothing happens while it is
// hidden.
class CSensorDlg : public CVokImageDialog, public ProfilePage {
    Q_OBJECT

public:
    static constexpr const char* kTestFailed = "Test_LOD failed.";
    static constexpr const char* kSaveFailed = "Save_LOD failed.";
    static constexpr const char* kMouseNotFound = CPopDlg::kMouseNotFound;

    CSensorDlg(SkinResources& skin, MouseActions& mouse, QWidget* parent = nullptr);

    // Where "Test_LOD failed.", "Save_LOD failed." and the analysis pop-ups' messages go;
    // a message box by default.
    void setMessageSink(MessageSink sink);
    // The analysis pop-ups' timers; Qt's by default.
    void setPopupScheduler(CPopDlg::Scheduler scheduler);

    void LoadRecord(const ProfileRecord& record) override;
    void StoreRecord(ProfileRecord& record) override;
    // Shows the X/Y area of the loaded separation flag.
    void OnPagesLoaded() override;

protected:
    void onNotify(int id, int value) override;
    void onCommand(int id) override;

private:
    // A look cut from the Normal sheet and the same place in the Down sheet.
    struct NormalAndDown {
        QImage normal;
        QImage down;
    };

    FourStateImages looks(const PlacedControl& placed);
    template <typename Control>
    Control* place(const PlacedControl& placed);
    template <typename Control>
    Control* placeWithLooks(const PlacedControl& placed);
    CVokSliderCtrl3D* placeDpiSlider(const PlacedControl& placed);
    CVokSliderCtrl* placeSlider(const PlacedControl& placed, const setting_rules::ValueRange& range,
                                int position);
    CVokStatic* placeStepLabel(const PlacedControl& placed, NormalAndDown& looks);
    void buildControls();

    bool axesSeparate() const;
    // Writes the levels of `from` into `to` without a report.
    void copyThumbs(const CVokSliderCtrl3D& from, CVokSliderCtrl3D& to);
    void onSeparationToggled();
    void showAxesArea();
    void showStepValues();
    void normaliseDefinedValue();
    void showSurfaceLevel(int level);

    void analyseSurface();
    void sendLiftDistance(bool save);
    void showMessage(const char* text);

    SkinResources& skin_;
    MouseActions& mouse_;
    MessageSink messageSink_ = ShowMessageBox;
    CPopDlg::Scheduler popupScheduler_;  // empty: Qt's timers
    bool askingMouse_ = false;           // an analysis, test or save runs

    CVokCheckBox* separateBox_ = nullptr;
    CVokCheckBox* definedModeBox_ = nullptr;
    CVokSliderCtrl3D* xSlider_ = nullptr;
    CVokSliderCtrl3D* ySlider_ = nullptr;
    CZVRComboButton* angleSnap_ = nullptr;
    CZVRNUMEdit* definedValue_ = nullptr;
    std::array<CVokStatic*, 3> xStepLabels_{};
    std::array<CVokStatic*, 3> xyStepLabels_{};
    std::array<NormalAndDown, 3> xStepLooks_;
    std::array<NormalAndDown, 3> xyStepLooks_;
    std::array<CVokStatic*, 3> axisPictures_{};
    CVokSliderCtrl* pointerSpeed_ = nullptr;
    CVokSliderCtrl* liftDistance_ = nullptr;
    CVokProgressCtrl* qualityBar_ = nullptr;
    CVokStatic* surfacePicture_ = nullptr;
};

}  // namespace tavro
