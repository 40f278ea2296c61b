#include "profile/profile_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <vector>

#include "profile/file_io.h"

namespace tavro {
namespace {

constexpr int32_t kInitialCapacity = 1024;
constexpr int64_t kProfileEventSize = 8;
constexpr int kMaxUnreadableCopies = 1000;

void WriteMacro(DataStream& out, const ButtonMacro& macro) {
    out.WriteU32(static_cast<uint32_t>(macro.macroId));
    out.WriteText(macro.name);
    out.WriteU32(static_cast<uint32_t>(macro.events.size()));
    for (const CMacroEvent& event : macro.events) {
        out.WriteU8(event.kind);
        out.WriteU16(static_cast<uint16_t>(event.key));
        out.WriteU8(event.direction);
        out.WriteU32(static_cast<uint32_t>(event.delay));
    }
}

void ReadMacro(DataStream& in, ButtonMacro& macro) {
    macro.events.clear();
    macro.macroId = static_cast<int32_t>(in.ReadU32());
    macro.name = in.ReadText();
    const auto count = static_cast<int32_t>(in.ReadU32());
    if (count <= 0) {
        return;
    }
    if (!in.Expect(int64_t{count} * kProfileEventSize)) {
        return;
    }
    macro.events.resize(static_cast<size_t>(count));
    for (CMacroEvent& event : macro.events) {
        event.kind = in.ReadU8();
        event.key = static_cast<int16_t>(in.ReadU16());
        event.direction = in.ReadU8();
        event.delay = static_cast<int32_t>(in.ReadU32());
    }
}

bool IsLoadableProfile(const std::filesystem::path& path) {
    std::vector<uint8_t> bytes;
    ProfileRecord scratch;
    return ReadWholeFile(path, bytes) && DecodeProfile(bytes, scratch) == FileStatus::kOk;
}

bool Exists(const std::filesystem::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

bool IsRegularFile(const std::filesystem::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

DataStream EncodeProfile(const ProfileRecord& r) {
    DataStream out(kInitialCapacity);
    for (uint8_t b : kProfileSignature) {
        out.WriteU8(b);
    }
    out.WriteText(r.name);
    out.WriteU32(static_cast<uint32_t>(r.enabled));
    out.WriteU16(r.tagWord);
    out.WriteU16(r.reportInterval);
    out.WriteU16(static_cast<uint16_t>(r.doubleClickValue));
    out.WriteU16(static_cast<uint16_t>(r.wheelLines));
    out.WriteU32(static_cast<uint32_t>(r.wheelByLines));
    out.WriteU32(static_cast<uint32_t>(r.wheelByPage));
    out.WriteU32(static_cast<uint32_t>(r.accelerationOn));
    out.WriteU32(static_cast<uint32_t>(r.xySeparate));
    out.WriteU32(static_cast<uint32_t>(r.definedMode));
    out.WriteU8(r.sensorConstant);
    for (int16_t dpi : {r.dpiX1, r.dpiY1, r.dpiX2, r.dpiY2, r.dpiX3, r.dpiY3}) {
        out.WriteU16(static_cast<uint16_t>(dpi));
    }
    out.WriteU8(r.pointerSpeed);
    out.WriteU16(static_cast<uint16_t>(int16_t{r.definedValue}));  // sign-extended
    out.WriteU8(r.angleSnap);
    out.WriteU8(r.liftDistance);
    out.WriteU16(static_cast<uint16_t>(r.surfaceLevel));
    for (uint32_t colour : {r.zoneColor1, r.zoneColor2, r.zoneColor3, r.zoneColor4}) {
        out.WriteIntText(static_cast<int32_t>(colour));
    }
    out.WriteU32(static_cast<uint32_t>(r.lightingMode));
    out.WriteU32(static_cast<uint32_t>(r.lightingParam));
    for (const ButtonAssignment& b : r.buttons) {
        out.WriteU8(b.button);
        out.WriteU8(b.function);
        out.WriteU16(static_cast<uint16_t>(b.parameter));
    }
    for (const ButtonMacro& macro : r.buttonMacros) {
        WriteMacro(out, macro);
    }
    return out;
}

FileStatus DecodeProfile(std::span<const uint8_t> bytes, ProfileRecord& record) {
    DataStream in = DataStream::FromBytes(bytes);
    const size_t signatureBytes = std::min(bytes.size(), kProfileSignature.size());
    if (!std::equal(bytes.begin(), bytes.begin() + signatureBytes, kProfileSignature.begin())) {
        return FileStatus::kForeignSignature;
    }
    if (signatureBytes < kProfileSignature.size()) {
        return FileStatus::kTruncated;
    }
    in.ReadU32();

    ProfileRecord r = record;
    r.name = in.ReadText();
    r.enabled = static_cast<int32_t>(in.ReadU32());
    r.tagWord = in.ReadU16();
    r.reportInterval = in.ReadU16();
    r.doubleClickValue = static_cast<int16_t>(in.ReadU16());
    r.wheelLines = static_cast<int16_t>(in.ReadU16());
    r.wheelByLines = static_cast<int32_t>(in.ReadU32());
    r.wheelByPage = static_cast<int32_t>(in.ReadU32());
    r.accelerationOn = static_cast<int32_t>(in.ReadU32());
    r.xySeparate = static_cast<int32_t>(in.ReadU32());
    r.definedMode = static_cast<int32_t>(in.ReadU32());
    r.sensorConstant = in.ReadU8();
    for (int16_t* dpi : {&r.dpiX1, &r.dpiY1, &r.dpiX2, &r.dpiY2, &r.dpiX3, &r.dpiY3}) {
        *dpi = static_cast<int16_t>(in.ReadU16());
    }
    r.pointerSpeed = in.ReadU8();
    r.definedValue = static_cast<int8_t>(in.ReadU16() & 0xFF);
    r.angleSnap = in.ReadU8();
    r.liftDistance = in.ReadU8();
    r.surfaceLevel = static_cast<int16_t>(in.ReadU16());
    for (uint32_t* colour : {&r.zoneColor1, &r.zoneColor2, &r.zoneColor3, &r.zoneColor4}) {
        *colour = static_cast<uint32_t>(in.ReadIntText());
    }
    r.lightingMode = static_cast<int32_t>(in.ReadU32());
    r.lightingParam = static_cast<int32_t>(in.ReadU32());
    for (ButtonAssignment& b : r.buttons) {
        b.button = in.ReadU8();
        b.function = in.ReadU8();
        b.parameter = static_cast<int16_t>(in.ReadU16());
    }
    for (ButtonMacro& macro : r.buttonMacros) {
        ReadMacro(in, macro);
    }
    if (in.failed()) {
        return FileStatus::kTruncated;
    }
    record = std::move(r);
    return FileStatus::kOk;
}

FileResult SaveProfile(const ProfileRecord& record, const std::filesystem::path& path,
                       ProfilePlace place, WriteCalls& calls) {
    if (place == ProfilePlace::kDataFolder && IsRegularFile(path) && !IsLoadableProfile(path)) {
        const std::filesystem::path copy = UnreadableCopyPath(path);
        if (copy.empty()) {
            return {FileStatus::kNotWritten, EEXIST, path};
        }
        if (std::rename(path.c_str(), copy.c_str()) != 0) {
            return {FileStatus::kNotWritten, errno, path};
        }
    }
    return EncodeProfile(record).SaveFile(path, calls);
}

FileResult LoadProfile(const std::filesystem::path& path, ProfileRecord& record) {
    std::vector<uint8_t> bytes;
    FileResult result = ReadWholeFile(path, bytes);
    if (result) {
        result.status = DecodeProfile(bytes, record);
    }
    return result;
}

std::filesystem::path UnreadableCopyPath(const std::filesystem::path& path) {
    for (int n = 1; n <= kMaxUnreadableCopies; ++n) {
        std::filesystem::path copy = path;
        copy += n == 1 ? std::string(".unreadable") : ".unreadable" + std::to_string(n);
        if (!Exists(copy)) {
            return copy;
        }
    }
    return {};
}

}  // namespace tavro
