#include "shell/FileLocations.h"
#include "common/AppState.h"
#include "persist/BestRecords.h"
#include "persist/FileIO.h"
#include "persist/RecordFile.h"
#include "persist/SavedGames.h"
#include "support/AppFixture.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

FolderFacts Facts(bool resourcesBeside, bool writable) {
    FolderFacts facts;
    facts.executableFolder = "/games/korvel";
    facts.resourcesBeside = resourcesBeside;
    facts.executableWritable = writable;
    facts.installedDataFolder = "/games/share/korvel-sudoku";
    facts.dataFolder = "/home/ann/.local/share/korvel-sudoku";
    facts.documentsFolder = "/home/ann/Documents";
    return facts;
}

TEST(FileLocations, OnlyAWritableCopyWithItsResourcesKeepsFilesBesideTheProgram) {
    const FileLocations portable = ChooseFileLocations(Facts(true, true));
    EXPECT_EQ(portable.programFolder, "/games/korvel");
    EXPECT_EQ(portable.recordsFolder, "/games/korvel");
    EXPECT_EQ(portable.saveFolder, "/games/korvel/save");
    EXPECT_EQ(portable.formerRecordsFolder, "") << "nothing to carry over";

    const FileLocations readOnly = ChooseFileLocations(Facts(true, false));
    EXPECT_EQ(readOnly.programFolder, "/games/korvel");
    EXPECT_EQ(readOnly.recordsFolder, "/home/ann/.local/share/korvel-sudoku");
    EXPECT_EQ(readOnly.saveFolder, "/home/ann/Documents/Korvel Sudoku");
    EXPECT_EQ(readOnly.formerRecordsFolder, "/games/korvel");

    // An installed copy: even in a prefix the player may write to (~/.local), the player's
    // files do not belong in bin/.
    const FileLocations installed = ChooseFileLocations(Facts(false, true));
    EXPECT_EQ(installed.programFolder, "/games/share/korvel-sudoku");
    EXPECT_EQ(installed.recordsFolder, "/home/ann/.local/share/korvel-sudoku");
    EXPECT_EQ(installed.saveFolder, "/home/ann/Documents/Korvel Sudoku");
    EXPECT_EQ(installed.formerRecordsFolder, "/games/korvel");
}

TEST(FileLocations, ResourcesBesideTheProgramAreNoticed) {
    QTemporaryDir folder;
    QTemporaryDir share;
    QDir(share.path()).mkdir("res");
    const std::string path = folder.path().toStdString();
    EXPECT_FALSE(ExamineFolders(path, share.path().toStdString()).resourcesBeside)
        << "an installed copy";
    EXPECT_TRUE(ExamineFolders(path, "/elsewhere").resourcesBeside)
        << "res/ in neither place: a copy missing its files, named beside the program";
    QDir(folder.path()).mkdir("res");
    const FolderFacts facts = ExamineFolders(path, "/elsewhere");
    EXPECT_TRUE(facts.resourcesBeside);
    EXPECT_EQ(facts.installedDataFolder, "/elsewhere");
    EXPECT_FALSE(facts.dataFolder.empty());
    EXPECT_FALSE(facts.documentsFolder.empty());
}

class RecordsCarryOver : public AppFixture {
protected:
    static std::string RecordsWith(int32_t easyTime) {
        RecordTable table;
        table[0] = {RecordName("Ann"), easyTime};
        return WriteRecordTable(table);
    }

    QTemporaryDir program;
    QTemporaryDir home;
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

using SaveFolder = AppFixture;

TEST_F(SaveFolder, IsMadeWhenTheSaveDialogFirstProposesIt) {
    App().SaveFolder = files->path().toStdString() + "/Documents/Korvel Sudoku";
    EXPECT_EQ(AskSaveFileName(), "") << "the player cancels";
    ASSERT_EQ(platform.asked.size(), 1u);
    EXPECT_EQ(platform.asked[0].rfind("save: Save Game to file | " + App().SaveFolder + "/", 0), 0u)
        << platform.asked[0];
    EXPECT_TRUE(QDir(QString::fromStdString(App().SaveFolder)).exists());
}

} // namespace
