// The rename dialog: what it shows, how it ends, and what a long name becomes.
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <optional>
#include <utility>

#include "device/config_image.h"
#include "macros/rename_dlg.h"
#include "macros/rename_layout.h"
#include "profile/profile_file.h"
#include "profile/profile_record.h"
#include "skin/layout_qt.h"
#include "skin/owner_notification.h"
#include "skin/vok_button.h"
#include "skin/vok_edit.h"
#include "tests/support/modal_steps.h"
#include "tests/support/window_input.h"

namespace tavro {

namespace {

namespace layout = rename_layout;

// Stands in for the main window: keeps the last rename.
class RecordingRenamer : public ProfileRenamer {
public:
    std::optional<std::pair<int, QString>> renamed;

    void RenameProfile(int number, const QString& name) override { renamed = {number, name}; }
};

CVokEdit* EditOf(QWidget& dialog) {
    return dialog.findChild<CVokEdit*>();
}

}  // namespace

class RenameDlgTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensEmptyWithTheFocusInTheBox();
    void endsAsTheUserChose();
    void acceptsWithoutARenamer();
    void aLongNameIsKeptInTheFileAndCutForTheMouse();

private:
    SkinResources skin_{TAVRO_SKIN_DIR};
    QWidget* window_ = nullptr;
};

void RenameDlgTest::init() {
    window_ = new QWidget;
    window_->setGeometry(60, 40, 800, 600);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
}

void RenameDlgTest::cleanup() {
    delete window_;
}

void RenameDlgTest::opensEmptyWithTheFocusInTheBox() {
    RecordingRenamer renamer;  // the profile is called Profile3 now
    CRenameDlg dialog(3, window_, &renamer, skin_);
    QCOMPARE(dialog.size(), QSize(layout::kDialog.width, layout::kDialog.height));
    QCOMPARE(dialog.background(), skin_.image(SkinFile::ReNameNormal));
    ModalSteps steps;
    steps.then([&] {
        CVokEdit* edit = EditOf(dialog);
        QCOMPARE(edit->text(), QString());
        QCOMPARE(dialog.focusWidget(), edit);
        QCOMPARE(edit->geometry(), ToQRect(layout::kNameEdit.rect));
        QCOMPARE(dialog.parentWidget(), window_);
        QCOMPARE(dialog.windowModality(), Qt::WindowModal);
        QCOMPARE(dialog.geometry().center(), window_->geometry().center());
        for (const PlacedControl& control :
             {layout::kOkButton, layout::kCancelButton, layout::kCloseButton}) {
            auto* button =
                qobject_cast<CVokButton*>(dialog.childAt(ToQRect(control.rect).center()));
            QVERIFY(button != nullptr);
            QCOMPARE(ControlId(button), control.id);
            QCOMPARE(button->accessibleName(), QString::fromLatin1(control.caption));
            QCOMPARE(button->images()[SkinState::Down], skin_.element(control, SkinState::Down));
        }
        Press(dialog, Qt::Key_Escape);
    });
    QCOMPARE(steps.run(dialog), CRenameDlg::kCancelled);
    QVERIFY(!renamer.renamed.has_value());
}

