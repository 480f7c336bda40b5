// Any bytes read as a record file give three entries with 32-byte names that write
// back to a full file and read again as the same entries.
#include "persist/RecordFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const RecordTable table =
        ReadRecordTable(std::string(reinterpret_cast<const char*>(data), size));
    const std::string written = WriteRecordTable(table);
    if (written.size() != RecordFileSize) std::abort();
    const RecordTable again = ReadRecordTable(written);
    for (size_t i = 0; i < table.size(); ++i) {
        if (table[i].name.size() != RecordNameSize || again[i].name != table[i].name ||
            again[i].value != table[i].value)
            std::abort();
    }
    return 0;
}
