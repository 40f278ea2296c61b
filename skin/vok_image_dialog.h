#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QWidget>

#include "skin/owner_notification.h"

class QEventLoop;

namespace tavro {

// The base of every skinned window: the main window, the five pages and the two modal
// dialogs. It draws nothing but its background picture, scaled smoothly over the whole
// widget in one opaque pass; without a picture it paints the standard background. It
// receives its controls' reports and commands through onNotify() and onCommand().
class CVokImageDialog : public QWidget, public OwnerNotificationReceiver {
    Q_OBJECT

public:
    explicit CVokImageDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~CVokImageDialog() override;

    // Keeps its own copy of `image` and takes its (logical) size, keeping its position. A
    // null image removes the background and keeps the current size.
    void setBackground(const QImage& image);
    const QImage& background() const { return background_; }

    // Makes this page a hidden child of the main window at `pageArea` (in the window's
    // pixels); its background is then drawn scaled to that area.
    void embedAsPage(QWidget* mainWindow, const QRect& pageArea);

    // Shows the dialog modal to its parent's window (to the whole program without a
    // parent) and returns the result given to endModal(), or 2 when it is closed
    // otherwise. Runs nest, in a nested event loop.
    int runModal();
    void endModal(int result);

protected:
    bool event(QEvent* event) override;
    void onNotify(int /*id*/, int /*value*/) override {}
    void onCommand(int /*id*/) override {}
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void rescaleBackground();

    QImage background_;
    QPixmap scaled_;
    QEventLoop* modalLoop_ = nullptr;
    int modalResult_ = 0;
};

}  // namespace tavro
