#include <QImage>
#include <QPainter>
#include <QTest>
#include <QTimer>

#include "skin/vok_image_dialog.h"

namespace tavro {
namespace {

// A picture in four quadrants of distinct colours.
QImage Quadrants(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const int w = size.width() / 2;
    const int h = size.height() / 2;
    painter.fillRect(0, 0, w, h, Qt::red);
    painter.fillRect(w, 0, size.width() - w, h, Qt::green);
    painter.fillRect(0, h, w, size.height() - h, Qt::blue);
    painter.fillRect(w, h, size.width() - w, size.height() - h, Qt::yellow);
    return image;
}

QImage Rendered(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_RGB32);
    widget.render(&image);
    return image;
}

}  // namespace

class VokImageDialogTest : public QObject {
    Q_OBJECT

private slots:
    void takesTheBackgroundsSizeAndKeepsItsPosition();
    void secondBackgroundReplacesTheFirst();
    void missingBackgroundKeepsTheSize();
    void keepsItsOwnCopy();
    void embeddedPageIsScaledIntoThePageAreaNotCropped();
    void runModalReturnsTheEndResult();
};

void VokImageDialogTest::takesTheBackgroundsSizeAndKeepsItsPosition() {
    CVokImageDialog dialog;
    dialog.setGeometry(120, 80, 50, 50);
    dialog.setBackground(Quadrants(QSize(397, 165)));
    QCOMPARE(dialog.size(), QSize(397, 165));
    QCOMPARE(dialog.pos(), QPoint(120, 80));
    QVERIFY(dialog.testAttribute(Qt::WA_OpaquePaintEvent));
    const QImage shown = Rendered(dialog);
    QCOMPARE(shown.pixel(5, 5), qRgb(255, 0, 0));
    QCOMPARE(shown.pixel(390, 160), qRgb(255, 255, 0));
}

void VokImageDialogTest::secondBackgroundReplacesTheFirst() {
    CVokImageDialog dialog;
    dialog.setBackground(Quadrants(QSize(397, 165)));
    QImage blue(375, 185, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    dialog.setBackground(blue);
    QCOMPARE(dialog.size(), QSize(375, 185));
    QCOMPARE(Rendered(dialog).pixel(5, 5), qRgb(0, 0, 255));
}

void VokImageDialogTest::missingBackgroundKeepsTheSize() {
    CVokImageDialog dialog;
    dialog.resize(300, 200);
    dialog.setBackground(QImage());
    QCOMPARE(dialog.size(), QSize(300, 200));
    QVERIFY(!dialog.testAttribute(Qt::WA_OpaquePaintEvent));
    QVERIFY(dialog.background().isNull());
}

void VokImageDialogTest::keepsItsOwnCopy() {
    QImage image = Quadrants(QSize(100, 60));
    CVokImageDialog dialog;
    dialog.setBackground(image);
    image.fill(Qt::black);
    QCOMPARE(Rendered(dialog).pixel(5, 5), qRgb(255, 0, 0));
}

void VokImageDialogTest::embeddedPageIsScaledIntoThePageAreaNotCropped() {
    QWidget mainWindow;
    mainWindow.resize(800, 600);
    auto* page = new CVokImageDialog;
    page->setBackground(Quadrants(QSize(1566, 698)));
    const QRect pageArea(9, 209, 783, 349);
    page->embedAsPage(&mainWindow, pageArea);
    QCOMPARE(page->parentWidget(), &mainWindow);
    QCOMPARE(page->geometry(), pageArea);
    QVERIFY(page->isHidden());
    page->show();
    const QImage shown = Rendered(*page);
    QCOMPARE(shown.size(), QSize(783, 349));
    QCOMPARE(shown.pixel(10, 10), qRgb(255, 0, 0));
    QCOMPARE(shown.pixel(770, 10), qRgb(0, 255, 0));
    QCOMPARE(shown.pixel(10, 340), qRgb(0, 0, 255));
    QCOMPARE(shown.pixel(770, 340), qRgb(255, 255, 0));
}

void VokImageDialogTest::runModalReturnsTheEndResult() {
    CVokImageDialog outer;
    outer.setBackground(Quadrants(QSize(100, 60)));
    int innerResult = 0;
    QTimer::singleShot(0, &outer, [&] {
        CVokImageDialog inner;
        QTimer::singleShot(0, &inner, [&] { inner.endModal(1); });
        innerResult = inner.runModal();
        outer.endModal(innerResult == 1 ? 7 : 8);
    });
    QCOMPARE(outer.runModal(), 7);
    QCOMPARE(innerResult, 1);
    QVERIFY(outer.isHidden());

    QTimer::singleShot(0, &outer, [&] { outer.close(); });
    QCOMPARE(outer.runModal(), 2);
}

}  // namespace tavro

QTEST_MAIN(tavro::VokImageDialogTest)
#include "vok_image_dialog_test.moc"
