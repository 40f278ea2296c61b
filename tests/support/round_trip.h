#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <span>

#include "profile/data_stream.h"
#include "profile/file_result.h"

namespace tavro::testing {

// Encodes a value and decodes the bytes into a copy of `blank`; every file format of
// the program goes through this one helper.
template <class T, class Encode, class Decode>
T RoundTrip(const T& value, const T& blank, Encode encode, Decode decode) {
    const DataStream stream = encode(value);
    T decoded = blank;
    EXPECT_EQ(decode(stream.bytes(), decoded), FileStatus::kOk);
    return decoded;
}

// A file cut off at any length is refused as truncated and changes nothing.
template <class T, class Decode>
void ExpectEveryTruncationRefused(std::span<const uint8_t> bytes, const T& before, Decode decode) {
    for (size_t length = 0; length < bytes.size(); ++length) {
        T target = before;
        EXPECT_EQ(decode(bytes.first(length), target), FileStatus::kTruncated)
            << "cut at " << length << " of " << bytes.size();
        EXPECT_TRUE(target == before) << "changed when cut at " << length;
    }
}

}  // namespace tavro::testing
