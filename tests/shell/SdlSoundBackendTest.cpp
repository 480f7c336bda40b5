// The sound backend on SDL's silent "dummy" device, which plays in real time like a sound
// card, so opening, playing and stopping are seen as they happen on one.
#include "shell/SdlSoundBackend.h"
#include "support/Joined.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

std::string SoundFile(const std::string& name) {
    return QCoreApplication::applicationDirPath().toStdString() + "/res/sound/" + name;
}

std::string Open(const std::string& path, const std::string& alias) {
    return "open " + path + " type MPEGVideo alias " + alias;
}

class SdlSound : public ::testing::Test {
protected:
    void SetUp() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }
    void TearDown() override { unsetenv("SDL_AUDIODRIVER"); }
};

// A file that is missing or no sound at all leaves its alias closed and every command for
// it harmless; a real one opens, in a folder with spaces too, plays, stops and closes.
TEST_F(SdlSound, OnlyRealSoundsOpenAndCommandsForAClosedAliasAreHarmless) {
    QTemporaryDir dir;
    const QString folder = dir.path() + "/my sounds";
    ASSERT_TRUE(QDir().mkpath(folder));
    std::vector<std::pair<std::string, std::string>> files{{"/nowhere/at all/bg1.mp3", "bg1"}};
    for (const char* name : {"bg1.mp3", "Click.wav"}) {
        QFile junk(folder + "/" + name);
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
        junk.write("this is not a sound at all");
        files.emplace_back(junk.fileName().toStdString(), name[0] == 'b' ? "bg1" : "Click");
    }
    SdlSoundBackend backend;
    // Whether the alias is open, then whether it plays, after the command.
    const auto after = [&backend](const std::string& command, const std::string& alias) {
        backend.Send(command);
        return Joined(backend.IsOpen(alias), backend.IsPlaying(alias));
    };
    for (const auto& [path, alias] : files) {
        backend.Send(Open(path, alias));
        backend.Send("setaudio " + alias + " volume to 50");
        backend.Send("play " + alias + " repeat");
        EXPECT_EQ(after("play " + alias + " from 0", alias), "false false") << path;
    }
    backend.Send("garbage");

    ASSERT_TRUE(QFile::copy(QString::fromStdString(SoundFile("Dull_Cla-Public_D-11.wav")),
                            folder + "/Con 11.wav"));
    EXPECT_EQ(after(Open(folder.toStdString() + "/Con 11.wav", "Con"), "Con"), "true false");
    EXPECT_EQ(after("play Con from 0", "Con"), "true true");
    EXPECT_EQ(after("stop Con", "Con"), "true false");
    backend.Send("close Con");
    EXPECT_EQ(after("play Con from 0", "Con"), "false false");
}

// One track plays at a time; a track played again goes on from where it was stopped.
TEST_F(SdlSound, MusicLoopsOneTrackAtATimeAndCarriesOnWhereItStopped) {
    SdlSoundBackend backend;
    backend.Send(Open(SoundFile("bg1.mp3"), "bg1"));
    backend.Send(Open(SoundFile("bg2.mp3"), "bg2"));
    backend.Send("setaudio bg1 volume to 50");
    backend.Send("play bg1 repeat");
    ASSERT_TRUE(backend.IsPlaying("bg1"));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    backend.Send("stop bg1");
    EXPECT_FALSE(backend.IsPlaying("bg1"));
    const double stoppedAt = backend.Position("bg1");
    EXPECT_GT(stoppedAt, 0.1);

    backend.Send("play bg2 repeat");
    EXPECT_TRUE(backend.IsPlaying("bg2"));
    backend.Send("play bg1 repeat");
    EXPECT_EQ(Joined(backend.IsPlaying("bg1"), backend.IsPlaying("bg2")), "true false");
    EXPECT_GE(backend.Position("bg1"), stoppedAt);
    EXPECT_LT(backend.Position("bg1"), stoppedAt + 0.5);
}

TEST_F(SdlSound, WithoutADeviceOrTheLibrarySoundIsOffWithOneQuietLine) {
    setenv("SDL_AUDIODRIVER", "no-such-device", 1);
    for (const auto& [library, line] : std::initializer_list<std::pair<std::string, std::string>>{
             {SdlSoundBackend::Library, "Korvel Sudoku: no audio device found, sound is off.\n"},
             {"libkorvel-no-such-library.so.0",
              "Korvel Sudoku: the sound library libkorvel-no-such-library.so.0 is not installed, "
              "sound is off.\n"}}) {
        testing::internal::CaptureStderr();
        {
            SdlSoundBackend backend(library);
            backend.Send(Open(SoundFile("CLICK12B.wav"), "Click"));
            backend.Send("play Click from 0");
            EXPECT_FALSE(backend.IsOpen("Click"));
        }
        EXPECT_EQ(testing::internal::GetCapturedStderr(), line);
    }
}

// A desktop ends a game it logs out of with SIGTERM, sound or no sound.
TEST_F(SdlSound, TheGameWithSoundStillEndsWhenTerminated) {
    QProcess game; // inherits the offscreen platform and the dummy sound device
    game.start(QCoreApplication::applicationDirPath() + "/korvel-sudoku");
    ASSERT_TRUE(game.waitForStarted(5000));
    // Signalled only once the sound's own thread runs, when the library could take it.
    const QString tasks = QStringLiteral("/proc/%1/task").arg(game.processId());
    bool soundRuns = false;
    for (int wait = 0; wait < 100 && !soundRuns; ++wait) {
        for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile name(tasks + "/" + task + "/comm");
            soundRuns = soundRuns ||
                        (name.open(QIODevice::ReadOnly) && name.readAll().startsWith("SDLAudio"));
        }
        if (!soundRuns) game.waitForFinished(100);
    }
    ASSERT_TRUE(soundRuns);
    game.terminate();
    EXPECT_TRUE(game.waitForFinished(5000)); // else QProcess kills it on leaving
    EXPECT_EQ(game.exitStatus(), QProcess::CrashExit) << "ended by the signal";
}

} // namespace
