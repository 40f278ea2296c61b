#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "device/config_image.h"

namespace tavro {

// Command report (to the mouse) and status report (from it) share id and size.
inline constexpr uint8_t kCommandReportId = 0x60;
inline constexpr size_t kCommandReportSize = 64;  // report id included
inline constexpr size_t kCommandOffset = 1;
inline constexpr size_t kSubCommandOffset = 2;
inline constexpr size_t kArgumentOffset = 5;

inline constexpr uint8_t kStatusReportId = kCommandReportId;
inline constexpr size_t kStatusReportSize = kCommandReportSize;
inline constexpr size_t kStatusOffset = 1;
inline constexpr size_t kReplyOffset = 16;  // first reply value

inline constexpr uint8_t kStatusDone = 1;
inline constexpr uint8_t kStatusBusy = 4;  // any other value: no result yet

// Image report: one half of a configuration image.
inline constexpr uint8_t kImageReportId = 0x61;
inline constexpr size_t kImageReportSize = 1041;
inline constexpr uint8_t kImageCommand = 0x08;
inline constexpr size_t kImageSlotOffset = 5;
inline constexpr size_t kImageHalfOffset = 6;  // 0: image bytes 0–1023, 1: 1024–2047
inline constexpr size_t kImageDataOffset = 16;
inline constexpr size_t kImageHalfSize = 1024;
inline constexpr int kImageHalfCount = 2;

static_assert(kCommandReportSize == 64);
static_assert(kImageReportSize == 1041);
static_assert(kImageDataOffset + kImageHalfSize + 1 == kImageReportSize,
              "an image half ends one byte before the report does");
static_assert(kImageHalfCount * kImageHalfSize == kConfigImageSize);
static_assert(kReplyOffset + 2 <= kStatusReportSize);

using CommandReport = std::array<uint8_t, kCommandReportSize>;
using StatusReport = std::array<uint8_t, kStatusReportSize>;
using ImageReport = std::array<uint8_t, kImageReportSize>;

// Command numbers (byte 1) and sub-commands (byte 2).
inline constexpr uint8_t kCommandFirmwareVersion = 0x02;
inline constexpr uint8_t kCommandActiveProfile = 0x03;
inline constexpr uint8_t kCommandSelectProfile = 0x04;
inline constexpr uint8_t kCommandSurface = 0x05;
inline constexpr uint8_t kSubCommandStartSurfaceAnalysis = 0x01;
inline constexpr uint8_t kSubCommandReadSurfaceQuality = 0x02;
inline constexpr uint8_t kCommandLiftDistance = 0x06;
inline constexpr uint8_t kSubCommandTestLiftDistance = 0x01;
inline constexpr uint8_t kSubCommandSaveLiftDistance = 0x02;

}  // namespace tavro
