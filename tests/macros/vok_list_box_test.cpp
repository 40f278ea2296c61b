// The macro list: names and identifiers of new entries, deleting, clicks, keys and
// scrolling.
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <vector>

#include "macros/macro_limits.h"
#include "macros/vok_list_box.h"
#include "skin/vok_edit.h"
#include "tests/support/control_pictures.h"
#include "tests/support/recording_owner.h"

namespace tavro {

namespace {

using Reports = std::vector<RecordingOwner::Report>;

constexpr QRect kListRect{42, 75, 200, 199};  // on the macro page

ScrollImages BarImages() {
    return {Solid(24, 199, 0xFF202020), Solid(24, 32, 0xFF00FF00), Solid(24, 32, 0xFF008000),
            Solid(24, 20, 0xFF0000FF),  Solid(24, 20, 0xFF000080), Solid(24, 20, 0xFFFF0000),
            Solid(24, 20, 0xFF800000)};
}

QPoint CentreOf(const CBoxItem& item) {
    return QPoint((item.rowRect.left + item.rowRect.right) / 2,
                  (item.rowRect.top + item.rowRect.bottom) / 2);
}

}  // namespace

class VokListBoxTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void newNamesAreMadeUnique();
    void anEmptyNameCreatesNothing();
    void identifiersStartAt16AndComeBackOnlyAfterTheLargestGoes();
    void deletingSelectsTheNextOrThePreviousEntry();
    void pressSelectsAndReleaseReports();
    void keysChooseEntries();
    void longListsScrollWithTheBarAndTheWheel();
    void theNameBoxOpensBelowTheLastEntry();
    void theListStaysWithinTheLibrarysBounds();

private:
    // "New Macro", the name typed, then a click into the list.
    void create(const QString& name) {
        list_->openNameBox();
        QTest::keyClicks(list_->nameBox(), name);
        QTest::mouseClick(list_, Qt::LeftButton, {}, QPoint(100, 190));
    }
    std::vector<QString> names() const {
        std::vector<QString> result;
        for (const CBoxItem& item : list_->entries()) {
            result.push_back(item.text);
        }
        return result;
    }
    std::vector<int> ids() const {
        std::vector<int> result;
        for (const CBoxItem& item : list_->entries()) {
            result.push_back(item.id);
        }
        return result;
    }
    void selectId(int id) {
        for (const CBoxItem& item : list_->entries()) {
            if (item.id == id) {
                QTest::mouseClick(list_, Qt::LeftButton, {}, CentreOf(item));
                return;
            }
        }
        QFAIL("no such entry");
    }

    RecordingOwner* page_ = nullptr;
    CVokListBox* list_ = nullptr;
};

void VokListBoxTest::init() {
    page_ = new RecordingOwner;
    page_->resize(783, 349);
    list_ = new CVokListBox(1069, page_);
    list_->setGeometry(kListRect);
    list_->setBackgroundImage(Solid(0xFF101010));
    list_->setScrollImages(BarImages());
    page_->show();
    QVERIFY(QTest::qWaitForWindowExposed(page_));
}

void VokListBoxTest::cleanup() {
    delete page_;
}

void VokListBoxTest::newNamesAreMadeUnique() {
    for (const char* name :
         {"Macro", "Macro", "Macro", "Macro(1)", "Test(x)", "Test(x)", "macro"}) {
        create(QString::fromLatin1(name));
    }
    QCOMPARE(names(), (std::vector<QString>{"Macro", "Macro(1)", "Macro(2)", "Macro(3)", "Test(x)",
                                            "Test(1)", "macro"}));
    QCOMPARE(list_->selectedEntry()->text, QStringLiteral("macro"));
    // Each new entry reported itself as chosen, nothing else was reported.
    QCOMPARE(
        page_->reports,
        (Reports{{103, 16}, {103, 17}, {103, 18}, {103, 19}, {103, 20}, {103, 21}, {103, 22}}));
}

void VokListBoxTest::anEmptyNameCreatesNothing() {
    list_->openNameBox();
    QVERIFY(list_->isNameBoxOpen());
    QVERIFY(list_->nameBox()->hasFocus());
    QVERIFY(list_->commitNameBox());
    QVERIFY(!list_->isNameBoxOpen());
    QVERIFY(list_->entries().empty());
    QVERIFY(page_->reports.empty());
    QVERIFY(!list_->commitNameBox());
    // "New Macro" while the box is open commits it.
    list_->openNameBox();
    QTest::keyClicks(list_->nameBox(), QStringLiteral("Jump"));
    list_->openNameBox();
    QCOMPARE(names(), std::vector<QString>{"Jump"});
    QVERIFY(!list_->isNameBoxOpen());
    // Escape's way out drops the text.
    list_->openNameBox();
    QTest::keyClicks(list_->nameBox(), QStringLiteral("Gone"));
    QVERIFY(list_->cancelNameBox());
    QCOMPARE(names(), std::vector<QString>{"Jump"});
    list_->openNameBox();
    QCOMPARE(list_->nameBox()->text(), QString());
}

