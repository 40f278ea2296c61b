#include "skin/vok_image_dialog.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QResizeEvent>

#include "skin/image_set.h"

namespace tavro {

namespace {

constexpr int kResultNotConfirmed = 2;

}  // namespace

CVokImageDialog::CVokImageDialog(QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags) {}

CVokImageDialog::~CVokImageDialog() {
    endModal(kResultNotConfirmed);
}

void CVokImageDialog::setBackground(const QImage& image) {
    // QImage shares the pixels until one side changes them: the dialog has a picture of
    // its own without holding a second copy of a page image.
    background_ = image;
    const bool opaque = !background_.isNull() && !background_.hasAlphaChannel();
    // The picture covers every pixel, so Qt need not clear the widget first.
    setAttribute(Qt::WA_OpaquePaintEvent, opaque);
    if (!background_.isNull() && size() != LogicalSize(background_)) {
        resize(LogicalSize(background_));
    }
    rescaleBackground();
    update();
}

void CVokImageDialog::embedAsPage(QWidget* mainWindow, const QRect& pageArea) {
    setParent(mainWindow, Qt::Widget);
    setGeometry(pageArea);
    hide();
}

int CVokImageDialog::runModal() {
    QEventLoop loop;
    modalLoop_ = &loop;
    modalResult_ = kResultNotConfirmed;
    // Modal to its own window only, so that the program's other windows (the tray menu)
    // stay usable.
    setWindowModality(parentWidget() != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    show();
    const QPointer<CVokImageDialog> alive(this);
    loop.exec();
    if (!alive) {
        return kResultNotConfirmed;
    }
    modalLoop_ = nullptr;
    hide();
    return modalResult_;
}

void CVokImageDialog::endModal(int result) {
    if (modalLoop_ == nullptr) {
        return;
    }
    modalResult_ = result;
    modalLoop_->quit();
    modalLoop_ = nullptr;
}

bool CVokImageDialog::event(QEvent* event) {
    return dispatchOwnerEvent(event) || QWidget::event(event);
}

void CVokImageDialog::paintEvent(QPaintEvent* event) {
    if (scaled_.isNull()) {
        QWidget::paintEvent(event);
        return;
    }
    QPainter painter(this);
    if (background_.hasAlphaChannel()) {
        painter.fillRect(event->rect(), palette().window());
    }
    painter.drawPixmap(event->rect(), scaled_,
                       QRectF(QPointF(event->rect().topLeft()) * scaled_.devicePixelRatio(),
                              QSizeF(event->rect().size()) * scaled_.devicePixelRatio()));
}

void CVokImageDialog::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    rescaleBackground();
}

void CVokImageDialog::closeEvent(QCloseEvent* event) {
    endModal(kResultNotConfirmed);
    QWidget::closeEvent(event);
}

void CVokImageDialog::rescaleBackground() {
    if (background_.isNull()) {
        scaled_ = QPixmap();
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QSize target = (QSizeF(size()) * ratio).toSize();
    QImage scaled = background_.size() == target ? background_
                                                 : background_.scaled(target, Qt::IgnoreAspectRatio,
                                                                      Qt::SmoothTransformation);
    scaled_ = QPixmap::fromImage(std::move(scaled));
    scaled_.setDevicePixelRatio(ratio);
}

}  // namespace tavro
