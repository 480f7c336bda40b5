// korvel-artgen: draws every picture and synthesises every sound of the
// game's res folder, so the artwork can be rebuilt from source at any time.

#include "Blocks.h"
#include "Emblem.h"
#include "GameScreen.h"
#include "HelpPages.h"
#include "NumberPad.h"
#include "ScanLines.h"
#include "Sounds.h"
#include "Surface.h"
#include "Title.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <exception>

namespace {

void writeAll(const QString& outDir) {
    art::writeTitle(outDir);
    art::writeGameScreen(outDir);
    art::writeBlocks(outDir);
    art::writeSurface(outDir);
    art::writeNumberPad(outDir);
    art::writeScanLines(outDir);
    art::writeEmblem(outDir);
    art::writeHelpPages(outDir);
    art::writeSounds(outDir);
}

} // namespace

int main(int argc, char** argv) {
    // Fonts need a GUI application; no screen is needed to draw into images.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const bool icons = argc == 3 && std::strcmp(argv[1], "--icons") == 0;
    if (argc != 2 && !icons) {
        std::fprintf(stderr,
                     "usage: korvel-artgen OUTDIR\n       korvel-artgen --icons ICONSDIR\n");
        return 2;
    }
    const QString outDir = QDir(QString::fromLocal8Bit(argv[argc - 1])).absolutePath();
    try {
        if (icons) {
            art::writeDesktopIcons(outDir, QStringLiteral("net.korvel.KorvelSudoku"));
        } else {
            writeAll(outDir);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "korvel-artgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
