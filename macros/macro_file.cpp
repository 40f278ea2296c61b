#include "macros/macro_file.h"

#include <algorithm>

#include "macros/macro_limits.h"
#include "profile/file_io.h"

namespace tavro {
namespace {

constexpr int32_t kInitialCapacity = 1024;

void WriteRect(DataStream& out, const Rect& rect) {
    for (int32_t side : {rect.left, rect.top, rect.right, rect.bottom}) {
        out.WriteU32(static_cast<uint32_t>(side));
    }
}

Rect ReadRect(DataStream& in) {
    Rect rect;
    for (int32_t* side : {&rect.left, &rect.top, &rect.right, &rect.bottom}) {
        *side = static_cast<int32_t>(in.ReadU32());
    }
    return rect;
}

}  // namespace

DataStream EncodeMacro(const CMacro& macro) {
    DataStream out(kInitialCapacity);
    out.WriteText(macro.name);
    out.WriteU32(static_cast<uint32_t>(macro.id));
    WriteRect(out, macro.areaRect);
    out.WriteU32(static_cast<uint32_t>(macro.events.size()));
    for (const CEventItem& event : macro.events) {
        out.WriteU8(event.kind);
        out.WriteU16(static_cast<uint16_t>(event.key));
        out.WriteU8(event.direction);
        out.WriteU32(static_cast<uint32_t>(event.delay));
        WriteRect(out, event.rowRect);
        out.WriteU32(event.selected);
        out.WriteU32(event.sequence);
    }
    return out;
}

FileStatus DecodeMacro(std::span<const uint8_t> bytes, CMacro& macro) {
    DataStream in = DataStream::FromBytes(bytes);
    std::u16string name = in.ReadText();
    const auto id = static_cast<int32_t>(in.ReadU32());
    const Rect area = ReadRect(in);
    const auto count = static_cast<int32_t>(in.ReadU32());
    std::vector<CEventItem> events;
    if (count > 0 && in.Expect(int64_t{count} * kMacroEventRecordSize)) {
        events.resize(static_cast<size_t>(count));
        for (CEventItem& event : events) {
            event.kind = in.ReadU8();
            event.key = static_cast<int16_t>(in.ReadU16());
            event.direction = in.ReadU8();
            event.delay = static_cast<int32_t>(in.ReadU32());
            event.rowRect = ReadRect(in);
            event.selected = in.ReadU32();
            event.sequence = in.ReadU32();
        }
    }
    if (in.failed()) {
        return FileStatus::kTruncated;
    }
    macro.name = std::move(name);
    macro.id = id;
    macro.areaRect = area;
    macro.events = std::move(events);
    return FileStatus::kOk;
}

FileResult SaveMacro(const CMacro& macro, const std::filesystem::path& path, WriteCalls& calls) {
    return EncodeMacro(macro).SaveFile(path, calls);
}

FileResult LoadMacro(const std::filesystem::path& path, CMacro& macro) {
    std::vector<uint8_t> bytes;
    FileResult result = ReadWholeFile(path, bytes, kMaxMacroFileSize);
    if (result) {
        result.status = DecodeMacro(bytes, macro);
    }
    return result;
}

DataStream EncodeIndex(std::span<const std::u16string> paths) {
    DataStream out(kInitialCapacity);
    out.WriteU32(static_cast<uint32_t>(paths.size()));
    for (const std::u16string& path : paths) {
        out.WriteText(path);
    }
    return out;
}

FileStatus DecodeIndex(std::span<const uint8_t> bytes, std::vector<std::u16string>& paths,
                       int32_t maxEntries) {
    DataStream in = DataStream::FromBytes(bytes);
    const int32_t count = std::min(static_cast<int32_t>(in.ReadU32()), maxEntries);
    for (int32_t i = 0; i < count && !in.failed(); ++i) {
        std::u16string path = in.ReadText();
        if (!in.failed()) {
            paths.push_back(std::move(path));
        }
    }
    return in.failed() ? FileStatus::kTruncated : FileStatus::kOk;
}

int32_t IndexListedCount(std::span<const uint8_t> bytes) {
    DataStream in = DataStream::FromBytes(bytes.first(std::min<size_t>(4, bytes.size())));
    return static_cast<int32_t>(in.ReadU32());
}

}  // namespace tavro