void RenameDlgTest::endsAsTheUserChose() {
    enum Action { kOk, kEnter, kCancel, kClose, kEscape, kTabToCancelThenSpace, kTabToOkThenEnter };
    const struct {
        const char* what;
        const char* typed;
        Action action;
        int result;
    } rows[] = {
        {"OK takes the name", "Work", kOk, 1},
        {"Enter in the box takes it", "Work", kEnter, 1},
        {"an empty name is taken", "", kOk, 1},
        {"Tab to OK and Enter takes it", "Work", kTabToOkThenEnter, 1},
        {"Cancel changes nothing", "Work", kCancel, 2},
        {"Close is Cancel", "Work", kClose, 2},
        {"Escape is Cancel", "Work", kEscape, 2},
        {"Tab to Cancel and Space is Cancel", "Work", kTabToCancelThenSpace, 2},
    };
    for (const auto& row : rows) {
        RecordingRenamer renamer;
        CRenameDlg dialog(2, window_, &renamer, skin_);
        ModalSteps steps;
        steps.then([&] {
            QTest::keyClicks(EditOf(dialog), QString::fromLatin1(row.typed));
            switch (row.action) {
                case kOk:
                    Click(dialog, layout::kOkButton.rect);
                    break;
                case kEnter:
                    Press(dialog, Qt::Key_Return);
                    break;
                case kCancel:
                    Click(dialog, layout::kCancelButton.rect);
                    break;
                case kClose:
                    Click(dialog, layout::kCloseButton.rect);
                    break;
                case kEscape:
                    Press(dialog, Qt::Key_Escape);
                    break;
                case kTabToOkThenEnter:
                    Press(dialog, Qt::Key_Tab);
                    QCOMPARE(ControlId(dialog.focusWidget()), layout::kOkButton.id);
                    Press(dialog, Qt::Key_Enter);
                    break;
                case kTabToCancelThenSpace:
                    Press(dialog, Qt::Key_Tab);
                    Press(dialog, Qt::Key_Tab);
                    QCOMPARE(ControlId(dialog.focusWidget()), layout::kCancelButton.id);
                    Press(dialog, Qt::Key_Space);
                    break;
            }
        });
        QVERIFY2(steps.run(dialog) == row.result, row.what);
        if (row.result == CRenameDlg::kAccepted) {
            QVERIFY2(renamer.renamed == std::make_pair(2, QString::fromLatin1(row.typed)),
                     row.what);
        } else {
            QVERIFY2(!renamer.renamed.has_value(), row.what);
        }
    }
}

void RenameDlgTest::acceptsWithoutARenamer() {
    CRenameDlg dialog(1, window_, nullptr, skin_);
    ModalSteps steps;
    steps.then([&] {
        QTest::keyClicks(EditOf(dialog), QStringLiteral("Work"));
        Click(dialog, layout::kOkButton.rect);
    });
    QCOMPARE(steps.run(dialog), CRenameDlg::kAccepted);
}

// The mouse keeps 15 bytes of a name; the profile file keeps all of it.
void RenameDlgTest::aLongNameIsKeptInTheFileAndCutForTheMouse() {
    const QString longName = QStringLiteral("Sniper rifle: hold to zoom, tap to fire!");
    QCOMPARE(longName.size(), 40);
    ProfileRecord record;
    record.slot = 3;
    record.name = DefaultProfileName(3);
    class RecordRenamer : public ProfileRenamer {
    public:
        explicit RecordRenamer(ProfileRecord& record) : record_(record) {}
        void RenameProfile(int, const QString& name) override {
            record_.name = name.toStdU16String();
        }

    private:
        ProfileRecord& record_;
    } renamer(record);

    CRenameDlg dialog(4, window_, &renamer, skin_);
    ModalSteps steps;
    steps.then([&] {
        QTest::keyClicks(EditOf(dialog), longName);
        Press(dialog, Qt::Key_Return);
    });
    QCOMPARE(steps.run(dialog), CRenameDlg::kAccepted);
    QCOMPARE(QString::fromStdU16String(record.name), longName);

    QTemporaryDir folder;
    const std::filesystem::path path =
        folder.filePath(QStringLiteral("Profile4.profile")).toStdString();
    QVERIFY(SaveProfile(record, path, ProfilePlace::kDataFolder).ok());
    ProfileRecord loaded;
    QVERIFY(LoadProfile(path, loaded).ok());
    QCOMPARE(QString::fromStdU16String(loaded.name), longName);

    DeviceProfile device;
    PackProfile(loaded, device);
    ConfigImage image{};
    EncodeImage(device, image);
    // Bytes 1 … 15 hold the name, byte 16 its terminator.
    const QByteArray sent(reinterpret_cast<const char*>(image.data()) + 1, 16);
    QCOMPARE(sent, longName.left(15).toLatin1() + '\0');
}

}  // namespace tavro

QTEST_MAIN(tavro::RenameDlgTest)
#include "rename_dlg_test.moc"
