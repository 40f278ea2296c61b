#pragma once

#include <QString>
#include <QWidget>

#include <functional>

namespace tavro {

// Where a window shows one of the program's fixed texts ("TAVRO mouse not found" …);
// tests put a recorder in place of the message box.
using MessageSink = std::function<void(QWidget* parent, const QString& text)>;

// The text in a message box with an OK button over `parent`'s window, which it blocks
// until confirmed. Other windows, the tray menu among them, stay usable.
void ShowMessageBox(QWidget* parent, const QString& text);

}  // namespace tavro
