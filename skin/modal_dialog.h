#pragma once

#include <QKeyEvent>
#include <QWidget>

#include <functional>

// What the skinned modal dialogs share beyond their base.
namespace tavro {

// Puts the dialog's centre on its parent window's centre, or on the screen's when the
// parent is missing or hidden (the main window may be in the tray).
void CentreOnParentWindow(QWidget& dialog);

// Enter and Escape, as in any dialog: Enter clicks the focused button, or confirms when
// no button has the focus; Escape cancels. True when the key was one of them.
bool HandleDialogKey(QWidget& dialog, const QKeyEvent& key, const std::function<void()>& confirm,
                     const std::function<void()>& cancel);

}  // namespace tavro
