#include "skin/modal_dialog.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QScreen>

namespace tavro {

void CentreOnParentWindow(QWidget& dialog) {
    QRect area;
    if (const QWidget* parent = dialog.parentWidget(); parent != nullptr && parent->isVisible()) {
        area = parent->window()->geometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    dialog.move(area.center() - dialog.rect().center());
}

bool HandleDialogKey(QWidget& dialog, const QKeyEvent& key, const std::function<void()>& confirm,
                     const std::function<void()>& cancel) {
    switch (key.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            auto* button = qobject_cast<QAbstractButton*>(dialog.focusWidget());
            if (button != nullptr && button->isEnabled() && dialog.isAncestorOf(button)) {
                button->click();
            } else {
                confirm();
            }
            return true;
        }
        case Qt::Key_Escape:
            cancel();
            return true;
        default:
            return false;
    }
}

}  // namespace tavro
