#include "shell/QtSoundBackend.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>
#include <iostream>
#include <sstream>

namespace {

constexpr const char* OpenPrefix = "open ";
constexpr const char* OpenSuffix = " type MPEGVideo alias ";

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// "open <path> type MPEGVideo alias <alias>": the path may hold spaces, so it is all
// that lies between the prefix and the last suffix.
std::optional<QtSoundBackend::Command> ParseOpen(const std::string& command) {
    const size_t suffix = command.rfind(OpenSuffix);
    const size_t start = std::char_traits<char>::length(OpenPrefix);
    if (suffix == std::string::npos || suffix < start) return std::nullopt;
    QtSoundBackend::Command parsed;
    parsed.verb = "open";
    parsed.path = command.substr(start, suffix - start);
    parsed.alias = command.substr(suffix + std::char_traits<char>::length(OpenSuffix));
    if (parsed.alias.empty()) return std::nullopt;
    return parsed;
}

// The other commands are plain words: "play a repeat", "play a from 0", "stop a",
// "close a", "setaudio a volume to 50".
std::optional<QtSoundBackend::Command> ParseWords(const std::string& command) {
    std::istringstream words(command);
    QtSoundBackend::Command parsed;
    std::string rest;
    if (!(words >> parsed.verb >> parsed.alias)) return std::nullopt;
    std::getline(words, rest);
    if (parsed.verb == "play") {
        if (rest != " repeat" && rest != " from 0") return std::nullopt;
        parsed.repeat = rest == " repeat";
        return parsed;
    }
    if (parsed.verb == "stop" || parsed.verb == "close") {
        return rest.empty() ? std::optional(parsed) : std::nullopt;
    }
    if (parsed.verb == "setaudio") {
        std::istringstream tail(rest);
        std::string volume, to;
        if (!(tail >> volume >> to >> parsed.volume) || volume != "volume" || to != "to") {
            return std::nullopt;
        }
        return parsed;
    }
    return std::nullopt;
}

} // namespace

QtSoundBackend::QtSoundBackend() = default;
QtSoundBackend::~QtSoundBackend() = default;

std::optional<QtSoundBackend::Command> QtSoundBackend::Parse(const std::string& command) {
    if (StartsWith(command, OpenPrefix)) return ParseOpen(command);
    return ParseWords(command);
}

bool QtSoundBackend::IsOpen(const std::string& alias) const {
    const auto it = channels.find(alias);
    return it != channels.end() && !it->second->failed;
}

void QtSoundBackend::Send(const std::string& command) {
    const std::optional<Command> parsed = Parse(command);
    if (!parsed) return;
    if (parsed->verb == "open") {
        Open(*parsed);
        return;
    }
    if (parsed->verb == "close") {
        channels.erase(parsed->alias);
        return;
    }
    QMediaPlayer* player = PlayerFor(parsed->alias);
    if (!player) return;
    if (parsed->verb == "stop") {
        // A stopped track keeps its place: played again, it carries on from there.
        player->pause();
    } else if (parsed->verb == "setaudio") {
        player->audioOutput()->setVolume(static_cast<float>(parsed->volume) / 100.0f);
    } else {
        player->setLoops(parsed->repeat ? QMediaPlayer::Infinite : 1);
        // An effect starts again from the beginning even while it still plays.
        if (!parsed->repeat) player->setPosition(0);
        player->play();
    }
}

void QtSoundBackend::Open(const Command& command) {
    channels.erase(command.alias);
    const QFileInfo file(QString::fromStdString(command.path));
    if (!file.isFile() || !file.isReadable()) return;

    auto channel = std::make_unique<Channel>();
    channel->output = std::make_unique<QAudioOutput>();
    channel->player = std::make_unique<QMediaPlayer>();
    channel->player->setAudioOutput(channel->output.get());
    // A file the decoder rejects counts as never opened; so does a lost audio device.
    Channel* raw = channel.get();
    QObject::connect(raw->player.get(), &QMediaPlayer::errorOccurred,
                     [raw](QMediaPlayer::Error, const QString&) { raw->failed = true; });
    channel->player->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    channels[command.alias] = std::move(channel);
}

QMediaPlayer* QtSoundBackend::PlayerFor(const std::string& alias) {
    return IsOpen(alias) ? channels[alias]->player.get() : nullptr;
}

bool HasAudioOutput() {
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const bool found = !QMediaDevices::defaultAudioOutput().isNull();
    qInstallMessageHandler(previous);
    return found;
}

std::unique_ptr<SoundBackend> MakeSoundBackend(const std::function<bool()>& hasAudioOutput) {
    if (hasAudioOutput()) return std::make_unique<QtSoundBackend>();
    std::cerr << "Korvel Sudoku: no audio device found, sound is off.\n";
    return nullptr;
}
