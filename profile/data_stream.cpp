#include "profile/data_stream.h"

#include <algorithm>
#include <cassert>
#include <limits>

#include "profile/file_io.h"
#include "profile/little_endian.h"

namespace tavro {

DataStream::DataStream(int32_t capacity) : buffer_(static_cast<size_t>(capacity)) {
    assert(capacity >= 0);
}

DataStream DataStream::FromBytes(std::span<const uint8_t> bytes) {
    assert(bytes.size() <= size_t{std::numeric_limits<int32_t>::max()});
    DataStream stream;
    stream.buffer_.assign(bytes.begin(), bytes.end());
    stream.length_ = static_cast<int32_t>(bytes.size());
    return stream;
}

void DataStream::Reserve(int32_t n) {
    assert(n >= 0);
    if (n <= capacity() - length_) {
        return;
    }
    const int64_t grown = int64_t{capacity()} + std::max<int64_t>(2 * int64_t{n}, 1024);
    assert(grown <= std::numeric_limits<int32_t>::max());
    buffer_.resize(static_cast<size_t>(grown));
}

void DataStream::WriteU8(uint8_t value) {
    Reserve(1);
    buffer_[length_++] = value;
}

void DataStream::WriteU16(uint16_t value) {
    Reserve(2);
    StoreU16(&buffer_[length_], value);
    length_ += 2;
}

void DataStream::WriteU32(uint32_t value) {
    Reserve(4);
    StoreU32(&buffer_[length_], value);
    length_ += 4;
}

void DataStream::WriteText(std::u16string_view text) {
    assert(text.size() <= (std::numeric_limits<int32_t>::max() - 4) / 2);
    const auto units = static_cast<int32_t>(text.size());
    Reserve(2 * units + 4);
    WriteU32(static_cast<uint32_t>(units));
    for (char16_t unit : text) {
        WriteU16(unit);
    }
}

void DataStream::WriteIntText(int32_t value) {
    const std::string digits = std::to_string(value);
    WriteText(std::u16string(digits.begin(), digits.end()));
}

bool DataStream::Expect(int64_t n) {
    if (n > length_ - readPosition_) {
        failed_ = true;
        readPosition_ = length_;
        return false;
    }
    return true;
}

uint8_t DataStream::ReadU8() {
    if (!Expect(1)) {
        return 0;
    }
    return buffer_[readPosition_++];
}

uint16_t DataStream::ReadU16() {
    if (!Expect(2)) {
        return 0;
    }
    const uint16_t value = LoadU16(&buffer_[readPosition_]);
    readPosition_ += 2;
    return value;
}

uint32_t DataStream::ReadU32() {
    if (!Expect(4)) {
        return 0;
    }
    const uint32_t value = LoadU32(&buffer_[readPosition_]);
    readPosition_ += 4;
    return value;
}

std::u16string DataStream::ReadText() {
    const auto count = static_cast<int32_t>(ReadU32());
    if (count <= 0) {
        return {};
    }
    if (!Expect(2 * int64_t{count})) {
        return {};
    }
    std::u16string text;
    text.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        text += static_cast<char16_t>(ReadU16());
    }
    return text;
}

int32_t DataStream::ReadIntText() {
    const std::u16string text = ReadText();
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        magnitude = std::min(magnitude * 10 + (text[i] - u'0'), kLimit);
    }
    const int64_t value = negative ? -magnitude : std::min(magnitude, kLimit - 1);
    return static_cast<int32_t>(value);
}

FileResult DataStream::LoadFile(const std::filesystem::path& path) {
    *this = DataStream();
    std::vector<uint8_t> bytes;
    FileResult result = ReadWholeFile(path, bytes);
    if (result) {
        *this = FromBytes(bytes);
    }
    return result;
}

FileResult DataStream::SaveFile(const std::filesystem::path& path, WriteCalls& calls) const {
    CreateFolderChain(path.parent_path());
    return WriteFileAtomically(path, bytes(), calls);
}

}  // namespace tavro
