#pragma once

#include "model/Puzzle.h"

#include <QDialog>
#include <QImage>
#include <QPageLayout>

class QLabel;
class QPushButton;

// The print form: a preview of the page in the shape of the paper, "Print" and "Close".
class Form2 : public QDialog {
public:
    // paper: the page the preview shows and a PDF is written at.
    Form2(const QPageLayout& paper, const Puzzle& puzzle, QWidget* parent = nullptr);

    double Ratio() const { return r; }
    const QImage& Preview() const { return preview; }

private:
    double SetupPreview(QLabel& box);
    void PrintClicked();
    void PrintOnPrinter();
    void SaveAsPdf();

    QPageLayout paper;
    Puzzle puzzle;
    QPushButton* printButton;
    QPushButton* closeButton;
    QLabel* previewBox;
    QImage preview;
    double r = 1.0;
};

// Opens the print form for the default printer's paper (A4 without a printer) and waits
// until it is closed, with the game clock held meanwhile.
void ShowPrintForm(const Puzzle& puzzle, QWidget* parent);
