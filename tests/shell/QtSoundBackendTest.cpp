#include "shell/QtSoundBackend.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Command = QtSoundBackend::Command;

// A tenth of a second of silence, 8-bit mono 8 kHz.
void WriteSilentWave(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 samples = 800;
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(8000) << quint16(1)
        << quint16(8);
    out.writeRawData("data", 4);
    out << samples;
    for (quint32 i = 0; i < samples; ++i)
        out << quint8(128);
}

TEST(QtSoundBackendParse, OpenTakesTheWholePathUpToTheLastTypeClause) {
    const auto open = QtSoundBackend::Parse(
        "open /home/a b/type MPEGVideo alias x/Click 1.wav type MPEGVideo alias Click");
    ASSERT_TRUE(open);
    EXPECT_EQ(open->verb, "open");
    EXPECT_EQ(open->path, "/home/a b/type MPEGVideo alias x/Click 1.wav");
    EXPECT_EQ(open->alias, "Click");

    EXPECT_FALSE(QtSoundBackend::Parse("open  type MPEGVideo alias "));
    EXPECT_FALSE(QtSoundBackend::Parse("open /a.wav alias bg1"));
}

TEST(QtSoundBackendParse, PlayStopCloseAndVolume) {
    const auto loop = QtSoundBackend::Parse("play bg2 repeat");
    ASSERT_TRUE(loop);
    EXPECT_EQ(loop->alias, "bg2");
    EXPECT_TRUE(loop->repeat);
    const auto once = QtSoundBackend::Parse("play Click from 0");
    ASSERT_TRUE(once);
    EXPECT_FALSE(once->repeat);
    const auto volume = QtSoundBackend::Parse("setaudio bg1 volume to 50");
    ASSERT_TRUE(volume);
    EXPECT_EQ(volume->verb, "setaudio");
    EXPECT_EQ(volume->volume, 50);
    EXPECT_EQ(QtSoundBackend::Parse("stop bg0")->alias, "bg0");
    EXPECT_EQ(QtSoundBackend::Parse("close Con")->verb, "close");

    for (const char* odd : {"", "play", "play Click", "play Click from 5", "stop a b",
                            "setaudio bg1 volume 50", "pause bg1", "setaudio bg1 volume to x"}) {
        EXPECT_FALSE(QtSoundBackend::Parse(odd)) << odd;
    }
}

TEST(QtSoundBackend, MissingFileLeavesTheAliasClosedAndItsCommandsHarmless) {
    QtSoundBackend backend;
    backend.Send("open /nowhere/at all/bg1.mp3 type MPEGVideo alias bg1");
    EXPECT_FALSE(backend.IsOpen("bg1"));
    for (const char* command : {"setaudio bg1 volume to 50", "play bg1 repeat", "play bg1 from 0",
                                "stop bg1", "close bg1", "stop bg0", "garbage"}) {
        backend.Send(command);
    }
    EXPECT_FALSE(backend.IsOpen("bg1"));
}

TEST(QtSoundBackend, FileInAFolderWithSpacesOpensAndCloses) {
    QTemporaryDir dir;
    const QString folder = dir.path() + "/my sounds";
    ASSERT_TRUE(QDir().mkpath(folder));
    WriteSilentWave(folder + "/CLICK 12B.wav");

    QtSoundBackend backend;
    backend.Send("open " + folder.toStdString() + "/CLICK 12B.wav type MPEGVideo alias Click");
    EXPECT_TRUE(backend.IsOpen("Click"));
    backend.Send("close Click");
    EXPECT_FALSE(backend.IsOpen("Click"));
    backend.Send("play Click from 0");
    EXPECT_FALSE(backend.IsOpen("Click"));
}

TEST(QtSoundBackend, UndecodableFileCountsAsUnopened) {
    QTemporaryDir dir;
    QFile junk(dir.path() + "/bg1.mp3");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("this is not a sound at all");
    junk.close();

    QtSoundBackend backend;
    backend.Send("open " + junk.fileName().toStdString() + " type MPEGVideo alias bg1");
    QElapsedTimer waited;
    waited.start();
    while (backend.IsOpen("bg1") && waited.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    EXPECT_FALSE(backend.IsOpen("bg1"));
    backend.Send("play bg1 repeat");
}

} // namespace
