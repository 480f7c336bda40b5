#include "persist/RecordFile.h"

#include "persist/LittleEndian.h"

std::string RecordName(const std::string& name) {
    std::string fitted = name.substr(0, RecordNameSize);
    fitted.resize(RecordNameSize, ' ');
    return fitted;
}

RecordTable ReadRecordTable(const std::string& bytes) {
    RecordTable table;
    for (size_t i = 0; i < table.size(); ++i) {
        const size_t start = i * RecordEntrySize;
        RecordEntry& entry = table[i];
        entry.name = RecordName(start < bytes.size() ? bytes.substr(start, RecordNameSize) : "");
        const size_t valueAt = start + RecordNameSize;
        if (valueAt + 4 <= bytes.size()) entry.value = GetInt32(bytes, valueAt);
    }
    return table;
}

std::string WriteRecordTable(const RecordTable& table) {
    std::string bytes;
    bytes.reserve(RecordFileSize);
    for (const RecordEntry& entry : table) {
        bytes += RecordName(entry.name);
        PutLittleEndian(bytes, static_cast<uint32_t>(entry.value), 4);
    }
    return bytes;
}
