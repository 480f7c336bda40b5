#include "common/AppState.h"
#include "engine/GameSettings.h"
#include "persist/BestRecords.h"
#include "persist/FileIO.h"
#include "persist/RecordFile.h"
#include "support/AppFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

class SharedRecords : public AppFixture {
protected:
    std::string Path() const { return App().RecordsFolder + "/hs.rec"; }
    std::string Bytes() const { return ReadFileHead(Path(), 100000).value_or("(none)"); }
    void SwitchCopy() { std::swap(otherCopy, Records()); }

    BestRecords otherCopy; // what a second copy of the game, started with this one, holds
};

// Each copy decides against the file as it is now and writes back what the other wrote.
// Names are stored as the file can hold them: no tab, and "noname" for none.
TEST_F(SharedRecords, TwoCopiesKeepEachOthersRecords) {
    platform.names = {"A\tnn", ""};
    UpdateBestRecord(300, 0);
    SwitchCopy();
    UpdateBestRecord(400, 1);
    EXPECT_EQ(Bytes(), WriteRecordTable({{{"Ann", 300}, {"noname", 400}, {}}}))
        << "the first copy's record stays";

    SwitchCopy();
    platform.asked.clear();
    UpdateBestRecord(450, 1);
    EXPECT_TRUE(platform.asked.empty()) << "no name is asked for a time the file beats";
    EXPECT_EQ(Records().TrainingRecordTimes[1], 400);

    // While the first copy asks for a name, the second stores a better time.
    platform.whileOpen = [&, once = true]() mutable {
        if (!std::exchange(once, false)) return;
        SwitchCopy();
        UpdateBestRecord(380, 1);
        SwitchCopy();
    };
    UpdateBestRecord(390, 1);
    EXPECT_EQ(ReadRecordTable(Bytes())[1].value, 380);
    EXPECT_EQ(Records().TrainingRecordTimes[1], 380);
}

// The lock beside the file covers reading, deciding and writing, never the name prompt; a
// copy that cannot have it within two seconds says the record was not saved.
TEST_F(SharedRecords, ALockHeldElsewhereMeansTheRecordIsNotSaved) {
    QLockFile lock(QString::fromStdString(Path() + ".lock"));
    bool freeWhileAsked = false;
    platform.whileOpen = [&] { freeWhileAsked = freeWhileAsked || lock.tryLock(0); };
    UpdateBestRecord(300, 0);
    EXPECT_TRUE(freeWhileAsked);
    EXPECT_EQ(platform.asked.back(),
              "message: Korvel Sudoku | Your best record could not be saved: another copy of "
              "the game kept the records busy.");
    EXPECT_EQ(Bytes(), "(none)");
}

// Bytes after the three entries are someone else's and stay. A file that is there but
// cannot be read is named once at start, then never asked for nor written over.
TEST_F(SharedRecords, FilesThatCannotBeReadAreNamedOnceAndLeftAlone) {
    ASSERT_EQ(WriteFileAtomically(Path(), std::string(108, ' ') + "tail"), "");
    UpdateBestRecord(300, 0);
    EXPECT_EQ(Bytes(),
              WriteRecordTable({{{"noname", 300}}}).substr(0, 36) + std::string(72, ' ') + "tail");

    const std::string challenge = App().RecordsFolder + "/hhs.rec";
    ASSERT_EQ(WriteFileAtomically(Path(), std::string(64 * 1024 + 1, 'x')), "");
    QDir().mkpath(QString::fromStdString(challenge));
    // Root reads any file, so a file without permission is only tried by other users.
    if (geteuid() != 0) QFile::setPermissions(QString::fromStdString(Path()), {});
    const std::string before = Bytes();
    platform.asked.clear();
    LoadBestRecords();
    const auto unreadable = [](const std::string& file, const char* mode) {
        return "message: Korvel Sudoku | The best records file " + file +
               " cannot be read: it may be a folder, not yours to read, or too large.\n" + mode +
               " records will not be kept until the game is started again.";
    };
    EXPECT_EQ(platform.asked,
              (std::vector{unreadable(Path(), "Training"), unreadable(challenge, "Challenge")}));
    UpdateBestRecord(100, 2);
    Settings().TrainingMode = false;
    UpdateBestRecord(9999, 2);
    EXPECT_EQ(platform.asked.size(), 2u) << "no name asked";
    EXPECT_EQ(Bytes(), before);
    EXPECT_TRUE(QFileInfo(QString::fromStdString(challenge)).isDir());
}

} // namespace
