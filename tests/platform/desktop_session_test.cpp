#include <gtest/gtest.h>

#include "platform/desktop_session.h"

namespace tavro {
namespace {

TEST(DesktopKindFromSession, ReadsEveryEntryOfTheList) {
    struct Row {
        const char* value;
        DesktopKind kind;
    };
    const Row rows[] = {
        {"GNOME", DesktopKind::kGnome},
        {"ubuntu:GNOME", DesktopKind::kGnome},
        {"GNOME-Flashback:GNOME", DesktopKind::kGnome},
        {"Unity", DesktopKind::kGnome},
        {"gnome", DesktopKind::kGnome},
        {"KDE", DesktopKind::kKdePlasma},
        {"XFCE", DesktopKind::kOther},
        {"X-Cinnamon", DesktopKind::kOther},
        {"GNOMEX", DesktopKind::kOther},
        {"", DesktopKind::kOther},
        {":", DesktopKind::kOther},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(DesktopKindFromSession(row.value), row.kind) << '"' << row.value << '"';
    }
}

}  // namespace
}  // namespace tavro
