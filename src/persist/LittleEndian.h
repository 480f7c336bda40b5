#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The game's files store numbers little-endian, whatever the machine.
inline void PutLittleEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

inline uint32_t GetLittleEndian(const std::string& in, size_t at, int bytes) {
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= uint32_t{static_cast<unsigned char>(in[at + static_cast<size_t>(i)])} << (8 * i);
    return value;
}

inline int16_t GetInt16(const std::string& in, size_t at) {
    return static_cast<int16_t>(GetLittleEndian(in, at, 2));
}

inline int32_t GetInt32(const std::string& in, size_t at) {
    return static_cast<int32_t>(GetLittleEndian(in, at, 4));
}
