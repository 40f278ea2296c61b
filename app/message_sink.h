#pragma once

#include <QString>
#include <QWidget>

#include <functional>

namespace tavro {

// Where the program's messages ("TAVRO mouse not found" and the like) go: by default
// a modal message box over `parent`; tests collect the texts instead.
using MessageSink = std::function<void(QWidget* parent, const QString& text)>;

void ShowMessageBox(QWidget* parent, const QString& text);

}  // namespace tavro
