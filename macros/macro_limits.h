#pragma once

#include <cstdint>

namespace tavro {

// The most the program makes and keeps in its macro library, and so the most a library
// file may hold: the recorder and the event editor add no event beyond kMaxMacroEvents,
// the macro list takes no longer name and no more macros. A file beyond these bounds
// is none the program wrote and is not read, so that any library, however hostile,
// loads in bounded memory (at most kMaxLibraryMacros × kMaxMacroFileSize of macros).

// Eight times the 128 events one macro slot of the mouse holds.
inline constexpr int kMaxMacroEvents = 1024;
inline constexpr int kMaxMacroNameUnits = 256;  // UTF-16 code units
inline constexpr int kMaxLibraryMacros = 1024;
// An index entry is a file's full path; no system the library came from has longer ones.
inline constexpr int kMaxIndexPathUnits = 4096;

// The formats' sizes that follow from them (.macro: name count and units, id, area,
// event count, then one record per event; macroList.dat: the count, then per macro a
// path count and its units).
inline constexpr int64_t kMacroEventRecordSize = 32;
inline constexpr int64_t kMaxMacroFileSize =
    4 + 2 * kMaxMacroNameUnits + 4 + 16 + 4 + kMacroEventRecordSize * kMaxMacroEvents;
inline constexpr int64_t kMaxIndexFileSize =
    4 + int64_t{kMaxLibraryMacros} * (4 + 2 * kMaxIndexPathUnits);

}  // namespace tavro
