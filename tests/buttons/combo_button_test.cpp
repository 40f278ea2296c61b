// The drop-down buttons: opening and closing their menu, choices and the veto, drawing.
#include <QCursor>
#include <QImage>
#include <QTest>

#include <functional>
#include <memory>

#include "buttons/vok_combo_button.h"
#include "buttons/vok_menu.h"
#include "buttons/zvr_combo_button.h"
#include "skin/zvr_menu.h"
#include "tests/support/control_pictures.h"
#include "tests/support/recording_owner.h"

namespace tavro {

namespace {

using Reports = std::vector<RecordingOwner::Report>;

constexpr int kButtonId = 1012;
const QRect kButtonRect(50, 60, 182, 25);

QPoint Centre(const MenuItem& item) {
    return QPoint(item.rect.centerX(), item.rect.centerY());
}

}  // namespace

class ComboButtonTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void theFirstEntryCreatesTheMenu();
    void sizingTheMenu();
    void opensBelowOrAbove();
    void aQuickSecondClickClosesTheMenu();
    void aChoiceBecomesTheCaption();
    void theOwnerMayVetoAChoice();
    void drawsTheLookOfItsState();
    void keysOpenAndCloseTheMenuAndChoose();
    void assistiveToolsReadTheShownChoice();

private:
    void click() { QTest::mouseClick(button_, Qt::LeftButton, {}, QPoint(20, 12)); }
    void choose(int code) {
        const MenuItem* item = button_->menu()->findEntry(code);
        QTest::mouseClick(button_->menu(), Qt::LeftButton, {}, Centre(*item));
    }

    qint64 now_ = 5000;
    RecordingOwner* page_ = nullptr;
    CVokComboButton* button_ = nullptr;
};

void ComboButtonTest::init() {
    QCursor::setPos(0, 0);
    page_ = new RecordingOwner;
    page_->setGeometry(100, 100, 400, 120);
    button_ = new CVokComboButton(kButtonId, page_);
    button_->setGeometry(kButtonRect);
    button_->setTickSource([this] { return now_; });
    page_->show();
}

void ComboButtonTest::cleanup() {
    delete page_;
}

void ComboButtonTest::theFirstEntryCreatesTheMenu() {
    QVERIFY(button_->menu() == nullptr);
    click();
    button_->addSubEntry(10, 0, QStringLiteral("lost"));
    QVERIFY(button_->menu() == nullptr);

    button_->addEntry(0, QStringLiteral("Left Click"));
    QVERIFY(dynamic_cast<CVokMenu*>(button_->menu()) != nullptr);
    QCOMPARE(button_->menu()->identifier(), 5000);
    QCOMPARE(button_->menu()->owner(), button_);
    QCOMPARE(button_->menu()->geometry(), QRect(0, 0, 180, 10));
    QVERIFY(!button_->menu()->isVisible());
    QCOMPARE(button_->captionOf(0), QStringLiteral("Left Click"));
    QCOMPARE(button_->captionOf(1), QString());
    QCOMPARE(button_->code(), -1);
    QCOMPARE(button_->parameter(), -1);
}

void ComboButtonTest::sizingTheMenu() {
    const struct {
        const char* name;
        std::function<SkinnedComboButton*(QWidget*)> make;
        QSize size;
        bool zvrMenu;
    } rows[] = {
        {"vok", [](QWidget* p) { return new CVokComboButton(kButtonId, p); }, QSize(158, 20),
         false},
        {"zvr", [](QWidget* p) { return new CZVRComboButton(kButtonId, p); }, QSize(55, 20), true},
    };
    for (const auto& row : rows) {
        std::unique_ptr<SkinnedComboButton> missing(row.make(page_));
        missing->sizeMenu();
        QVERIFY2(missing->menu() != nullptr, row.name);
        QCOMPARE(missing->menu()->size(), QSize(row.size.width(), 10));
        QCOMPARE(dynamic_cast<CZVRMenu*>(missing->menu()) != nullptr, row.zvrMenu);

        std::unique_ptr<SkinnedComboButton> existing(row.make(page_));
        existing->resize(100, 21);
        existing->addEntry(0, QStringLiteral("0"));
        existing->sizeMenu();
        QCOMPARE(existing->menu()->size(), row.size);
    }
}

