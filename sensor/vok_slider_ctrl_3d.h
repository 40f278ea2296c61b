#pragma once

#include <QImage>

#include <array>

#include "sensor/slider_control.h"

namespace tavro {

// The three-thumb skinned slider of the DPI levels. Thumbs are numbered 1 … 3 and kept
// in no order; thumb 1 lies on top and wins where thumbs overlap. A change reaches the
// owner as (identifier, value + 65536 × thumb). The value each thumb holds is always
// the last one it reported or was set to.
//
// The keys move one thumb, the one with the focus mark: Tab reaches thumb 1 first and
// goes on to thumbs 2 and 3 before leaving the slider (Shift+Tab the other way round);
// a thumb picked up with the pointer becomes the one the keys move.
class CVokSliderCtrl3D : public SliderControl {
    Q_OBJECT

public:
    static constexpr int kThumbCount = 3;
    // What a report carries per thumb number above the value.
    static constexpr int kThumbFactor = 65536;

    explicit CVokSliderCtrl3D(int id, QWidget* parent = nullptr);

    // The thumbs look the same in every state.
    void setImages(QImage track, QImage thumb1, QImage thumb2, QImage thumb3);

    // Clamps `value` into the range; unless thumb `thumb` already holds the result,
    // stores it and, when `report` is set, reports it. Without a report this is the
    // direct write a page uses to keep a second slider level with the first. Thumb
    // numbers outside 1 … 3 are ignored.
    void setThumb(int thumb, int value, bool report);
    // 0 for thumb numbers outside 1 … 3.
    int thumbValue(int thumb) const;

    // Where thumb `thumb` is drawn and hit; empty for numbers outside 1 … 3.
    QRect thumbRect(int thumb) const;
    // The thumb the keys move.
    int keyboardThumb() const { return keyboardThumb_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void grabAt(QPoint point) override;
    void dragTo(int x) override;
    void releaseGrab() override;
    int keyboardValue() const override { return thumbValue(keyboardThumb_); }
    void setKeyboardValue(int value) override { setThumb(keyboardThumb_, value, true); }
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    static bool isThumb(int thumb) { return thumb >= 1 && thumb <= kThumbCount; }
    const QImage& thumbImage(int thumb) const { return thumbs_[thumb - 1]; }
    void store(int thumb, int value, bool report);

    QImage track_;
    std::array<QImage, kThumbCount> thumbs_;
    std::array<int, kThumbCount> values_{};
    // The thumb being dragged, 0 for none.
    int grabbed_ = 0;
    int keyboardThumb_ = 1;
};

}  // namespace tavro
