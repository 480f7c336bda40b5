#include "shell/FileLocations.h"
#include "common/AppState.h"
#include "persist/BestRecords.h"
#include "persist/FileIO.h"
#include "persist/RecordFile.h"
#include "support/AppFixture.h"
#include "support/Joined.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tuple>

namespace {

std::string Said(const FileLocations& f) {
    return Joined(f.programFolder, f.recordsFolder, f.saveFolder, f.formerRecordsFolder);
}

// An installed copy keeps the player's files in the player's folders, even in a prefix the
// player may write to (~/.local): they do not belong in bin/.
TEST(FileLocations, OnlyAWritableCopyWithItsResourcesFoundBesideItKeepsFilesThere) {
    const std::string data = "/home/ann/.local/share/korvel-sudoku";
    const std::string documents = "/home/ann/Documents/Korvel Sudoku";
    const std::tuple<bool, bool, FileLocations> cases[] = {
        {true, true, {"/games/korvel", "/games/korvel", "/games/korvel/save", ""}},
        {true, false, {"/games/korvel", data, documents, "/games/korvel"}},
        {false, true, {"/games/share/korvel-sudoku", data, documents, "/games/korvel"}}};
    for (const auto& [resourcesBeside, writable, expected] : cases)
        EXPECT_EQ(
            Said(ChooseFileLocations({"/games/korvel", resourcesBeside, writable,
                                      "/games/share/korvel-sudoku", data, "/home/ann/Documents"})),
            Said(expected));

    // Which copy it is comes from where res/ is found.
    QTemporaryDir folder, share;
    QDir(share.path()).mkdir("res");
    const std::string path = folder.path().toStdString();
    EXPECT_FALSE(ExamineFolders(path, share.path().toStdString()).resourcesBeside)
        << "an installed copy";
    EXPECT_TRUE(ExamineFolders(path, "/elsewhere").resourcesBeside)
        << "res/ in neither place: a copy missing its files, named beside the program";
    QDir(folder.path()).mkdir("res");
    const FolderFacts facts = ExamineFolders(path, "/elsewhere");
    EXPECT_EQ(Joined(facts.resourcesBeside, facts.installedDataFolder, facts.dataFolder.empty(),
                     facts.documentsFolder.empty()),
              "true /elsewhere false false");
}

class RecordsCarryOver : public AppFixture {
protected:
    static std::string RecordsWith(int32_t easyTime) {
        RecordTable table;
        table[0] = {RecordName("Ann"), easyTime};
        return WriteRecordTable(table);
    }

    QTemporaryDir program, home;
};

TEST_F(RecordsCarryOver, RecordsBesideTheProgramAreReadOnceIntoTheDataFolder) {
    const std::string beside = program.path().toStdString();
    ASSERT_EQ(WriteFileAtomically(beside + "/hs.rec", RecordsWith(95)), "");
    const std::string data = home.path().toStdString();
    App().RecordsFolder = data;
    LoadBestRecords(beside);
    EXPECT_EQ(Records().TrainingRecordTimes[0], 95) << "the old record is still there";
    EXPECT_TRUE(FileExists(data + "/hs.rec"));
    EXPECT_TRUE(FileExists(data + "/hhs.rec")) << "the missing one starts empty";
    EXPECT_FALSE(FileExists(beside + "/hhs.rec")) << "nothing written beside the program";

    // From now on the data folder's own records count, whatever is left beside the program.
    ASSERT_EQ(WriteFileAtomically(beside + "/hs.rec", RecordsWith(300)), "");
    ASSERT_EQ(WriteFileAtomically(data + "/hs.rec", RecordsWith(80)), "");
    LoadBestRecords(beside);
    EXPECT_EQ(Records().TrainingRecordTimes[0], 80);
}

} // namespace
