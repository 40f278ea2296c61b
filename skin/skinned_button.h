#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QPainter>
#include <QString>

#include "skin/focus_mark.h"
#include "skin/hover_tracker.h"
#include "skin/image_set.h"

namespace tavro {

// What every skinned button shares: its four looks, the visual state that follows the
// pointer and the keyboard, the selected look and the choice of the look to draw, the
// focus mark, and its accessible name.
//
// Pointer: the first move over the button makes it Hover (Pressed with the left button
// held) and calls onPointerEntered(); leaving it makes it Normal; a left press makes it
// Pressed and the release Normal again. Keyboard: Space shows Pressed while held and
// clicks on its release, Enter clicks; both through QAbstractButton's click, so a check
// box toggles and clicked() is emitted as for the pointer.
class SkinnedButton : public QAbstractButton {
    Q_OBJECT

public:
    enum class VisualState { Normal, Hover, Pressed };
    Q_ENUM(VisualState)

    const FourStateImages& images() const { return images_; }
    VisualState visualState() const { return visualState_; }

    // The page marks the button of the current tab, profile or choice.
    void setSelected(bool selected);
    bool isSelected() const { return selected_; }

    // The caption of the button in its dialog template, read by assistive tools.
    void setTemplateCaption(const QString& caption);
    const QString& templateCaption() const { return templateCaption_; }

protected:
    SkinnedButton(int id, QWidget* parent);

    void setLooks(FourStateImages images);

    // The look to draw: the disabled one when disabled and there is one; else the pressed
    // one when the selected look is asked for and there is one; else the visual state's
    // (a null look draws nothing rather than falling back).
    const QImage& currentLook() const;
    // A check box shows its pressed look while checked, the others while selected.
    virtual bool showsSelectedLook() const { return selected_; }

    // What the button draws over its look: a caption, for buttons that have one.
    virtual void paintContent(QPainter& /*painter*/) {}
    virtual void onPointerEntered() {}
    // Recomputes the accessible name; buttons whose shown text changes call it.
    virtual void refreshAccessibleName();
    void setVisualState(VisualState state);
    FocusCue& focusCue() { return focusCue_; }

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    FourStateImages images_;
    VisualState visualState_ = VisualState::Normal;
    HoverTracker hover_;
    bool selected_ = false;
    QString templateCaption_;
    FocusCue focusCue_;
    bool heldBySpace_ = false;
};

// True for the keys that activate a button: Space, Return and the keypad's Enter.
bool IsActivationKey(int key);

}  // namespace tavro
