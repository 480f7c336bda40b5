#include "Sounds.h"

#include "Effects.h"
#include "Music.h"
#include "Wav.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <stdexcept>

namespace art {

namespace {

// Fixed encoder settings, so the same input always gives the same bytes.
const QStringList kLameOptions{QStringLiteral("--quiet"), QStringLiteral("--noreplaygain"),
                               QStringLiteral("--cbr"),   QStringLiteral("-b"),
                               QStringLiteral("128"),     QStringLiteral("-q"),
                               QStringLiteral("2"),       QStringLiteral("-m"),
                               QStringLiteral("j")};

void encodeMp3(const Audio& audio, const QString& mp3Path) {
    QTemporaryDir work;
    if (!work.isValid()) throw std::runtime_error("cannot make a temporary folder");
    const QString wavPath = work.filePath(QStringLiteral("track.wav"));
    writeWav(audio, wavPath);
    const int status =
        QProcess::execute(QStringLiteral("lame"), kLameOptions + QStringList{wavPath, mp3Path});
    if (status != 0)
        throw std::runtime_error("lame failed on " + mp3Path.toStdString() +
                                 " (is the lame encoder installed?)");
}

} // namespace

void writeSounds(const QString& outDir) {
    const QString folder = outDir + QStringLiteral("/sound");
    QDir().mkpath(folder);
    writeWav(refusalClick(), folder + QStringLiteral("/CLICK12B.wav"));
    writeWav(completionChime(), folder + QStringLiteral("/Dull_Cla-Public_D-11.wav"));
    for (int track = 1; track <= 2; ++track)
        encodeMp3(musicTrack(track), folder + QStringLiteral("/bg%1.mp3").arg(track));
}

} // namespace art
