#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "device/config_image.h"
#include "profile/file_result.h"
#include "profile/profile_record.h"

namespace tavroctl {

// A default record of the slot, named "Profile" + (slot + 1), with the file loaded
// into it: the record the program edits for that slot.
tavro::FileResult LoadSlotProfile(const std::filesystem::path& file, int slot,
                                  tavro::ProfileRecord& record);

// The image the program would send for the record, or nothing when the transfer would
// refuse it (more than 164 macro events).
bool EncodeForTransfer(const tavro::ProfileRecord& record, tavro::ConfigImage& image);

// Writes the bytes to the output a command was given: "-" is standard output (never a
// terminal), anything else a file written by the program's one rule for files (see
// AtomicWriteBatch). Says why on stderr when it cannot; the exit code: a folder, device,
// FIFO or socket at the path is refused as a bad argument, any other failure is a failed
// write.
int WriteOutput(const std::string& output, std::span<const uint8_t> bytes);

inline constexpr char kRefusedText[] = "refused: more than 164 macro events";

}  // namespace tavroctl
