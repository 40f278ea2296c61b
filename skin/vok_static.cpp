#include "skin/vok_static.h"

#include <QMouseEvent>
#include <QPainter>

#include "skin/image_set.h"
#include "skin/owner_notification.h"
#include "skin/skin_fonts.h"
#include "skin/skin_text.h"

namespace tavro {

namespace {

constexpr int kLabelFontHeight = 15;

}  // namespace

CVokStatic::CVokStatic(int id, QWidget* parent)
    : QWidget(parent), font_(ControlFont(kLabelFontHeight)) {
    SetControlId(this, id);
}

void CVokStatic::setFillColour(QRgb argb) {
    fillColour_ = argb;
    update();
}

void CVokStatic::setBackgroundImage(QImage image) {
    background_ = std::move(image);
    update();
}

void CVokStatic::appendImage(QImage image) {
    images_.push_back(std::move(image));
    update();
}

void CVokStatic::setImageIndex(int index) {
    if (imageIndex_ == index) {
        return;
    }
    imageIndex_ = index;
    update();
}

void CVokStatic::appendString(const QString& text) {
    strings_.append(text);
    showString();
}

void CVokStatic::setStringIndex(int index) {
    if (stringIndex_ == index) {
        return;
    }
    stringIndex_ = index;
    showString();
}

void CVokStatic::setText(const QString& text) {
    if (strings_.isEmpty()) {
        strings_.append(text);
    } else {
        strings_.first() = text;
    }
    stringIndex_ = 0;
    showString();
}

void CVokStatic::showString() {
    setAccessibleDescription(text());
    update();
}

QString CVokStatic::text() const {
    return stringIndex_ >= 0 && stringIndex_ < strings_.size() ? strings_.at(stringIndex_)
                                                               : QString();
}

void CVokStatic::setTextColour(QRgb argb) {
    textColour_ = argb;
    update();
}

void CVokStatic::setCentred(bool centred) {
    centred_ = centred;
    update();
}

void CVokStatic::setFontHeight(int pixels) {
    font_ = SkinFont(pixels);
    update();
}

void CVokStatic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgba(fillColour_));
    DrawStretched(painter, background_, rect());
    if (imageIndex_ >= 0 && imageIndex_ < static_cast<int>(images_.size())) {
        DrawStretched(painter, images_[imageIndex_], rect());
    }
    const QString shown = text();
    if (!shown.isEmpty()) {
        DrawSkinText(painter, shown, textColour_, centred_, centred_, rect(), &font_);
    }
}

void CVokStatic::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        NotifyParent(this, kDoubleClicked);
    }
    QWidget::mouseDoubleClickEvent(event);
}

}  // namespace tavro
