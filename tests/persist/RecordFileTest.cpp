#include "persist/RecordFile.h"
#include "persist/Windows1252.h"

#include <gtest/gtest.h>

namespace {

const std::string Zero(4, '\0');

TEST(RecordFile, ThreeEntriesOfPaddedNameAndLittleEndianValue) {
    const std::string bytes = WriteRecordTable({{{"Ann", 300}, {}, {std::string(40, 'z'), -2}}});
    EXPECT_EQ(bytes, "Ann" + std::string(29, ' ') + std::string("\x2C\x01\0\0", 4) +
                         std::string(32, ' ') + Zero + std::string(32, 'z') + "\xFE\xFF\xFF\xFF")
        << "a long name is cut";
    EXPECT_EQ(WriteRecordTable(ReadRecordTable(bytes)), bytes);
}

TEST(RecordFile, ShortFileKeepsWhatItHasAndLeavesTheRestBlank) {
    const std::string bytes = WriteRecordTable({{{"Bo", 77}, {"Cy", 88}, {"Di", 99}}});
    EXPECT_EQ(WriteRecordTable(ReadRecordTable(bytes.substr(0, 36 + 34))),
              bytes.substr(0, 36 + 32) + Zero + std::string(32, ' ') + Zero)
        << "the second value was cut off";
    EXPECT_EQ(ReadRecordTable("")[0].value, 0);
}

TEST(RecordFile, NamesUseTheSingleByteWesternCodePage) {
    const QString name = QString::fromUtf8("Zoë € ŝ 😀");
    const std::string bytes = ToWindows1252(name);
    EXPECT_EQ(bytes, std::string("Zo\xEB \x80 ? ?"));
    EXPECT_EQ(FromWindows1252(bytes), QString::fromUtf8("Zoë € ? ?"));
    EXPECT_EQ(FromWindows1252(std::string("\x9C\x81", 2)), QString::fromUtf8("œ\uFFFD"));
}

} // namespace
