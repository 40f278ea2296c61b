#pragma once

#include <QEvent>
#include <QImage>
#include <QPoint>
#include <QWidget>

// For the developer tools that drive a window and take its picture without a user.
namespace tavro::capture {

// A pointer event at `point` of `widget`, as the pointer would give it: a move carries
// no button, a press and a release the left one.
void SendPointer(QWidget& widget, QEvent::Type type, QPoint point);

// A move onto the widget's centre, a press and a release there.
void Click(QWidget& widget);

// The window with every other visible window (its pop-ups) drawn where it is on screen.
QImage GrabWithPopUps(QWidget& window);

}  // namespace tavro::capture
