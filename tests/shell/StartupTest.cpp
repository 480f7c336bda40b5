// The program started the way main starts it, with a scripted platform and a recording
// sound backend in place of the system's, in a folder of the test's own.
#include "common/AppState.h"
#include "draw/Drawing.h"
#include "engine/GameSettings.h"
#include "persist/BestRecords.h"
#include "persist/RecordFile.h"
#include "shell/Form1.h"
#include "shell/Main.h"
#include "shell/Picture1.h"
#include "support/AppFixture.h"
#include "support/Joined.h"
#include "support/Places.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// Keeps the sound commands sent before the first frame was painted.
struct FrameWatch : QObject {
    explicit FrameWatch(const std::vector<std::string>& sounds) : sounds(sounds) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !before) before = sounds;
        return false;
    }
    const std::vector<std::string>& sounds;
    std::optional<std::vector<std::string>> before;
};

class StartUp : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        ResetSettings(); // start-up itself must fill the stage tables
        folder = program.path().toStdString();
    }

    static fs::path GameResources() {
        return fs::path(QCoreApplication::applicationDirPath().toStdString()) / "res";
    }

    void Start() {
        Main(folder, {[this](QWidget*) { return std::make_unique<ScriptedPlatform>(platform); },
                      [this] { return std::make_unique<RecordingSoundBackend>(sounds); }});
    }

    // Lets the window paint its first frame; returns the sound commands sent until then.
    std::vector<std::string> SoundsUntilTheFirstFrame() {
        FrameWatch watch(sounds);
        MainWindow()->Picture()->installEventFilter(&watch);
        const bool painted = QTest::qWaitFor([&watch] { return watch.before.has_value(); });
        MainWindow()->Picture()->removeEventFilter(&watch);
        return painted ? *watch.before : std::vector<std::string>{"no frame"};
    }

    QTemporaryDir program;
    std::string folder;
};

TEST_F(StartUp, OpensTheTitleWithStagesRecordsAndSoundsThenShutsDownCleanly) {
    fs::create_directory_symlink(GameResources(), fs::path(folder) / "res");
    RecordTable training;
    training[1] = {RecordName("Mira"), 123};
    std::ofstream(folder + "/hs.rec", std::ios::binary) << WriteRecordTable(training);

    Start();
    for (const std::string& command : SoundsUntilTheFirstFrame())
        EXPECT_FALSE(command.starts_with("open ")) << "opened before the first frame: " << command;
    EXPECT_TRUE(QTest::qWaitFor([this] { return sounds.size() >= 6; }));
    std::vector<std::string> opened;
    const std::string soundFolder = "open " + folder + "/res/sound/";
    for (const std::string& command : sounds)
        if (command.starts_with(soundFolder)) opened.push_back(command.substr(soundFolder.size()));
    EXPECT_EQ(opened, (std::vector<std::string>{
                          "bg1.mp3 type MPEGVideo alias bg1", "bg2.mp3 type MPEGVideo alias bg2",
                          "CLICK12B.wav type MPEGVideo alias Click",
                          "Dull_Cla-Public_D-11.wav type MPEGVideo alias Con"}));
    ASSERT_NE(MainWindow(), nullptr);
    Tick();
    const GameSettings& s = Settings();
    EXPECT_EQ(Joined(s.StageTimeLimit[0], s.StageType[9], s.StageLevel[8],
                     Records().TrainingRecordTimes[1],
                     Records().TrainingRecordNames[1] == RecordName("Mira"), App().CurrentScreen,
                     MainWindow()->isVisible(), MainWindow()->windowTitle().toStdString(),
                     !TextsWith(QString::fromStdString(App().VersionText)).empty(),
                     platform.Count("message: ")),
              "450 5 2 123 true 0 true Korvel Sudoku true 0");

    sounds.clear();
    MainWindow()->close();
    EXPECT_TRUE(processEnded);
    ASSERT_FALSE(sounds.empty());
    sounds[0].resize(7); // the music playing, either track, stops first
    EXPECT_EQ(sounds, (std::vector<std::string>{"stop bg", "close bg1", "close bg2", "close Click",
                                                "close Con"}));
    EXPECT_FALSE(Drawing().started);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(MainWindow(), nullptr);

    // A tick that was already queued when the window closed draws into nothing.
    const QImage before = Drawing().SpeedBuffer.copy();
    Tick(3);
    EXPECT_EQ(Drawing().SpeedBuffer, before);
}

// A missing folder or picture is named once, on the terminal and in a message, and a game
// is still dealt and played without the art.
TEST_F(StartUp, AMissingFolderOrPictureIsNamedOnceAndTheGameGoesOn) {
    for (const std::string missing : {"/res", "/res/title.png"}) {
        SCOPED_TRACE(missing);
        if (missing.ends_with(".png")) {
            TearDown();
            SetUp();
            platform.asked.clear();
            fs::create_directory(folder + "/res");
            for (const fs::directory_entry& entry : fs::directory_iterator(GameResources()))
                if (entry.path().filename() != "title.png")
                    fs::create_symlink(entry.path(),
                                       folder / fs::path("res") / entry.path().filename());
        }
        testing::internal::CaptureStderr();
        Start();
        Tick(3);
        // Counted by the game's own lines: the toolkit may add warnings on some machines.
        const QString terminal = QString::fromStdString(testing::internal::GetCapturedStderr());
        EXPECT_EQ(terminal.count("Korvel Sudoku: "), 1) << terminal.toStdString();
        EXPECT_TRUE(terminal.contains(QString::fromStdString(folder + missing)));
        ASSERT_EQ(platform.Count("message: "), 1u);
        EXPECT_NE(platform.asked[0].find(folder + missing), std::string::npos) << platform.asked[0];
        Click(place::BeginGame);
        Tick();
        Click(place::OptionsOk);
        EXPECT_EQ(App().CurrentScreen, 2);
        Tick(5);
        EXPECT_EQ(platform.Count("message: "), 1u);
    }
}

} // namespace
