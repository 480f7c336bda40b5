#include "persist/RecordFile.h"
#include "persist/Windows1252.h"

#include <gtest/gtest.h>

namespace {

TEST(RecordFile, ThreeEntriesOfPaddedNameAndLittleEndianValue) {
    RecordTable table;
    table[0] = {"Ann", 300};
    table[2] = {std::string(40, 'z'), -2};
    const std::string bytes = WriteRecordTable(table);

    ASSERT_EQ(bytes.size(), 108u);
    EXPECT_EQ(bytes.substr(0, 32), "Ann" + std::string(29, ' '));
    EXPECT_EQ(bytes.substr(32, 4), std::string("\x2C\x01\x00\x00", 4));
    EXPECT_EQ(bytes.substr(36, 32), std::string(32, ' '));
    EXPECT_EQ(bytes.substr(72, 32), std::string(32, 'z')) << "a long name is cut";
    EXPECT_EQ(bytes.substr(104), std::string("\xFE\xFF\xFF\xFF", 4));

    const RecordTable read = ReadRecordTable(bytes);
    EXPECT_EQ(read[0].name, "Ann" + std::string(29, ' '));
    EXPECT_EQ(read[0].value, 300);
    EXPECT_EQ(read[2].value, -2);
}

TEST(RecordFile, ShortFileKeepsWhatItHasAndLeavesTheRestBlank) {
    const std::string bytes = WriteRecordTable({{{"Bo", 77}, {"Cy", 88}, {"Di", 99}}});
    const RecordTable read = ReadRecordTable(bytes.substr(0, 36 + 34));
    EXPECT_EQ(read[0].value, 77);
    EXPECT_EQ(read[1].name, "Cy" + std::string(30, ' '));
    EXPECT_EQ(read[1].value, 0) << "its value was cut off";
    EXPECT_EQ(read[2].name, std::string(32, ' '));
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