void ComboButtonTest::opensBelowOrAbove() {
    button_->addEntry(0, QStringLiteral("Left Click"));
    SkinnedMenu* menu = button_->menu();
    const QPoint topLeft = button_->mapToGlobal(QPoint(0, 0));

    click();
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->geometry().topLeft(), topLeft + QPoint(0, kButtonRect.height()));
    menu->hideMenu();

    now_ += 1000;
    button_->setOpenUpward(true);
    click();
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->geometry().bottomLeft() + QPoint(0, 1), topLeft);
    menu->hideMenu();
}

void ComboButtonTest::aQuickSecondClickClosesTheMenu() {
    button_->addEntry(0, QStringLiteral("Left Click"));
    SkinnedMenu* menu = button_->menu();
    click();
    QVERIFY(menu->isVisible());
    QVERIFY(button_->isMenuTimerActive());

    now_ += 100;
    button_->onMenuTimer();
    now_ += 150;
    click();
    QVERIFY(!menu->isVisible());

    // Hidden menus are not noted, so the last sighting stays where it was.
    now_ += 40;
    button_->onMenuTimer();
    now_ += 10;
    click();
    QVERIFY(menu->isVisible());
    menu->hideMenu();
}

void ComboButtonTest::aChoiceBecomesTheCaption() {
    button_->addEntry(0, QStringLiteral("Left Click"));
    button_->addEntry(14, QStringLiteral("Assign record macro"));
    button_->addSubEntry(20, 14, QStringLiteral("Macro 1"));
    button_->setAssignment(QStringLiteral("Left Click"), 0, 7);

    click();
    QTest::mouseMove(button_->menu(), Centre(*button_->menu()->findEntry(14)));
    SkinnedMenu* macros = button_->menu()->subMenu(14);
    QVERIFY(macros->isVisible());
    const QPoint macro = Centre(*macros->findEntry(20));
    QTest::mouseClick(macros, Qt::LeftButton, {}, macro);

    const Reports expected{{kButtonId, 20},
                           {kTopMostRequestId, 1},
                           {kTopMostRequestId, 1},
                           {kTopMostRequestId, 0},
                           {kTopMostRequestId, 0}};
    QCOMPARE(page_->reports, expected);
    QCOMPARE(button_->caption(), QStringLiteral("Macro 1"));
    QCOMPARE(button_->code(), 20);
    QCOMPARE(button_->parameter(), 7);

    // A code the menu does not have is no choice.
    NotifyOwner(button_, 14, 99);
    QCOMPARE(page_->choices().size(), std::size_t{1});
}

void ComboButtonTest::theOwnerMayVetoAChoice() {
    button_->addEntry(0, QStringLiteral("Left Click"));
    button_->addEntry(13, QStringLiteral("Single key assign..."));
    button_->setAssignment(QStringLiteral("Left Click"), 0, -1);
    page_->duringReport = [this](int id, int value) {
        if (id == kButtonId && value == 13) {
            button_->setAccept(false);
        }
    };

    click();
    choose(13);
    QCOMPARE(button_->caption(), QStringLiteral("Left Click"));
    QCOMPARE(button_->code(), 0);
    QVERIFY(button_->accepts());

    now_ += 1000;
    click();
    choose(0);
    QCOMPARE(page_->choices(), (Reports{{kButtonId, 13}, {kButtonId, 0}}));
    QCOMPARE(button_->code(), 0);
}