void VokListBoxTest::identifiersStartAt16AndComeBackOnlyAfterTheLargestGoes() {
    create(QStringLiteral("a"));
    create(QStringLiteral("b"));
    QCOMPARE(ids(), (std::vector<int>{16, 17}));
    selectId(16);
    list_->deleteSelected();
    create(QStringLiteral("c"));
    QCOMPARE(ids(), (std::vector<int>{17, 18}));  // 16 stays unused below 17
    list_->deleteSelected();                      // 18, the largest
    create(QStringLiteral("d"));
    QCOMPARE(ids(), (std::vector<int>{17, 18}));
    list_->deleteSelected();
    list_->deleteSelected();
    QVERIFY(list_->entries().empty());
    create(QStringLiteral("e"));
    QCOMPARE(ids(), std::vector<int>{16});
    // Library entries keep their identifiers; the next new one goes above them all.
    list_->addEntry(QStringLiteral("loaded"), 40);
    create(QStringLiteral("f"));
    QCOMPARE(ids(), (std::vector<int>{16, 40, 41}));
}

void VokListBoxTest::deletingSelectsTheNextOrThePreviousEntry() {
    for (const char* name : {"a", "b", "c"}) {
        create(QString::fromLatin1(name));
    }
    selectId(17);
    page_->reports.clear();
    list_->deleteSelected();
    QCOMPARE(page_->reports, (Reports{{104, 17}, {103, 18}}));
    QCOMPARE(list_->selectedEntry()->id, 18);

    page_->reports.clear();
    list_->deleteSelected();  // the last one: the one before it
    QCOMPARE(page_->reports, (Reports{{104, 18}, {103, 16}}));
    QCOMPARE(list_->selectedEntry()->id, 16);

    page_->reports.clear();
    list_->deleteSelected();
    QCOMPARE(page_->reports, (Reports{{104, 16}, {103, 0}}));
    QCOMPARE(list_->selectedEntry(), nullptr);

    page_->reports.clear();
    list_->deleteSelected();  // nothing selected: nothing happens
    QVERIFY(page_->reports.empty());
}

void VokListBoxTest::pressSelectsAndReleaseReports() {
    list_->addEntry(QStringLiteral("a"), 16);
    list_->addEntry(QStringLiteral("b"), 17);
    page_->reports.clear();
    const QPoint first = CentreOf(list_->entries()[0]);
    QTest::mousePress(list_, Qt::LeftButton, {}, first);
    QCOMPARE(list_->selectedEntry()->id, 16);
    QVERIFY(page_->reports.empty());
    QTest::mouseRelease(list_, Qt::LeftButton, {}, first);
    QCOMPARE(page_->reports, (Reports{{103, 16}}));
    // Below the rows: nothing changes.
    QTest::mouseClick(list_, Qt::LeftButton, {}, QPoint(100, 150));
    QCOMPARE(list_->selectedEntry()->id, 16);
    QCOMPARE(page_->reports.size(), size_t{1});
    // A click while the name box is open only stores the name.
    list_->openNameBox();
    QTest::keyClicks(list_->nameBox(), QStringLiteral("c"));
    QTest::mousePress(list_, Qt::LeftButton, {}, QPoint(100, 150));
    QCOMPARE(list_->selectedEntry()->text, QStringLiteral("c"));
    QTest::mouseRelease(list_, Qt::LeftButton, {}, QPoint(100, 150));
}

