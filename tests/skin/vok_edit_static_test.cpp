#include <QImage>
#include <QTest>

#include "skin/vok_edit.h"
#include "skin/vok_static.h"
#include "tests/support/control_pictures.h"
#include "tests/support/recording_owner.h"

namespace tavro {
namespace {

constexpr QRgb kBehind = 0xFFFF00FF;

}  // namespace

class VokEditStaticTest : public QObject {
    Q_OBJECT

private slots:
    void numericEditFiltersKeys_data();
    void numericEditFiltersKeys();
    void editReportsEveryTextChange();
    void editWithoutBackgroundIsABlackBoxWithAGreyBorder();
    void labelShowsOnlyItsBackgroundAtIndexMinusOne();
    void labelTextReplacesTheFirstString();
    void labelReportsDoubleClicks();
};

void VokEditStaticTest::numericEditFiltersKeys_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCaret");
    QTest::newRow("fourth digit refused, caret kept") << "123" << 3 << "4"
                                                      << "123" << 3;
    QTest::newRow("fourth digit in the middle") << "123" << 1 << "9"
                                                << "123" << 1;
    QTest::newRow("letters and signs ignored") << "" << 0 << "a+.1"
                                               << "1" << 1;
    QTest::newRow("minus accepted anywhere") << "12" << 1 << "-"
                                             << "1-2" << 2;
    QTest::newRow("backspace then digit") << "123" << 3 << "\b7"
                                          << "127" << 3;
}

void VokEditStaticTest::numericEditFiltersKeys() {
    QFETCH(QString, start);
    QFETCH(int, caret);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(int, expectedCaret);
    RecordingOwner owner;
    CZVRNUMEdit edit(1088, &owner);
    owner.show();
    edit.setText(start);
    edit.setCursorPosition(caret);
    for (const QChar key : typed) {
        if (key == u'\b') {
            QTest::keyClick(&edit, Qt::Key_Backspace);
        } else {
            QTest::keyClicks(&edit, QString(key));
        }
    }
    QCOMPARE(edit.text(), expected);
    QCOMPARE(edit.cursorPosition(), expectedCaret);
}

void VokEditStaticTest::editReportsEveryTextChange() {
    RecordingOwner owner;
    CVokEdit edit(1060, &owner);
    owner.show();
    edit.setText(QStringLiteral("25"));
    QTest::keyClicks(&edit, QStringLiteral("5"));
    QCOMPARE(owner.reports, (std::vector<RecordingOwner::Report>{{1060, CVokEdit::kTextChanged},
                                                                 {1060, CVokEdit::kTextChanged}}));
    QCOMPARE(edit.text(), QStringLiteral("255"));
}

void VokEditStaticTest::editWithoutBackgroundIsABlackBoxWithAGreyBorder() {
    CVokEdit edit(1060);
    edit.resize(44, 18);
    QImage shown = Rendered(edit, kBehind);
    QCOMPARE(shown.pixel(0, 0), CVokEdit::kBorderColour);
    QCOMPARE(shown.pixel(43, 17), CVokEdit::kBorderColour);
    QCOMPARE(shown.pixel(20, 9), qRgb(0, 0, 0));

    edit.setBackgroundImage(Solid(0xFF336699));
    shown = Rendered(edit, kBehind);
    QCOMPARE(shown.pixel(0, 0), 0xFF336699);
}

void VokEditStaticTest::labelShowsOnlyItsBackgroundAtIndexMinusOne() {
    CVokStatic label(1027);
    label.resize(96, 49);
    label.setBackgroundImage(Solid(0xFF102030));
    label.appendImage(Solid(0xFF00FF00));
    label.appendString(QStringLiteral("HIH"));
    QCOMPARE(label.imageIndex(), -1);
    QCOMPARE(Rendered(label, kBehind), [] {
        QImage background(96, 49, QImage::Format_ARGB32);
        background.fill(0xFF102030);
        return background;
    }());

    label.setImageIndex(0);
    QCOMPARE(Rendered(label, kBehind).pixel(1, 1), 0xFF00FF00);
    label.setImageIndex(1);
    QCOMPARE(Rendered(label, kBehind).pixel(1, 1), 0xFF102030);
}

void VokEditStaticTest::labelTextReplacesTheFirstString() {
    CVokStatic label(1089);
    QCOMPARE(label.text(), QString());
    label.setText(QStringLiteral("800"));
    QCOMPARE(label.stringIndex(), 0);
    QCOMPARE(label.text(), QStringLiteral("800"));

    label.appendString(QStringLiteral("1600"));
    label.setStringIndex(1);
    label.setText(QStringLiteral("400"));
    QCOMPARE(label.text(), QStringLiteral("400"));
    label.setStringIndex(1);
    QCOMPARE(label.text(), QStringLiteral("1600"));
    label.setStringIndex(2);
    QCOMPARE(label.text(), QString());
}

void VokEditStaticTest::labelReportsDoubleClicks() {
    RecordingOwner owner;
    CVokStatic label(1085, &owner);
    label.setGeometry(0, 0, 50, 20);
    owner.show();
    QTest::mouseDClick(&label, Qt::RightButton, {}, QPoint(10, 10));
    QVERIFY(owner.reports.empty());
    QTest::mouseDClick(&label, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(owner.reports,
             (std::vector<RecordingOwner::Report>{{1085, CVokStatic::kDoubleClicked}}));
}

}  // namespace tavro

QTEST_MAIN(tavro::VokEditStaticTest)
#include "vok_edit_static_test.moc"
