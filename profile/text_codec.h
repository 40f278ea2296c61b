#pragma once

#include <string>
#include <string_view>

namespace tavro {

// Texts the user types or the files carry are UTF-16, as stored; the program's own
// texts, paths and terminal output are UTF-8. Invalid sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
// Code points beyond U+10FFFF and surrogates become U+FFFD.
std::string Utf32ToUtf8(std::u32string_view text);

// The text with its control characters (below 0x20, and 0x7F) written as \xNN, so
// that a name read from a file keeps a message on one line and never reaches a
// terminal as a control sequence.
std::string EscapeControlCharacters(std::string_view text);

// The mouse takes names in Windows-1252. Characters the code page cannot hold become
// "?", one per character (a surrogate pair counts as one).
std::string ToWindows1252(std::u16string_view text);

}  // namespace tavro
