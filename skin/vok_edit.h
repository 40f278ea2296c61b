#pragma once

#include <QImage>
#include <QLineEdit>
#include <QRgb>

#include "skin/focus_mark.h"

namespace tavro {

// A single-line text box on a skinned page: its background image stretched over it, or
// without one a black box with a grey border; the text in its own colour.
//
// It shows its focus mark when the focus came by Tab or Backtab (the caret alone shows
// where a click put it).
//
// Reports to its parent: (id, 102) whenever the text changed.
class CVokEdit : public QLineEdit {
    Q_OBJECT

public:
    static constexpr int kTextChanged = 102;
    static constexpr QRgb kDefaultTextColour = 0xFFFFFFFF;
    static constexpr QRgb kBorderColour = 0xFF969696;

    explicit CVokEdit(int id, QWidget* parent = nullptr);

    void setBackgroundImage(QImage image);
    void setTextColour(QRgb colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage background_;
    FocusCue focusCue_;
};

// A text box for small numbers in the skin's font: it takes at most three characters,
// each a digit or "-". A key that would break either rule is refused and leaves the text
// and the caret as they were.
class CZVRNUMEdit : public CVokEdit {
    Q_OBJECT

public:
    static constexpr int kMaxCharacters = 3;

    explicit CZVRNUMEdit(int id, QWidget* parent = nullptr);

    // The pages use 14 (the default) or 13 pixels.
    void setFontHeight(int pixels);
};

}  // namespace tavro
