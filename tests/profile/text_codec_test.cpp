#include "profile/text_codec.h"

#include <gtest/gtest.h>

namespace tavro {
namespace {

struct Windows1252Row {
    const char* what;
    std::u16string text;
    std::string bytes;
};

class Windows1252 : public testing::TestWithParam<Windows1252Row> {};

TEST_P(Windows1252, Encodes) {
    EXPECT_EQ(ToWindows1252(GetParam().text), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Windows1252,
    testing::Values(Windows1252Row{"ascii", u"Profile1", "Profile1"},
                    Windows1252Row{"latin1", u"Caf\u00e9 \u00ff", "Caf\xe9 \xff"},
                    Windows1252Row{"euro and dashes", u"\u20ac\u2014\u0153", "\x80\x97\x9c"},
                    Windows1252Row{"c1 hole kept", u"\u0081", "\x81"},
                    Windows1252Row{"cyrillic unmappable", u"\u0416!", "?!"},
                    Windows1252Row{"surrogate pair is one char", u"a\U0001F3AEb", "a?b"},
                    Windows1252Row{"lone surrogate", u"\xd800x", "?x"}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

TEST(Utf8, RoundTripsAllPlanes) {
    const std::u16string text = u"A\u00e9\u20ac\U0001F3AE";
    EXPECT_EQ(Utf16ToUtf8(text), "A\xc3\xa9\xe2\x82\xac\xf0\x9f\x8e\xae");
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
}

TEST(Utf8, MalformedInputBecomesReplacementCharacters) {
    EXPECT_EQ(Utf8ToUtf16("a\xff"
                          "b"),
              u"a\ufffdb");
    EXPECT_EQ(Utf8ToUtf16("\xe2\x82"), u"\ufffd");  // truncated sequence at the end
    EXPECT_EQ(Utf8ToUtf16("\xc0\xaf"), u"\ufffd");  // overlong '/'
    EXPECT_EQ(Utf16ToUtf8(u"\xdc00"), "\xef\xbf\xbd");
}

}  // namespace
}  // namespace tavro
