#include "common/SoundCommand.h"

#include <sstream>

namespace {

constexpr const char* OpenPrefix = "open ";
constexpr const char* OpenSuffix = " type MPEGVideo alias ";

// "open <path> type MPEGVideo alias <alias>": the path may hold spaces, so it is all
// that lies between the prefix and the last suffix.
std::optional<SoundCommand> ParseOpen(const std::string& command) {
    const size_t suffix = command.rfind(OpenSuffix);
    const size_t start = std::char_traits<char>::length(OpenPrefix);
    if (suffix == std::string::npos || suffix < start) return std::nullopt;
    SoundCommand parsed;
    parsed.verb = "open";
    parsed.path = command.substr(start, suffix - start);
    parsed.alias = command.substr(suffix + std::char_traits<char>::length(OpenSuffix));
    if (parsed.alias.empty()) return std::nullopt;
    return parsed;
}

// The other commands are plain words: "play a repeat", "play a from 0", "stop a",
// "close a", "setaudio a volume to 50".
std::optional<SoundCommand> ParseWords(const std::string& command) {
    std::istringstream words(command);
    SoundCommand parsed;
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

std::optional<SoundCommand> ParseSoundCommand(const std::string& command) {
    if (command.compare(0, std::char_traits<char>::length(OpenPrefix), OpenPrefix) == 0) {
        return ParseOpen(command);
    }
    return ParseWords(command);
}
