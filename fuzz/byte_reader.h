// SPDX-License-Identifier: MIT
// Reads a fuzzer's bytes as small integers; past the end it reads zeros.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool Done() const { return offset_ >= size_; }
    uint8_t Byte() { return offset_ < size_ ? data_[offset_++] : 0; }
    int32_t Int32()
    {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = value << 8 | Byte();
        int32_t result;
        std::memcpy(&result, &value, sizeof result);
        return result;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t offset_ = 0;
};
