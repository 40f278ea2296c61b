#include "tools/capture/window_capture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace tavro::capture {

void SendPointer(QWidget& widget, QEvent::Type type, QPoint point) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, QPointF(point), widget.mapToGlobal(QPointF(point)), button, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

void Click(QWidget& widget) {
    const QPoint centre = widget.rect().center();
    SendPointer(widget, QEvent::MouseMove, centre);
    SendPointer(widget, QEvent::MouseButtonPress, centre);
    SendPointer(widget, QEvent::MouseButtonRelease, centre);
}

QImage GrabWithPopUps(QWidget& window) {
    QImage image = window.grab().toImage();
    QPainter painter(&image);
    for (QWidget* popUp : QApplication::topLevelWidgets()) {
        if (popUp != &window && popUp->isVisible()) {
            painter.drawPixmap(popUp->geometry().topLeft() - window.geometry().topLeft(),
                               popUp->grab());
        }
    }
    return image;
}

}  // namespace tavro::capture
