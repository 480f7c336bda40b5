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
#include "support/RecordingSoundBackend.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// The game's own lines; the toolkit may add warnings of its own on some machines.
long GameLines(const std::string& terminal) {
    long count = 0;
    for (size_t at = terminal.find("Korvel Sudoku: "); at != std::string::npos;
         at = terminal.find("Korvel Sudoku: ", at + 1))
        ++count;
    return count;
}

class FrameWatch : public QObject {
public:
    explicit FrameWatch(std::function<void()> painted) : painted(std::move(painted)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted();
        return false;
    }

private:
    std::function<void()> painted;
};

class StartUp : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        ResetSettings(); // start-up itself must fill the stage tables
        folder = program.path().toStdString();
    }

    // The game's own res/, or none, beside the program.
    void LinkResources() const {
        fs::create_directory_symlink(
            fs::path(QCoreApplication::applicationDirPath().toStdString()) / "res",
            fs::path(folder) / "res");
    }

    void Start() {
        Main(folder, {[this](QWidget*) { return std::make_unique<ScriptedPlatform>(platform); },
                      [this] { return std::make_unique<RecordingSoundBackend>(sounds); }});
    }

    // Lets the window paint its first frame; returns the sound commands sent until then.
    std::vector<std::string> SoundsUntilTheFirstFrame() {
        std::optional<std::vector<std::string>> before;
        FrameWatch watch([&] {
            if (!before) before = sounds;
        });
        MainWindow()->Picture()->installEventFilter(&watch);
        QElapsedTimer waited;
        waited.start();
        while (!before && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        MainWindow()->Picture()->removeEventFilter(&watch);
        return before.value_or(std::vector<std::string>{"no frame"});
    }

    size_t Messages() const {
        return static_cast<size_t>(
            std::count_if(platform.asked.begin(), platform.asked.end(),
                          [](const std::string& q) { return q.rfind("message: ", 0) == 0; }));
    }

    QTemporaryDir program;
    std::string folder;
};

TEST_F(StartUp, OpensTheTitleWithStagesRecordsAndSoundsThenShutsDownCleanly) {
    LinkResources();
    RecordTable training;
    training[1] = {RecordName("Mira"), 123};
    std::ofstream(folder + "/hs.rec", std::ios::binary) << WriteRecordTable(training);

    Start();
    for (const std::string& command : SoundsUntilTheFirstFrame())
        EXPECT_NE(command.rfind("open ", 0), 0u) << "opened before the first frame: " << command;
    QElapsedTimer waited;
    waited.start();
    while (sounds.size() < 6 && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(Settings().StageTimeLimit[0], 450);
    EXPECT_EQ(Settings().StageType[9], 5);
    EXPECT_EQ(Settings().StageLevel[8], 2);
    EXPECT_EQ(Records().TrainingRecordTimes[1], 123);
    EXPECT_EQ(Records().TrainingRecordNames[1], RecordName("Mira"));
    for (const std::string alias : {"bg1", "bg2", "Click", "Con"}) {
        EXPECT_EQ(std::count_if(sounds.begin(), sounds.end(),
                                [&](const std::string& s) {
                                    return s.rfind("open " + folder + "/res/sound/", 0) == 0 &&
                                           s.ends_with(" type MPEGVideo alias " + alias);
                                }),
                  1)
            << alias;
    }
    EXPECT_EQ(App().CurrentScreen, 0);
    ASSERT_NE(MainWindow(), nullptr);
    EXPECT_TRUE(MainWindow()->isVisible());
    EXPECT_EQ(MainWindow()->windowTitle(), "Korvel Sudoku");
    Tick();
    EXPECT_FALSE(TextsWith(QString::fromStdString(App().VersionText)).empty());
    EXPECT_EQ(Messages(), 0u) << "nothing is missing";

    sounds.clear();
    MainWindow()->close();
    EXPECT_TRUE(processEnded);
    ASSERT_EQ(sounds.size(), 5u);
    EXPECT_EQ(sounds[0].rfind("stop bg", 0), 0u) << "the music stops first";
    EXPECT_EQ(std::vector<std::string>(sounds.begin() + 1, sounds.end()),
              (std::vector<std::string>{"close bg1", "close bg2", "close Click", "close Con"}));
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
    for (const char* missing : {"/res", "/res/title.png"}) {
        SCOPED_TRACE(missing);
        if (missing == std::string("/res/title.png")) {
            TearDown();
            SetUp();
            platform.asked.clear();
            const fs::path real =
                fs::path(QCoreApplication::applicationDirPath().toStdString()) / "res";
            fs::create_directory(folder + "/res");
            for (const fs::directory_entry& entry : fs::directory_iterator(real)) {
                if (entry.path().filename() != "title.png")
                    fs::create_symlink(entry.path(),
                                       fs::path(folder) / "res" / entry.path().filename());
            }
        }
        testing::internal::CaptureStderr();
        Start();
        Tick(3);
        const std::string terminal = testing::internal::GetCapturedStderr();
        EXPECT_EQ(GameLines(terminal), 1) << terminal;
        EXPECT_NE(terminal.find(folder + missing), std::string::npos) << terminal;
        ASSERT_EQ(Messages(), 1u);
        EXPECT_NE(platform.asked[0].find(folder + missing), std::string::npos) << platform.asked[0];
        Click(365, 140); // BEGIN GAME
        Tick();
        Click(400, 479); // OK on the options
        EXPECT_EQ(App().CurrentScreen, 2);
        Tick(5);
        EXPECT_EQ(Messages(), 1u);
    }
}

} // namespace
