#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// One record file: three entries (Easy, Normal, Hard) of a 32-byte name padded with
// spaces and a 32-bit little-endian value.
struct RecordEntry {
    std::string name; // always 32 bytes
    int32_t value = 0;
};
using RecordTable = std::array<RecordEntry, 3>;

inline constexpr size_t RecordNameSize = 32;
inline constexpr size_t RecordEntrySize = RecordNameSize + 4;
inline constexpr size_t RecordFileSize = 3 * RecordEntrySize;

// Whatever a short file lacks stays blank with value 0; bytes past the third entry are
// not looked at.
RecordTable ReadRecordTable(const std::string& bytes);
std::string WriteRecordTable(const RecordTable& table);

// Cut to 32 bytes and padded with spaces.
std::string RecordName(const std::string& name);
