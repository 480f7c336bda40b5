#pragma once

#include <QTimer>
#include <QWidget>

class Picture1;

// The main window: a fixed frame around the drawing area and the 25 ms timer.
class Form1 : public QWidget {
    Q_OBJECT
public:
    Form1();
    Picture1* Picture() const { return picture; }
    void StartTimer();

signals:
    // The window is closing: the game shuts down.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Picture1* picture;
    QTimer Timer1;
};
