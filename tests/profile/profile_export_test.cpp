#include "profile/profile_export.h"

#include <gtest/gtest.h>

namespace tavro {
namespace {

TEST(ProfileExport, AppendsTheExtensionUnlessItIsExactlyProfile) {
    const struct {
        const char* chosen;
        const char* saved;
    } cases[] = {
        {"/x/Gaming", "/x/Gaming.profile"},
        {"/x/Gaming.profile", "/x/Gaming.profile"},
        {"/x/Gaming.PROFILE", "/x/Gaming.PROFILE.profile"},
        {"/x/My.Profile", "/x/My.Profile.profile"},
        {"/x/Gaming.txt", "/x/Gaming.txt.profile"},
        {"/x/a.profile/Gaming", "/x/a.profile/Gaming.profile"},
        {"/home/u/.profile", "/home/u/.profile.profile"},  // never the shell's profile
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExportPath(c.chosen), std::filesystem::path(c.saved)) << c.chosen;
    }
}

TEST(ProfileExport, ProposesTheProfileNameAsAFileInTheStartFolder) {
    EXPECT_EQ(ProposedExportPath("/opt/tavro/Profiles/", u"Gaming"),
              std::filesystem::path("/opt/tavro/Profiles/Gaming.profile"));
    EXPECT_EQ(ProposedExportPath("/d", u"../a/b\n"), std::filesystem::path("/d/.._a_b_.profile"));
    EXPECT_EQ(ProposedExportPath("/d", u""), std::filesystem::path("/d/profile.profile"));
    EXPECT_EQ(ProposedExportPath("/d", u"Gr\u00FCn"),
              std::filesystem::path("/d/Gr\xC3\xBCn.profile"));
}

}  // namespace
}  // namespace tavro
