#include "shell/Main.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Main(QCoreApplication::applicationDirPath().toStdString());
    return QApplication::exec();
}
