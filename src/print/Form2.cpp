#include "print/Form2.h"

#include "common/ClockHold.h"
#include "common/Platform.h"
#include "draw/Drawing.h"
#include "draw/FontSubstitutes.h"
#include "persist/FileIO.h"
#include "persist/SavedGames.h"
#include "print/PrintPage.h"

#include <QBuffer>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <cmath>

namespace {

// The form is laid out in pixels of a 96-dpi screen.
constexpr double ScreenDpi = 96;
// A PDF page drawn at the resolution of a common office printer, so its lines look as on
// paper.
constexpr int PdfDpi = 600;

void Tell(const std::string& text) { TellPlayer(text, Platform::Icon::Warning); }

bool Ask(const std::string& text) {
    return ThePlatform().MessageBox(text, ProgramTitle, Platform::Buttons::YesNo,
                                    Platform::Icon::Question) == Platform::Answer::Yes;
}

QPushButton* MakeButton(QWidget* parent, const QString& caption, int left) {
    auto* button = new QPushButton(caption, parent);
    QFont font = ResolveFontFamily(QStringLiteral("Arial")).value_or(QFont());
    font.setPointSize(9);
    button->setFont(font);
    button->setGeometry(left, 4, 119, 25);
    return button;
}

} // namespace

Form2::Form2(const QPageLayout& paper, const Puzzle& puzzle, QWidget* parent)
    : QDialog(parent), paper(paper), puzzle(puzzle) {
    setWindowTitle(QStringLiteral("Print"));
    setFixedSize(461, 605);
    printButton = MakeButton(this, QStringLiteral("Print"), 192);
    closeButton = MakeButton(this, QStringLiteral("Close"), 328);
    printButton->setObjectName(QStringLiteral("printButton"));
    closeButton->setObjectName(QStringLiteral("closeButton"));
    previewBox = new QLabel(this);
    previewBox->setGeometry(12, 36, 437, 559);
    connect(printButton, &QPushButton::clicked, this, [this] { PrintClicked(); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

    r = SetupPreview(*previewBox);
    QPainter painter(&preview);
    const QSizeF page = paper.fullRect(QPageLayout::Inch).size();
    DrawPage({painter, page, ScreenDpi * r}, r, puzzle);
    painter.end();
    previewBox->setPixmap(QPixmap::fromImage(preview));
}

// The box keeps its size in one direction and takes the paper's shape in the other; r is
// how much smaller than the paper it shows the page.
double Form2::SetupPreview(QLabel& box) {
    const QSizeF page = paper.fullRect(QPageLayout::Inch).size();
    const double hr = box.height() / ScreenDpi / page.height();
    const double wr = box.width() / ScreenDpi / page.width();
    const double ratio = std::min(hr, wr);
    if (hr < wr) {
        box.resize(static_cast<int>(std::lround(page.width() * ratio * ScreenDpi)), box.height());
    } else {
        box.resize(box.width(), static_cast<int>(std::lround(page.height() * ratio * ScreenDpi)));
    }
    preview = MakeSurface(box.width(), box.height());
    preview.fill(Qt::white);
    return ratio;
}

void Form2::PrintClicked() {
    if (ThePlatform().HasDefaultPrinter()) {
        PrintOnPrinter();
    } else if (Ask("No printer is installed. Save the page as a PDF file instead?")) {
        SaveAsPdf();
    }
}

void Form2::PrintOnPrinter() {
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setDocName(QString::fromLatin1(ProgramTitle));
    if (!PrintPageOn(printer, puzzle) || printer.printerState() == QPrinter::Error) {
        Tell("The page was not printed: the printer reported an error. Check that it is "
             "switched on and ready, then try again.");
    } else if (printer.printerState() == QPrinter::Aborted) {
        Tell("The page was not printed: printing was cancelled.");
    }
}

void Form2::SaveAsPdf() {
    std::string name = ThePlatform().AskSaveFileName("Save the page as PDF", "*.pdf",
                                                     ProposedSaveName("sudoku.pdf"));
    if (name.empty()) return;
    if (QFileInfo(QString::fromStdString(name)).suffix().isEmpty()) name += ".pdf";
    if (QFileInfo::exists(QString::fromStdString(name)) && !AskToReplace()) return;

    // Drawn in memory first and written whole, so a failure never leaves half a file.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setResolution(PdfDpi);
    writer.setPageLayout(QPageLayout(paper.pageSize(), paper.orientation(), QMarginsF()));
    writer.setTitle(QString::fromLatin1(ProgramTitle));
    writer.setCreator(QString::fromLatin1(ProgramTitle));
    if (!PrintPageOn(writer, puzzle)) {
        Tell("The page could not be saved to " + name + ".");
        return;
    }
    const std::string failure = WriteFileAtomically(name, pdf.data().toStdString());
    if (!failure.empty()) {
        Tell("The page could not be saved to " + name + ": " + failure + ".");
        return;
    }
    TellPlayer("The page has been saved to " + name, Platform::Icon::Information);
}

void ShowPrintForm(const Puzzle& puzzle, QWidget* parent) {
    ClockHold hold;
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    QPageLayout paper(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    if (ThePlatform().HasDefaultPrinter() && !printer.isNull())
        paper = QPrinter(printer).pageLayout();
    Form2 form(paper, puzzle, parent);
    form.exec();
}
