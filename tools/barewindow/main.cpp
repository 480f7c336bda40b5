// The least a Qt 6 program does to show what the game shows: one window of the game's size
// that paints one full-size image every 25 ms. Start-up time, memory and threads of the game
// are measured beside it.
#include <QApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class BareWindow : public QWidget {
public:
    BareWindow() : frame(800, 608, QImage::Format_ARGB32_Premultiplied) {
        QPainter painter(&frame);
        QLinearGradient gradient(0, 0, 800, 608);
        gradient.setColorAt(0, QColor(10, 60, 20));
        gradient.setColorAt(1, QColor(200, 230, 120));
        painter.fillRect(frame.rect(), gradient);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(800, 608);
        setWindowTitle(QStringLiteral("bare window"));
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(25);
        connect(&timer, &QTimer::timeout, this, [this] { update(); });
        timer.start();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(0, 0, frame);
    }

private:
    QImage frame;
    QTimer timer;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    BareWindow window;
    window.show();
    return QApplication::exec();
}
