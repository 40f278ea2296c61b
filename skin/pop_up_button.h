#pragma once

#include "skin/skinned_button.h"

namespace tavro {

// A skinned button that opens a pop-up of its own: a drop-down's menu or a swatch's
// colour panel. The one rule for when it asks for its pop-up:
//  - a left release that ends a left press on the button, wherever the pointer is then
//    (Qt hands the release to the button that took the press, as a captured pointer
//    would). Not clicked(), which Qt emits only for a release over the button;
//  - Space, Enter or Alt+Down while it has the focus (repeats of a held key do nothing).
// What a request does (open, close, a drop-down's 200 ms rule) is up to the button.
class PopUpButton : public SkinnedButton {
    Q_OBJECT

protected:
    enum class Request { Pointer, Keyboard };

    PopUpButton(int id, QWidget* parent) : SkinnedButton(id, parent) {}

    virtual void onPopUpRequested(Request request) = 0;

    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tavro
