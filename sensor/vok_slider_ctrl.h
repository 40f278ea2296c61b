#pragma once

#include <QImage>

#include "sensor/slider_control.h"

namespace tavro {

// The one-thumb skinned slider. Every change of its value reaches the owner as
// (identifier, value); the value it holds is always the last one it reported.
class CVokSliderCtrl : public SliderControl {
    Q_OBJECT

public:
    explicit CVokSliderCtrl(int id, QWidget* parent = nullptr);

    // The hover image also shows while dragging; without a disabled image a disabled
    // slider shows no thumb.
    void setImages(QImage track, QImage normal, QImage hover, QImage disabled);

    // Stores `value` as it is, without clamping, and reports it unless it is the value
    // already held.
    void setValue(int value);
    int value() const { return value_; }

    // Where the thumb is drawn: its top-left, at the normal thumb's size.
    QRect thumbRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void dragTo(int x) override;
    int keyboardValue() const override { return value_; }
    void setKeyboardValue(int value) override { setValue(value); }

private:
    QImage track_;
    QImage normal_;
    QImage hover_;
    QImage disabled_;
    int value_ = 0;
};

}  // namespace tavro
