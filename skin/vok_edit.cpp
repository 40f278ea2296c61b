#include "skin/vok_edit.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include "skin/image_set.h"
#include "skin/owner_notification.h"
#include "skin/skin_fonts.h"

namespace tavro {

namespace {

constexpr int kEditFontHeight = 14;

}  // namespace

CVokEdit::CVokEdit(int id, QWidget* parent) : QLineEdit(parent) {
    SetControlId(this, id);
    setFont(ControlFont(kEditFontHeight));
    setFrame(false);
    // The box is painted here; Qt paints only the text, caret and selection over it.
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::transparent);
    setPalette(colours);
    setTextColour(kDefaultTextColour);
    setTextMargins(1, 0, 0, 0);
    connect(this, &QLineEdit::textChanged, this, [this] {
        update();
        NotifyParent(this, kTextChanged);
    });
}

void CVokEdit::setBackgroundImage(QImage image) {
    background_ = std::move(image);
    update();
}

void CVokEdit::setTextColour(QRgb colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Text, QColor::fromRgba(colour));
    setPalette(colours);
}

void CVokEdit::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        if (background_.isNull()) {
            painter.fillRect(rect(), Qt::black);
            painter.setPen(QColor::fromRgba(kBorderColour));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        } else {
            DrawStretched(painter, background_, rect());
        }
    }
    QLineEdit::paintEvent(event);
    if (focusCue_.shown(*this)) {
        QPainter painter(this);
        DrawFocusMark(painter, rect());
    }
}

void CVokEdit::focusInEvent(QFocusEvent* event) {
    focusCue_.focusIn(event->reason());
    QLineEdit::focusInEvent(event);
}

void CVokEdit::mousePressEvent(QMouseEvent* event) {
    focusCue_.pointerPressed();
    update();
    QLineEdit::mousePressEvent(event);
}

CZVRNUMEdit::CZVRNUMEdit(int id, QWidget* parent) : CVokEdit(id, parent) {
    setFont(SkinFont(kEditFontHeight));
    // A validator refuses the whole key (or paste), so text and caret stay as they were.
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9-]{0,%1}").arg(kMaxCharacters)), this));
}

void CZVRNUMEdit::setFontHeight(int pixels) {
    setFont(SkinFont(pixels));
}

}  // namespace tavro
