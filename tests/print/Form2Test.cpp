#include "print/Form2.h"

#include "common/ScreenId.h"
#include "persist/FileIO.h"
#include "support/GameFixture.h"

#include <QApplication>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <deque>

namespace {

constexpr const char* PdfQuestion =
    "message: Korvel Sudoku | No printer is installed. Save the page as a PDF file instead?";

QPageLayout Paper(QPageSize::PageSizeId size, QPageLayout::Orientation orientation) {
    return QPageLayout(QPageSize(size), orientation, QMarginsF());
}

class PrintForm : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        StartRegular({1, 2, 3, 10, 20, 30, 40, 50, 60, 70, 80});
        Enter(1, Solved(0, 1) - 1); // the player's entry, never printed
    }

    // Presses Print with the player's answers and file name ready, after what was asked before.
    void Print(Form2& form, std::deque<Platform::Answer> answers, const std::string& file = {}) {
        platform.asked.clear();
        platform.answers = std::move(answers);
        platform.fileNames = {file};
        form.findChild<QPushButton*>(QStringLiteral("printButton"))->click();
    }

    // What a PDF reader sees in the file.
    static QString Pdf(const QString& tool, const QStringList& arguments) {
        QProcess process;
        process.start(tool, arguments);
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QString PdfPath(const char* name) const { return files->path() + QLatin1Char('/') + name; }
};

TEST_F(PrintForm, PreviewTakesTheShapeOfThePaperAtItsScale) {
    // The box is 437 by 559 pixels of a 96-dpi screen: it keeps the side that limits it.
    const std::pair<QPageLayout, QSize> cases[] = {
        {Paper(QPageSize::A4, QPageLayout::Portrait), {395, 559}},
        {Paper(QPageSize::Letter, QPageLayout::Portrait), {432, 559}},
        {Paper(QPageSize::A4, QPageLayout::Landscape), {437, 309}}};
    for (const auto& [paper, box] : cases) {
        Form2 form(paper, Game().Model().ThePuzzle());
        const QSizeF inches = paper.fullRect(QPageLayout::Inch).size();
        EXPECT_EQ(form.Preview().size(), box) << inches.width();
        EXPECT_NEAR(form.Ratio(), box.height() / 96.0 / inches.height(), 0.002);
    }
}

TEST_F(PrintForm, WithoutAPrinterThePageIsSavedAsAPdfOfTheSamePage) {
    App().SaveFolder = PdfPath("Documents/Korvel Sudoku").toStdString(); // not made yet
    Form2 form(Paper(QPageSize::A4, QPageLayout::Portrait), Game().Model().ThePuzzle());
    Print(form, {Platform::Answer::Yes}, PdfPath("puzzle").toStdString());
    EXPECT_TRUE(QFileInfo(QString::fromStdString(App().SaveFolder)).isDir()) << "made to propose";

    const QString path = PdfPath("puzzle.pdf");
    EXPECT_EQ(platform.asked,
              (std::vector<std::string>{
                  PdfQuestion, "save: Save the page as PDF | " + App().SaveFolder + "/sudoku.pdf",
                  "message: Korvel Sudoku | The page has been saved to " + path.toStdString()}));
    const QString info = Pdf("pdfinfo", {path});
    EXPECT_TRUE(info.contains(
        QRegularExpression(QStringLiteral("Page size: +595[.0-9]* x 84[12][.0-9]* pts"))))
        << info.toStdString(); // A4

    // One line per row with givens, each given once and in its order; then the footer.
    QString text = Pdf("pdftotext", {"-layout", path, "-"});
    text.remove(QRegularExpression(QStringLiteral("(?<=\\d) +(?=\\d)|^[ \f]+|[ \f]+$"),
                                   QRegularExpression::MultilineOption));
    QStringList expected;
    for (const auto& row : Sudoku().GivenGrid) {
        expected << QString(); // every row holds givens
        for (int16_t d : row)
            if (d != 0) expected.back() += QString::number(d);
    }
    expected << QStringLiteral("Printed by Korvel Sudoku 1.42");
    EXPECT_EQ(text.split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
}

TEST_F(PrintForm, APageIsWrittenOnlyWhenThePlayerAgreesAndNeverHalfNorClaimedPrinted) {
    Form2 form(Paper(QPageSize::A4, QPageLayout::Portrait), Game().Model().ThePuzzle());
    Print(form, {Platform::Answer::No});
    EXPECT_EQ(platform.asked, std::vector<std::string>{PdfQuestion});

    // An existing file is kept when the player does not want it replaced.
    const std::string kept = PdfPath("kept.pdf").toStdString();
    ASSERT_EQ(WriteFileAtomically(kept, "mine"), "");
    Print(form, {Platform::Answer::Yes, Platform::Answer::No}, kept);
    EXPECT_EQ(platform.asked.back(),
              "message: Save file | File already exists. Do you want to replace it?");
    EXPECT_EQ(ReadFileHead(kept, 100), "mine");

    // A folder that is not there: told in words, nothing claimed as saved.
    const std::string missing = PdfPath("gone/page.pdf").toStdString();
    Print(form, {Platform::Answer::Yes}, missing);
    ASSERT_EQ(platform.asked.size(), 3u);
    EXPECT_EQ(platform.asked[2], "message: Korvel Sudoku | The page could not be saved to " +
                                     missing + ": the folder does not exist.");

    // A printer that fails is reported and nothing claimed printed.
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a real printer would print";
    platform.hasPrinter = true;
    Print(form, {});
    ASSERT_EQ(platform.asked.size(), 1u);
    EXPECT_NE(platform.asked[0].find("The page was not printed"), std::string::npos);
}

// Windows the player must answer hold a challenge's clock: the seconds left before the Save
// dialog, its message and the print form are the seconds left after them, and the stage
// cannot run out behind them. The clock runs again once they close.
TEST_F(PrintForm, AChallengeLosesNoTimeBehindTheSaveDialogItsMessageOrThePrintForm) {
    Settings().TrainingMode = false;
    Clock().ct_m = 7;
    Clock().ct_s = 28;
    GameIntf().ClockSecond(0, 7, 28); // two seconds before the first stage's 450
    // Keeps looking for the form until it is up, so that the modal loop always ends.
    QTimer closer;
    closer.callOnTimeout([&] {
        QWidget* form = QApplication::activeModalWidget();
        if (!form) return;
        closer.stop();
        Tick(ScriptedPlatform::TicksOpen);
        form->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
    });
    closer.start(10);
    platform.fileNames = {PdfPath("run.sv").toStdString()};
    Click(place::Save);
    Click(place::Print);

    EXPECT_EQ(platform.asked.size(), 2u) << "the Save dialog and its message";
    EXPECT_EQ(DescribeGame(), "screen=2 stage=0/0 score=0/-1 level=0 type=0 clock=448 running");
    EXPECT_EQ(Game().StageSeconds(), 448);
}

} // namespace
