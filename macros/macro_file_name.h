#pragma once

#include <string>
#include <string_view>

namespace tavro {

inline constexpr std::string_view kMacroFileExtension = ".macro";

// The name of the file a macro is saved in: its name + ".macro". The name is the
// user's text, so every byte that could lead out of the folder or cannot stand in a
// file name ("/", "\", NUL and the other control characters) is written as %XX, and
// so is "%" itself, which keeps distinct names apart. A name too long for a file
// name keeps its beginning and a hash of the whole name. The result is always a
// plain name inside the folder, never "." or "..".
std::string MacroFileName(std::u16string_view name);

// The file name an index entry stands for: the part after its last "/" or "\", so
// that entries written here and by the Windows program (C:\…\Macros\abc.macro) both
// name a file of the library folder, and nothing outside it. Empty when the entry
// names no such file ("", "." or "..", or a name holding NUL).
std::string IndexEntryFileName(std::u16string_view entry);

}  // namespace tavro
