#include "support/AppFixture.h"

#include "common/AppState.h"
#include "common/GameClock.h"
#include "common/Navigation.h"
#include "common/Switches.h"
#include "draw/Drawing.h"
#include "draw/Text.h"
#include "engine/EngineState.h"
#include "engine/GameSettings.h"
#include "engine/Hooks.h"
#include "engine/Random.h"
#include "persist/BestRecords.h"
#include "shell/Dispatcher.h"
#include "shell/Form1.h"
#include "shell/Main.h"
#include "shell/MissingFiles.h"
#include "shell/Screens.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <memory>

void AppFixture::SetUp() {
    ResetSudoku();
    ResetSettings();
    FillStageTables();
    App() = AppState{};
    App().ProgramFolder = QCoreApplication::applicationDirPath().toStdString();
    // Records and saved games go to a folder of the test's own.
    files = std::make_unique<QTemporaryDir>();
    App().RecordsFolder = files->path().toStdString();
    App().SaveFolder = App().RecordsFolder + "/save";
    QDir().mkpath(QString::fromStdString(App().SaveFolder));
    Records() = BestRecords{};
    App().VersionText = "1.42";
    Switches() = SwitchState{};
    Clock() = ClockState{};
    ResetScreens();
    ResetTextState();
    StartDrawing(800, 608);
    SetSoundBackend(std::make_unique<RecordingSoundBackend>(sounds));
    SetPlatform(std::make_unique<ScriptedPlatform>(platform));
    SetNavigator(MakeNavigator());
    SetEventPump([this] { pumps.push_back(App().CurrentScreen); });
    SetErrorReporter(nullptr);
    SetProcessEnder([this] { processEnded = true; });
    SetTextRecorder([this](const DrawnText& text) { texts.push_back(text); });
    SetMissingFileHandler(nullptr);
    ResetMissingFileReport();
    SeedRandom(20261206);
    HoldSeed(true);
}

void AppFixture::TearDown() {
    // A test that started the program shuts it down as the player would.
    if (MainWindow()) MainWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SetTextRecorder(nullptr);
    SetMissingFileHandler(nullptr);
    HoldSeed(false);
    ResetScreens();
    SetEventPump(nullptr);
    SetSoundBackend(nullptr);
    SetPlatform(nullptr);
    SetNavigator(nullptr);
    StopDrawing();
    ResetTextState();
}

void AppFixture::Tick(int n) {
    for (int i = 0; i < n; ++i)
        Timer1_Timer();
}

std::vector<DrawnText> AppFixture::TextsWith(const QString& part) const {
    std::vector<DrawnText> found;
    for (const DrawnText& text : texts) {
        if (text.text.contains(part)) found.push_back(text);
    }
    return found;
}

QRgb AppFixture::Pixel(int x, int y) { return Drawing().SpeedBuffer.pixel(x, y); }

void AppFixture::Click(int x, int y, int button) {
    DispatchMouseMove(static_cast<int16_t>(x), static_cast<int16_t>(y));
    DispatchMouseDown(static_cast<int16_t>(button));
    DispatchMouseUp();
}
