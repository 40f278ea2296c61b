#pragma once

#include <QImage>
#include <QRgb>
#include <QTimer>
#include <QWidget>

#include <array>

#include "lighting/lighting_animation.h"
#include "lighting/lighting_preview_painter.h"

namespace tavro {

// The lighting page's live preview (control 1085): the mouse picture over its two lit
// zones, animated by the effect and the colour cycle. Each zone has a working colour
// (what is shown, its alpha the effect's brightness) and a saved colour (what the colour
// cycle returns to). The animation and the colour cycle run only while the preview is
// on the screen: hiding the page or the window, or minimising it, stops them, showing
// it again resumes them; a tick that still arrives while hidden changes nothing.
class CLightingPreview : public QWidget {
    Q_OBJECT

public:
    // Both zones are lit in a colour at alpha 0 until a record is loaded, so nothing shows.
    static constexpr QRgb kInitialColour = 0x00A1FF22;

    CLightingPreview(int id, QWidget* parent,
                     LightingAnimation& animation = SharedLightingAnimation());

    void setPicture(const QImage& picture);

    QRgb workingColour(PreviewZone zone) const { return look_[zone].colour; }
    QRgb savedColour(PreviewZone zone) const { return saved_[static_cast<int>(zone)]; }
    bool isLit(PreviewZone zone) const { return look_[zone].lit; }
    const LightingPreviewLook& look() const { return look_; }

    void setWorkingColour(PreviewZone zone, QRgb argb);
    void setWorkingColours(QRgb argb);
    void setSavedColour(PreviewZone zone, QRgb argb);
    void setLit(PreviewZone zone, bool lit);
    void setBothLit(bool lit);
    void saveWorkingColours();
    void restoreSavedColours();

    // Stops the animation and starts the effect's; Solid makes both zones opaque.
    void setEffect(PreviewEffect effect);
    PreviewEffect effect() const { return effect_; }

    // The colour-cycling flag, kept for the page: while it is set the saved colours are
    // the ones the profile keeps.
    void setCyclesColours(bool cycles) { cyclesColours_ = cycles; }
    bool cyclesColours() const { return cyclesColours_; }
    void startColourCycle();
    void stopColourCycle();

    // The timers' handlers.
    void animate();
    void cycleColours();

    bool isAnimating() const { return animationTimer_.isActive(); }
    bool isCyclingColours() const { return cycleTimer_.isActive(); }
    int animationIntervalMs() const { return EffectIntervalMs(effect_); }
    bool isOnScreen() const { return onScreen_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void setAlpha(int alpha);
    void resumeTimers();

    LightingAnimation& animation_;
    LightingPreviewPicture picture_;
    LightingPreviewLook look_;
    std::array<QRgb, kPreviewZoneCount> saved_{kInitialColour, kInitialColour};
    PreviewEffect effect_ = PreviewEffect::Solid;
    bool cyclesColours_ = false;
    bool colourCycleWanted_ = false;
    bool onScreen_ = false;
    QTimer animationTimer_;
    QTimer cycleTimer_;
};

}  // namespace tavro
