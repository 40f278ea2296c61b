#pragma once

#include <QImage>
#include <QWidget>

namespace tavro {

// The skinned bar: the background image with the share of the fill image that the
// position stands for. Horizontal bars fill from the left; vertical bars grow up from
// the bottom and show the fill image's top rows there, so the fill must look the same
// in every row.
class CVokProgressCtrl : public QWidget {
    Q_OBJECT

public:
    explicit CVokProgressCtrl(int id, QWidget* parent = nullptr);

    void setImages(QImage background, QImage fill);

    // An empty range fills nothing; positions outside it fill nothing or everything.
    void setRange(int minimum, int maximum);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

    void setPosition(int position);
    int position() const { return position_; }

    void setVertical(bool vertical);
    bool isVertical() const { return vertical_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage background_;
    QImage fill_;
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
    bool vertical_ = false;
};

}  // namespace tavro
