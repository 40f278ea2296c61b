#pragma once

#include <QFont>
#include <QImage>
#include <QRgb>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

namespace tavro {

// A label or picture: a fill colour, a background image, then the current one of its
// images and the current one of its strings. An index of −1 (or out of range) shows
// nothing of that list.
//
// Assistive tools read its template caption as its name and the shown string as its
// description.
//
// Reports to its parent: (id, 1) on a double click with the left button.
class CVokStatic : public QWidget {
    Q_OBJECT

public:
    static constexpr int kDoubleClicked = 1;
    static constexpr QRgb kDefaultTextColour = 0xFFFFFFFF;

    explicit CVokStatic(int id, QWidget* parent = nullptr);

    void setFillColour(QRgb argb);
    void setBackgroundImage(QImage image);

    void appendImage(QImage image);
    void setImageIndex(int index);
    int imageIndex() const { return imageIndex_; }

    void appendString(const QString& text);
    void setStringIndex(int index);
    int stringIndex() const { return stringIndex_; }
    // Replaces the first string (or adds it to an empty list) and shows it.
    void setText(const QString& text);
    // The shown string; empty when the index is out of range.
    QString text() const;

    void setTextColour(QRgb argb);
    // Centred along both axes, or drawn from the top-left corner.
    void setCentred(bool centred);
    // Switches to the skin's font at this height (the label starts in 15-pixel Arial).
    void setFontHeight(int pixels);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void showString();

    QRgb fillColour_ = 0x00000000;
    QImage background_;
    std::vector<QImage> images_;
    int imageIndex_ = -1;
    QStringList strings_;
    int stringIndex_ = -1;
    QRgb textColour_ = kDefaultTextColour;
    bool centred_ = false;
    QFont font_;
};

}  // namespace tavro
