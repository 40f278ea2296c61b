#include "lighting/lighting_preview.h"

#include <QPainter>

#include "skin/owner_notification.h"

namespace tavro {

namespace {

constexpr int kOpaque = 255;

QRgb WithAlpha(QRgb argb, int alpha) {
    return qRgba(qRed(argb), qGreen(argb), qBlue(argb), alpha);
}

}  // namespace

CLightingPreview::CLightingPreview(int id, QWidget* parent, LightingAnimation& animation)
    : QWidget(parent), animation_(animation) {
    SetControlId(this, id);
    // The preview covers its rectangle, so a frame repaints nothing of the page below.
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (LightingPreviewLook::Zone& zone : look_.zones) {
        zone = {kInitialColour, true};
    }
    connect(&animationTimer_, &QTimer::timeout, this, &CLightingPreview::animate);
    cycleTimer_.setInterval(kColourCycleIntervalMs);
    connect(&cycleTimer_, &QTimer::timeout, this, &CLightingPreview::cycleColours);
}

void CLightingPreview::setPicture(const QImage& picture) {
    picture_ = LightingPreviewPicture(picture);
    update();
}

void CLightingPreview::setWorkingColour(PreviewZone zone, QRgb argb) {
    if (look_[zone].colour == argb) {
        return;
    }
    look_[zone].colour = argb;
    update();
}

void CLightingPreview::setWorkingColours(QRgb argb) {
    setWorkingColour(PreviewZone::ScrollWheel, argb);
    setWorkingColour(PreviewZone::LogoType, argb);
}

void CLightingPreview::setSavedColour(PreviewZone zone, QRgb argb) {
    saved_[static_cast<int>(zone)] = argb;
}

void CLightingPreview::setLit(PreviewZone zone, bool lit) {
    if (look_[zone].lit == lit) {
        return;
    }
    look_[zone].lit = lit;
    update();
}

void CLightingPreview::setBothLit(bool lit) {
    setLit(PreviewZone::ScrollWheel, lit);
    setLit(PreviewZone::LogoType, lit);
}

void CLightingPreview::saveWorkingColours() {
    for (int i = 0; i < kPreviewZoneCount; ++i) {
        saved_[i] = look_.zones[i].colour;
    }
}

void CLightingPreview::restoreSavedColours() {
    for (int i = 0; i < kPreviewZoneCount; ++i) {
        setWorkingColour(static_cast<PreviewZone>(i), saved_[i]);
    }
}

void CLightingPreview::setEffect(PreviewEffect effect) {
    animationTimer_.stop();
    effect_ = effect;
    if (effect_ == PreviewEffect::Solid) {
        setAlpha(kOpaque);
        return;
    }
    animationTimer_.setInterval(EffectIntervalMs(effect_));
    resumeTimers();
}

void CLightingPreview::startColourCycle() {
    colourCycleWanted_ = true;
    resumeTimers();
}

void CLightingPreview::stopColourCycle() {
    colourCycleWanted_ = false;
    cycleTimer_.stop();
}

void CLightingPreview::animate() {
    if (!onScreen_) {
        return;
    }
    if (effect_ == PreviewEffect::Solid) {
        animationTimer_.stop();
        return;
    }
    setAlpha(animation_.NextEffectAlpha(effect_));
}

void CLightingPreview::cycleColours() {
    if (!onScreen_) {
        return;
    }
    const int alpha = qAlpha(look_[PreviewZone::ScrollWheel].colour);
    setWorkingColours(animation_.NextCycleColour().argb(static_cast<uint8_t>(alpha)));
}

void CLightingPreview::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintLightingPreview(painter, rect(), look_, picture_);
}

void CLightingPreview::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    onScreen_ = true;
    resumeTimers();
}

// Also reached, as a spontaneous event, when the window is minimised.
void CLightingPreview::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    onScreen_ = false;
    animationTimer_.stop();
    cycleTimer_.stop();
}

void CLightingPreview::setAlpha(int alpha) {
    for (int i = 0; i < kPreviewZoneCount; ++i) {
        const auto zone = static_cast<PreviewZone>(i);
        setWorkingColour(zone, WithAlpha(look_[zone].colour, alpha));
    }
}

void CLightingPreview::resumeTimers() {
    if (!onScreen_) {
        return;
    }
    if (effect_ != PreviewEffect::Solid && !animationTimer_.isActive()) {
        animationTimer_.start();
    }
    if (colourCycleWanted_ && !cycleTimer_.isActive()) {
        cycleTimer_.start();
    }
}

}  // namespace tavro
