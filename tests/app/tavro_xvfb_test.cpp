// The real tavro binary on a private X server: it starts, a click at the Apply button's
// place (through XTEST, as a user's pointer) writes the files and the simulated mouse,
// and `tavro --quit` ends it.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "app/main_window_layout.h"
#include "device/config_image.h"
#include "profile/profile_file.h"
#include "sim/sim_state.h"
#include "tests/platform/xvfb_server.h"

namespace tavro {
namespace {

constexpr int kDeadlineMs = 20000;

// The X server as another client sees it.
class XClient {
public:
    XClient() : connection_(xcb_connect(nullptr, nullptr)) {
        screen_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
    }
    ~XClient() { xcb_disconnect(connection_); }

    // The top-left corner on the screen of the mapped top-level window with this title.
    std::optional<QPoint> FindWindow(const QByteArray& title) {
        xcb_query_tree_reply_t* tree =
            xcb_query_tree_reply(connection_, xcb_query_tree(connection_, screen_->root), nullptr);
        if (tree == nullptr) {
            return std::nullopt;
        }
        std::optional<QPoint> found;
        const xcb_window_t* children = xcb_query_tree_children(tree);
        for (int i = 0; i < xcb_query_tree_children_length(tree) && !found; ++i) {
            if (Title(children[i]) == title && Viewable(children[i])) {
                found = Position(children[i]);
            }
        }
        std::free(tree);
        return found;
    }

    // Moves the pointer to the screen point and clicks the left button.
    void Click(QPoint point) {
        xcb_test_fake_input(connection_, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, screen_->root,
                            static_cast<int16_t>(point.x()), static_cast<int16_t>(point.y()), 0);
        xcb_test_fake_input(connection_, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(connection_, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0,
                            0);
        std::free(
            xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    }

private:
    QByteArray Title(xcb_window_t window) {
        xcb_get_property_reply_t* reply =
            xcb_get_property_reply(connection_,
                                   xcb_get_property(connection_, 0, window, XCB_ATOM_WM_NAME,
                                                    XCB_GET_PROPERTY_TYPE_ANY, 0, 64),
                                   nullptr);
        if (reply == nullptr) {
            return {};
        }
        const QByteArray title(static_cast<const char*>(xcb_get_property_value(reply)),
                               xcb_get_property_value_length(reply));
        std::free(reply);
        return title;
    }

    bool Viewable(xcb_window_t window) {
        xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
            connection_, xcb_get_window_attributes(connection_, window), nullptr);
        const bool viewable =
            attributes != nullptr && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(attributes);
        return viewable;
    }

    QPoint Position(xcb_window_t window) {
        xcb_translate_coordinates_reply_t* reply = xcb_translate_coordinates_reply(
            connection_, xcb_translate_coordinates(connection_, window, screen_->root, 0, 0),
            nullptr);
        const QPoint position(reply->dst_x, reply->dst_y);
        std::free(reply);
        return position;
    }

    xcb_connection_t* connection_;
    xcb_screen_t* screen_;
};

// What the simulated mouse must hold after an Apply of five default profiles.
ConfigImage DefaultImage(int slot) {
    ProfileRecord record;
    record.slot = static_cast<uint8_t>(slot);
    record.name = DefaultProfileName(slot);
    DeviceProfile profile;
    PackProfile(record, profile);
    ConfigImage image{};
    EncodeImage(profile, image);
    return image;
}

bool MouseHoldsTheFiveProfiles(const std::filesystem::path& stateFile) {
    SimMouseState state;
    if (!LoadSimState(stateFile, state)) {
        return false;
    }
    for (int slot = 0; slot < kProfileCount; ++slot) {
        if (state.images[slot] != DefaultImage(slot)) {
            return false;
        }
    }
    return state.activeSlot == 0;
}

}  // namespace

class TavroXvfbTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (!xvfb_.Start("1024x768x24")) {
            QSKIP("Xvfb is not available");
        }
    }

    void applyAtItsPlaceWritesTheFilesAndTheMouse() {
        QTemporaryDir folders;
        QVERIFY(QDir(folders.path()).mkdir(QStringLiteral("runtime")));
        QFile::setPermissions(folders.filePath("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("1"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folders.filePath("runtime"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), folders.filePath("data"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.insert(QStringLiteral("LSAN_OPTIONS"),
                           QStringLiteral("suppressions=" TAVRO_LSAN_SUPPRESSIONS));
        const QString simulate =
            QStringLiteral("--simulate=%1").arg(folders.filePath("mouse.state"));
        QProcess tavro;
        tavro.setProcessEnvironment(environment);
        tavro.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        tavro.start(QStringLiteral(TAVRO_PATH), {simulate});

        XClient x;
        std::optional<QPoint> window;
        QTRY_VERIFY_WITH_TIMEOUT((window = x.FindWindow("TAVRO")).has_value(), kDeadlineMs);
        const LayoutRect apply = main_window_layout::kApplyButton.rect;
        x.Click(*window + QPoint(apply.centerX(), apply.centerY()));

        const std::filesystem::path stateFile = folders.filePath("mouse.state").toStdString();
        QTRY_VERIFY_WITH_TIMEOUT(MouseHoldsTheFiveProfiles(stateFile), kDeadlineMs);
        const std::filesystem::path profiles =
            folders.filePath("data/Dravek/TAVRO/Profiles").toStdString();
        for (int slot = 0; slot < kProfileCount; ++slot) {
            ProfileRecord saved;
            QVERIFY(
                LoadProfile(profiles / ("Default" + std::to_string(slot + 1) + ".profile"), saved)
                    .ok());
        }
        QVERIFY(QFile::exists(folders.filePath("data/Dravek/TAVRO/Macros/macroList.dat")));

        QProcess quit;
        quit.setProcessEnvironment(environment);
        quit.start(QStringLiteral(TAVRO_PATH), {QStringLiteral("--quit")});
        QVERIFY(quit.waitForFinished(kDeadlineMs));
        QCOMPARE(quit.exitCode(), 0);
        QVERIFY(tavro.waitForFinished(kDeadlineMs));
        QCOMPARE(tavro.exitCode(), 0);
    }

private:
    XvfbServer xvfb_;
};

}  // namespace tavro

QTEST_GUILESS_MAIN(tavro::TavroXvfbTest)
#include "tavro_xvfb_test.moc"