void ComboButtonTest::drawsTheLookOfItsState() {
    constexpr QRgb kNormal = 0xFF200000, kOver = 0xFF002000, kDown = 0xFF000020,
                   kDisabled = 0xFF202020;
    button_->setImages(Solid(kNormal), Solid(kOver), Solid(kDown), Solid(kDisabled));
    button_->setAssignment(QStringLiteral("Left Click"), 0, -1);
    const auto captionColours = [](const QImage& image, QRgb background) {
        int left = image.width();
        QRgb strongest = background;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (p != background) {
                    left = std::min(left, x);
                    strongest = qGray(p) > qGray(strongest) ? p : strongest;
                }
            }
        }
        return std::make_pair(left, strongest);
    };

    const struct {
        const char* name;
        std::function<void()> enter;
        QRgb background;
        QRgb caption;
    } rows[] = {
        {"normal", [] {}, kNormal, SkinnedComboButton::kNormalTextColour},
        {"hover", [this] { QTest::mouseMove(button_, QPoint(100, 12)); }, kOver,
         SkinnedComboButton::kHoverTextColour},
        {"pressed", [this] { QTest::mousePress(button_, Qt::LeftButton, {}, QPoint(100, 12)); },
         kDown, SkinnedComboButton::kNormalTextColour},
        {"selected",
         [this] {
             QTest::mouseRelease(button_, Qt::LeftButton, {}, QPoint(100, 12));
             button_->setSelected(true);
         },
         kDown, SkinnedComboButton::kHoverTextColour},
        // Still selected: the disabled image wins, the caption stays highlighted.
        {"disabled", [this] { button_->setEnabled(false); }, kDisabled,
         SkinnedComboButton::kHoverTextColour},
    };
    for (const auto& row : rows) {
        row.enter();
        const QImage image = button_->grab().toImage();
        QCOMPARE(image.pixel(2, 2), row.background);
        const auto [left, strongest] = captionColours(image, row.background);
        QVERIFY2(left >= 9 && left <= 11, row.name);
        QVERIFY2(strongest == row.caption, row.name);
    }
}

void ComboButtonTest::keysOpenAndCloseTheMenuAndChoose() {
    for (int code = 0; code < 4; ++code) {
        button_->addEntry(code, QStringLiteral("Entry %1").arg(code));
    }
    button_->setAssignment(QStringLiteral("Entry 2"), 2, 0);
    SkinnedMenu* menu = button_->menu();
    page_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(page_));
    button_->setFocus(Qt::TabFocusReason);

    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool open;
    } rows[] = {
        {Qt::Key_Space, Qt::NoModifier, true}, {Qt::Key_Space, Qt::NoModifier, false},
        {Qt::Key_Down, Qt::AltModifier, true}, {Qt::Key_Down, Qt::AltModifier, false},
        {Qt::Key_Down, Qt::NoModifier, false}, {Qt::Key_Return, Qt::NoModifier, true},
    };
    for (const auto& row : rows) {
        QTest::keyClick(button_, row.key, row.modifiers);
        QCOMPARE(menu->isVisible(), row.open);
    }
    // Opened from the keys, the menu hovers the current choice; the keys then work it.
    QCOMPARE(menu->hoveredIndex(), 2);
    QVERIFY(button_->isMenuTimerActive());
    QTest::keyClick(button_, Qt::Key_Down);
    QTest::keyClick(button_, Qt::Key_Return);
    QVERIFY(!menu->isVisible());
    QCOMPARE(page_->choices(), (Reports{{kButtonId, 3}}));
    QCOMPARE(button_->caption(), QStringLiteral("Entry 3"));
    QVERIFY(button_->hasFocus());
    // No click reaches the page as a command.
    QVERIFY(page_->commands.empty());
    // Tab moves on and closes the menu behind it.
    auto* next = new CVokComboButton(kButtonId + 1, page_);
    next->show();
    QTest::keyClick(button_, Qt::Key_Space);
    QVERIFY(menu->isVisible());
    QTest::keyClick(button_, Qt::Key_Tab);
    QVERIFY(next->hasFocus());
    QVERIFY(!menu->isVisible());
}

void ComboButtonTest::assistiveToolsReadTheShownChoice() {
    button_->setTemplateCaption(QStringLiteral("Language"));
    QCOMPARE(button_->accessibleName(), QStringLiteral("Language"));
    button_->addEntry(0, QStringLiteral("English"));
    button_->addEntry(6, QStringLiteral("Koream"));
    button_->setAssignment(QStringLiteral("English"), 0, 0);
    QCOMPARE(button_->accessibleName(), QStringLiteral("English"));
    QCOMPARE(button_->accessibleDescription(), QStringLiteral("Language"));
    click();
    choose(6);
    QCOMPARE(button_->accessibleName(), QStringLiteral("Koream"));
    // A drop-down that draws no caption is read by its template caption.
    button_->setDrawCaption(false);
    QCOMPARE(button_->accessibleName(), QStringLiteral("Language"));
}

}  // namespace tavro

QTEST_MAIN(tavro::ComboButtonTest)
#include "combo_button_test.moc"
