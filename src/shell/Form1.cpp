#include "shell/Form1.h"

#include "common/AppState.h"
#include "draw/Drawing.h"
#include "shell/Dispatcher.h"
#include "shell/Picture1.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QScreen>

Form1::Form1() : picture(new Picture1(this)) {
    setWindowTitle(QStringLiteral("Korvel Sudoku"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(793, 607);
    // The drawing area is 791 wide; the two columns beside it stay dark like the game.
    QPalette dark = palette();
    dark.setColor(QPalette::Window, Qt::black);
    setPalette(dark);
    setAutoFillBackground(true);
    setWindowIcon(QIcon(QPixmap::fromImage(ReadPicture(App().ProgramFolder + "/res/icon.png"))));
    picture->setGeometry(0, 0, 791, 608);
    picture->setFocus();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(25);
    connect(&Timer1, &QTimer::timeout, [] { Timer1_Timer(); });
}

void Form1::StartTimer() { Timer1.start(); }

void Form1::closeEvent(QCloseEvent* event) {
    Timer1.stop();
    event->accept();
    emit closing();
}
