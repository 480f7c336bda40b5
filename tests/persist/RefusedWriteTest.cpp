#include "persist/BestRecords.h"
#include "persist/FileIO.h"
#include "print/Form2.h"
#include "support/FileSizeLimit.h"
#include "support/GameFixture.h"

#include <QDir>
#include <QPushButton>
#include <functional>
#include <tuple>

namespace {

using RefusedWrite = GameFixture;

// The kernel cuts each write short, as a full disk or a used-up quota does: the file that
// was there stays as it was, nothing is left beside it, and the player reads why.
TEST_F(RefusedWrite, AFullDiskChangesNoFileAndSaysSo) {
    StartRegular({10, 40});
    const std::string game = App().SaveFolder + "/game.sv";
    const std::string page = App().SaveFolder + "/page.pdf";
    const std::string records = App().RecordsFolder + "/hs.rec";
    const std::string moved = App().RecordsFolder + "/moved";
    QDir().mkpath(QString::fromStdString(moved));
    platform.fileNames = {game};
    Click(place::Save);
    UpdateBestRecord(300, 0);
    ASSERT_EQ(WriteFileAtomically(page, "an older page"), "");
    Form2 form(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()),
               Game().Model().ThePuzzle());

    const std::tuple<std::string, std::function<void()>, std::string> writes[] = {
        {game,
         [&] {
             platform.fileNames = {game};
             platform.answers = {Platform::Answer::Yes};
             Click(place::Save);
         },
         "The game could not be saved to " + game + ": "},
        {records, [] { UpdateBestRecord(200, 1); }, "Your best record could not be saved: "},
        {page,
         [&] {
             platform.fileNames = {page};
             platform.answers = {Platform::Answer::Yes, Platform::Answer::Yes};
             form.findChild<QPushButton*>(QStringLiteral("printButton"))->click();
         },
         "The page could not be saved to " + page + ": "},
        // The first start's copy of records left by an older copy of the game.
        {moved + "/hs.rec",
         [&] {
             App().RecordsFolder = moved;
             LoadBestRecords(files->path().toStdString());
         },
         "Your best records in " + records + " could not be copied to " + moved + "/hs.rec: "},
    };
    for (const auto& [path, write, told] : writes) {
        const std::string before = ReadFileHead(path, 100000).value_or("(none)");
        {
            const FileSizeLimit full(100);
            write();
        }
        EXPECT_EQ(ReadFileHead(path, 100000).value_or("(none)"), before) << path;
        EXPECT_EQ(platform.asked.back().find("message: Korvel Sudoku | " + told +
                                             "the disk is full or the file is too large."),
                  0u);
    }
    EXPECT_EQ(QDir(files->path()).entryList(QDir::Files).size(), 1) << "the records, nothing more";
    EXPECT_EQ(QDir(QString::fromStdString(App().SaveFolder)).entryList(QDir::Files).size(), 2);
}

} // namespace
