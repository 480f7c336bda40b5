#include "persist/FileIO.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// A pipe or a folder chosen as a saved game or found as a record file must not hold the
// game: opening a pipe for reading waits until something writes to it.
TEST(FileIO, OnlyPlainFilesAreRead) {
    QTemporaryDir folder;
    const std::string pipe = folder.path().toStdString() + "/pipe.sv";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(ReadFileHead(pipe, 338));
    EXPECT_FALSE(ReadFileHead(folder.path().toStdString(), 338));

    const std::string file = folder.path().toStdString() + "/game.sv";
    ASSERT_TRUE(WriteFileAtomically(file, "0123456789").empty());
    EXPECT_EQ(ReadFileHead(file, 4), "0123");
}

} // namespace
