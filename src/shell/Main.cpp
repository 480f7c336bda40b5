#include "shell/Main.h"

#include "common/AppState.h"
#include "common/Navigation.h"
#include "common/Sound.h"
#include "common/Switches.h"
#include "draw/Drawing.h"
#include "draw/Text.h"
#include "engine/GameSettings.h"
#include "engine/Hooks.h"
#include "persist/BestRecords.h"
#include "persist/FileIO.h"
#include "screens/clsHelpsrc.h"
#include "screens/screenMenu.h"
#include "shell/FileLocations.h"
#include "shell/Form1.h"
#include "shell/MissingFiles.h"
#include "shell/Picture1.h"
#include "shell/QtPlatform.h"
#include "shell/Resume.h"
#include "shell/ScreenNavigator.h"
#include "shell/Screens.h"
#include "shell/SdlSoundBackend.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QTimer>
#include <cstdlib>
#include <memory>

namespace {

struct ShellParts {
    std::unique_ptr<Form1> window;
    std::function<void()> endProcess = [] { std::quick_exit(0); };
};

ShellParts& Parts() {
    static ShellParts parts;
    return parts;
}

constexpr const char* SoundAliases[] = {"bg1", "bg2", "Click", "Con"};

void OpenSounds(const std::string& folder) {
    const std::pair<const char*, const char*> sounds[] = {{"bg1.mp3", "bg1"},
                                                          {"bg2.mp3", "bg2"},
                                                          {"CLICK12B.wav", "Click"},
                                                          {"Dull_Cla-Public_D-11.wav", "Con"}};
    for (const auto& [file, alias] : sounds) {
        const std::string path = folder + "/res/sound/" + file;
        if (!FileExists(path)) ReportMissingFile(path);
        OpenSound(path, alias);
    }
    SetAudioVolume("bg1", 50);
    SetAudioVolume("bg2", 50);
}

// Runs `then` once the window has painted its first frame, so that nothing stands between
// starting the game and seeing its title; or after a second, for a window that is not
// painted because it starts hidden.
class AfterFirstFrame : public QObject {
public:
    AfterFirstFrame(QWidget* picture, std::function<void()> then)
        : QObject(picture), then(std::move(then)) {
        picture->installEventFilter(this);
        QTimer::singleShot(1000, this, [this] { Run(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Queued, so that it runs once the frame is on the screen.
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { Run(); });
        }
        return false;
    }

private:
    void Run() {
        if (!then) return;
        std::function<void()> once = std::move(then);
        then = nullptr;
        once();
        deleteLater();
    }

    std::function<void()> then;
};

// An installed copy keeps res/ in its data folder, found from the program's own place so
// that any prefix works.
FileLocations ChooseFolders(const std::string& executableFolder) {
    const QString installed = QDir::cleanPath(QString::fromStdString(executableFolder) + "/" +
                                              QStringLiteral(KORVEL_DATA_FROM_BIN));
    const FileLocations places =
        ChooseFileLocations(ExamineFolders(executableFolder, installed.toStdString()));
    QDir().mkpath(QString::fromStdString(places.recordsFolder));
    App().ProgramFolder = places.programFolder;
    App().RecordsFolder = places.recordsFolder;
    App().SaveFolder = places.saveFolder;
    return places;
}

} // namespace

SystemParts RealSystemParts() {
    return {[](QWidget* window) { return std::make_unique<QtPlatform>(window); },
            [] { return MakeSoundBackend(); }};
}

void Main(const std::string& executableFolder, const SystemParts& system) {
    GameSettings& settings = Settings();
    settings.TrainingMode = true;
    settings.Stage = 0;
    SetNavigator(MakeNavigator());
    const FileLocations places = ChooseFolders(executableFolder);
    App().VersionText =
        MakeVersionText(KORVEL_VERSION_MAJOR, KORVEL_VERSION_MINOR, KORVEL_VERSION_PATCH);

    Parts().window = std::make_unique<Form1>();
    Form1& window = *Parts().window;
    QObject::connect(&window, &Form1::closing, [] { Form_Unload(); });
    StartDrawing(800, 608);
    SetPresenter(
        [&window](const QImage&, const QRegion& changed) { window.Picture()->Show(changed); });
    SetPlatform(system.platform(&window));
    SetEventPump([] { QCoreApplication::processEvents(); });
    SetErrorReporter([](const std::string& message) { TellPlayer(message, Platform::Icon::None); });
    CheckResourceFolder(App().ProgramFolder);
    SetMissingFileHandler(ReportMissingFile);

    Switches().SoundOn = 1;
    Switches().MusicOn = 0;
    Navigator().ReturnToMenu();
    window.show();
    window.StartTimer();
    // Until then the game sends only stops, of music that cannot be playing yet.
    new AfterFirstFrame(window.Picture(), [sound = system.sound] {
        SetSoundBackend(sound());
        OpenSounds(App().ProgramFolder);
    });

    LoadBestRecords(places.formerRecordsFolder);
    FillStageTables();
    Helpsrc().init();
}

void OpenSavedGame(const std::string& path) {
    App().DialogFileName = QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
    Navigator().OpenSavedGame(path);
}

void Form_Unload() {
    KeepGameForNextStart();
    StopSound(MusicAlias());
    for (const char* alias : SoundAliases)
        CloseSound(alias);
    StopDrawing();
    ResetTextState();
    SetPresenter(nullptr); // the window it shows frames in is about to go
    Parts().endProcess();
    // Reached only when the process goes on (tests): the window goes once its close
    // event is over.
    if (Parts().window) Parts().window.release()->deleteLater();
}

void CloseMainWindow() {
    if (Parts().window) {
        Parts().window->close();
    } else {
        Form_Unload();
    }
}

void SetProcessEnder(std::function<void()> ender) { Parts().endProcess = std::move(ender); }

Form1* MainWindow() { return Parts().window.get(); }

std::unique_ptr<Navigation> MakeNavigator() {
    return std::make_unique<ScreenNavigator>([] { return MainWindow(); },
                                             [] { CloseMainWindow(); });
}
