#include "shell/QtSoundBackend.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

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
    EXPECT_TRUE(QtSoundBackend::Parse("play bg2 repeat")->repeat);
    EXPECT_FALSE(QtSoundBackend::Parse("play Click from 0")->repeat);
    EXPECT_EQ(QtSoundBackend::Parse("setaudio bg1 volume to 50")->volume, 50);
    EXPECT_EQ(QtSoundBackend::Parse("stop bg0")->alias, "bg0");
    for (const char* odd : {"", "play Click", "play Click from 5", "stop a b", "pause bg1",
                            "setaudio bg1 volume 50", "setaudio bg1 volume to x"}) {
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
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + "/res/sound/CLICK12B.wav",
                            folder + "/CLICK 12B.wav"));

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

namespace {

TEST(SoundDevice, WithoutAnOutputSoundIsOffWithOneQuietLine) {
    testing::internal::CaptureStderr();
    HasAudioOutput(); // asking must not wake the audio libraries' complaints
    const std::unique_ptr<SoundBackend> none = MakeSoundBackend([] { return false; });
    const std::string terminal = testing::internal::GetCapturedStderr();
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(terminal, "Korvel Sudoku: no audio device found, sound is off.\n");

    testing::internal::CaptureStderr();
    EXPECT_NE(MakeSoundBackend([] { return true; }), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

} // namespace