void VokListBoxTest::keysChooseEntries() {
    for (int id = 16; id < 40; ++id) {
        list_->addEntry(QString::number(id), id);
    }
    list_->setFocus();
    page_->reports.clear();
    QTest::keyClick(list_, Qt::Key_Home);
    QTest::keyClick(list_, Qt::Key_Down);
    QTest::keyClick(list_, Qt::Key_Down);
    QTest::keyClick(list_, Qt::Key_Up);
    QCOMPARE(page_->reports, (Reports{{103, 16}, {103, 17}, {103, 18}, {103, 17}}));
    QCOMPARE(list_->scrollPosition(), 0);
    QTest::keyClick(list_, Qt::Key_PageDown);
    QCOMPARE(list_->selectedEntry()->id, 27);
    // The chosen entry is brought into view, whole.
    const CBoxItem& chosen = *list_->selectedEntry();
    QVERIFY(chosen.rowRect.top >= 0 && chosen.rowRect.bottom <= kListRect.height());
    QTest::keyClick(list_, Qt::Key_End);
    QCOMPARE(list_->selectedEntry()->id, 39);
    QTest::keyClick(list_, Qt::Key_Down);
    QCOMPARE(page_->reports.back(), (RecordingOwner::Report{103, 39}));
}

void VokListBoxTest::longListsScrollWithTheBarAndTheWheel() {
    for (int id = 16; id < 26; ++id) {
        list_->addEntry(QString::number(id), id);
    }
    // Ten rows fit whole: no bar yet.
    QVERIFY(list_->scrollBar()->isHidden());
    QCOMPARE(list_->entries().back().rowRect.bottom, 185);
    for (int id = 26; id < 31; ++id) {
        list_->addEntry(QString::number(id), id);
    }
    CVokScrollCtrl* bar = list_->scrollBar();
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->geometry(), QRect(200 - 24, 0, 24, 199));
    // A new entry is shown: the list ends at it.
    QCOMPARE(bar->maximum(), 5);
    QCOMPARE(bar->position(), 5);
    QCOMPARE(list_->entries().back().rowRect.bottom, 185);
    QCOMPARE(list_->entries()[5].rowRect.top, 5);

    // Three rows a notch.
    QWheelEvent up(QPointF(50, 50), list_->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 120),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(list_, &up);
    QCOMPARE(list_->scrollPosition(), 2);
    QCOMPARE(bar->position(), 2);
    QCOMPARE(list_->entries()[2].rowRect.top, 5);
    // The arrows jump to the ends, the bottom one to a position that still scrolls.
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(12, 190));
    QCOMPARE(list_->scrollPosition(), 5);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(12, 5));
    QCOMPARE(list_->scrollPosition(), 0);
    QCOMPARE(list_->entries()[0].rowRect.top, 5);

    // Deleting makes the bar go once everything fits again.
    for (int i = 0; i < 5; ++i) {
        list_->deleteSelected();
    }
    QVERIFY(bar->isHidden());
    QCOMPARE(list_->entries()[0].rowRect.top, 5);
}

void VokListBoxTest::theNameBoxOpensBelowTheLastEntry() {
    list_->openNameBox();
    QCOMPARE(list_->nameBox()->geometry(), QRect(3, 5, 200 - 2 - 3, 18));
    list_->cancelNameBox();
    for (int id = 16; id < 28; ++id) {
        list_->addEntry(QString::number(id), id);
    }
    list_->openNameBox();
    // Below the last entry, in view, clear of the bar.
    const QRect box = list_->nameBox()->geometry();
    QCOMPARE(box.top(), list_->entries().back().rowRect.bottom);
    QVERIFY(box.bottom() < kListRect.height());
    QCOMPARE(box.right(), 200 - 24 - 2 - 1);
    QTest::keyClicks(list_->nameBox(), QStringLiteral("new"));
    list_->commitNameBox();
    QCOMPARE(list_->entries().back().rowRect.top, box.top());
    QCOMPARE(list_->selectedEntry()->text, QStringLiteral("new"));
}

void VokListBoxTest::theListStaysWithinTheLibrarysBounds() {
    list_->openNameBox();
    QTest::keyClicks(list_->nameBox(), QString(300, QLatin1Char('x')));
    list_->commitNameBox();
    list_->openNameBox();
    QTest::keyClicks(list_->nameBox(), QString(300, QLatin1Char('x')));
    list_->commitNameBox();
    // Made unique, the longest name still fits the library's bound.
    QCOMPARE(list_->entries()[1].text, QString(244, QLatin1Char('x')) + QStringLiteral("(1)"));
    QVERIFY(list_->entries()[1].text.size() <= kMaxMacroNameUnits);
    for (int id = 18; list_->entries().size() < size_t{kMaxLibraryMacros}; ++id) {
        list_->addEntry(QString::number(id), id);
    }
    list_->openNameBox();
    QVERIFY(!list_->isNameBoxOpen());
}

}  // namespace tavro

QTEST_MAIN(tavro::VokListBoxTest)
#include "vok_list_box_test.moc"
