#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "profile/atomic_write.h"
#include "profile/file_result.h"

namespace tavro {

// The byte stream of the profile and macro library files: little-endian integers and
// texts as a 32-bit count of UTF-16 code units followed by the units, no terminator.
//
// Reads never go past what was written or loaded: a read that would go further marks the stream
// as failed, returns zeros (or an empty text) and leaves the read position at the end.
class DataStream {
public:
    DataStream() = default;
    // A first buffer of the given size, zero-filled.
    explicit DataStream(int32_t capacity);
    // A stream holding exactly these bytes, ready to be read.
    static DataStream FromBytes(std::span<const uint8_t> bytes);

    // Makes sure that at least n bytes are free after the write position; grows by
    // max(2n, 1024) bytes so that many small writes cause few reallocations.
    void Reserve(int32_t n);

    void WriteU8(uint8_t value);
    void WriteU16(uint16_t value);
    void WriteU32(uint32_t value);
    void WriteText(std::u16string_view text);
    // The decimal form ("%d") of the value, as a text.
    void WriteIntText(int32_t value);

    uint8_t ReadU8();
    uint16_t ReadU16();
    uint32_t ReadU32();
    // A count of zero or below is the empty text and consumes only the count.
    std::u16string ReadText();
    // A text read as a decimal number: an optional sign, then digits up to the first
    // other character; no digits give 0, values beyond 32 bits saturate.
    int32_t ReadIntText();
    // True when at least n more bytes can be read; otherwise fails the stream, so that a
    // reader can refuse a hostile count before it allocates or loops.
    bool Expect(int64_t n);

    // Replaces the contents with the whole file; on failure the stream is left empty.
    FileResult LoadFile(const std::filesystem::path& path);
    // Writes the bytes written so far to the file, creating its folders first. The old
    // file, if any, stays in place unless the new one was written completely.
    FileResult SaveFile(const std::filesystem::path& path,
                        WriteCalls& calls = SystemWriteCalls()) const;

    int32_t capacity() const { return static_cast<int32_t>(buffer_.size()); }
    int32_t length() const { return length_; }
    int32_t readPosition() const { return readPosition_; }
    // True once a read went past the end.
    bool failed() const { return failed_; }
    std::span<const uint8_t> bytes() const { return {buffer_.data(), size_t(length_)}; }

private:
    std::vector<uint8_t> buffer_;  // its size is the capacity
    int32_t length_ = 0;
    int32_t readPosition_ = 0;
    bool failed_ = false;
};

}  // namespace tavro
