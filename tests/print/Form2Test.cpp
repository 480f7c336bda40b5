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

    static void PressPrint(Form2& form) {
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
    struct Case {
        QPageLayout paper;
        QSize box;
    };
    // The box is 437 by 559 pixels of a 96-dpi screen: it keeps the side that limits it.
    const Case cases[] = {
        {Paper(QPageSize::A4, QPageLayout::Portrait), {395, 559}},
        {Paper(QPageSize::Letter, QPageLayout::Portrait), {432, 559}},
        {Paper(QPageSize::A4, QPageLayout::Landscape), {437, 309}},
    };
    for (const Case& c : cases) {
        Form2 form(c.paper, Game().Model().ThePuzzle());
        const QSizeF inches = c.paper.fullRect(QPageLayout::Inch).size();
        EXPECT_EQ(form.Preview().size(), c.box) << inches.width();
        EXPECT_NEAR(form.Ratio(), c.box.height() / 96.0 / inches.height(), 0.002);
    }
}

TEST_F(PrintForm, WithoutAPrinterThePageIsSavedAsAPdfOfTheSamePage) {
    platform.answers = {Platform::Answer::Yes};
    platform.fileNames = {PdfPath("puzzle").toStdString()};
    App().SaveFolder = PdfPath("Documents/Korvel Sudoku").toStdString(); // not made yet
    Form2 form(Paper(QPageSize::A4, QPageLayout::Portrait), Game().Model().ThePuzzle());
    PressPrint(form);
    EXPECT_TRUE(QFileInfo(QString::fromStdString(App().SaveFolder)).isDir()) << "made to propose";

    const QString path = PdfPath("puzzle.pdf");
    EXPECT_EQ(platform.asked,
              (std::vector<std::string>{
                  PdfQuestion, "save: Save the page as PDF | " + App().SaveFolder + "/sudoku.pdf",
                  "message: Korvel Sudoku | The page has been saved to " + path.toStdString()}));
    const QString info = Pdf(QStringLiteral("pdfinfo"), {path});
    EXPECT_TRUE(info.contains(
        QRegularExpression(QStringLiteral("Page size: +595[.0-9]* x 84[12][.0-9]* pts"))))
        << info.toStdString(); // A4

    // One line per row with givens, each given once and in its order; then the footer.
    QStringList lines =
        Pdf(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")})
            .split(QLatin1Char('\n'));
    lines.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.takeLast().trimmed(), QStringLiteral("Printed by Korvel Sudoku 1.42"));
    QStringList expected;
    for (const auto& row : Sudoku().GivenGrid) {
        QString digits;
        for (int16_t d : row)
            if (d != 0) digits += QString::number(d);
        if (!digits.isEmpty()) expected << digits;
    }
    for (QString& line : lines)
        line.remove(QLatin1Char(' '));
    EXPECT_EQ(lines, expected);
}

TEST_F(PrintForm, APdfIsWrittenOnlyWhenThePlayerAgreesAndNeverHalf) {
    Form2 form(Paper(QPageSize::A4, QPageLayout::Portrait), Game().Model().ThePuzzle());
    platform.answers = {Platform::Answer::No};
    PressPrint(form);
    EXPECT_EQ(platform.asked, std::vector<std::string>{PdfQuestion});

    // An existing file is kept when the player does not want it replaced.
    const std::string kept = PdfPath("kept.pdf").toStdString();
    ASSERT_EQ(WriteFileAtomically(kept, "mine"), "");
    platform.asked.clear();
    platform.answers = {Platform::Answer::Yes, Platform::Answer::No};
    platform.fileNames = {kept};
    PressPrint(form);
    EXPECT_EQ(platform.asked.back(),
              "message: Save file | File already exists. Do you want to replace it?");
    EXPECT_EQ(ReadFileHead(kept, 100), "mine");

    // A folder that is not there: told in words, nothing claimed as saved.
    platform.asked.clear();
    platform.answers = {Platform::Answer::Yes};
    const std::string missing = PdfPath("gone/page.pdf").toStdString();
    platform.fileNames = {missing};
    PressPrint(form);
    ASSERT_EQ(platform.asked.size(), 3u);
    EXPECT_EQ(platform.asked[2], "message: Korvel Sudoku | The page could not be saved to " +
                                     missing + ": the folder does not exist.");
}

TEST_F(PrintForm, APrinterThatFailsIsReportedAndNothingClaimedPrinted) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a real printer would print";
    platform.hasPrinter = true;
    Form2 form(Paper(QPageSize::A4, QPageLayout::Portrait), Game().Model().ThePuzzle());
    PressPrint(form);
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
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        QWidget* form = QApplication::activeModalWidget();
        if (!form) return;
        closer.stop();
        Tick(ScriptedPlatform::TicksOpen);
        form->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
    });
    closer.start();
    platform.fileNames = {PdfPath("run.sv").toStdString()};
    Click(place::Save);
    Click(place::Print);

    EXPECT_EQ(platform.asked.size(), 2u) << "the Save dialog and its message";
    EXPECT_EQ(App().CurrentScreen, GameScreen);
    EXPECT_EQ(Game().StageSeconds(), 448);
    EXPECT_TRUE(Clock().ctimer);
}

} // namespace
