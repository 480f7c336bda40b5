#pragma once

#include <cstddef>
#include <optional>
#include <string>

// At most maxBytes from the start of a file, so a huge file costs nothing; nothing when
// the path is not a plain file or cannot be opened.
std::optional<std::string> ReadFileHead(const std::string& path, size_t maxBytes);

// Writes to a temporary name beside the target and renames it over the target, so a
// failure never leaves half a file. Empty text on success, otherwise the system's reason.
std::string WriteFileAtomically(const std::string& path, const std::string& bytes);

// How long a write shared between copies of the game waits, at most, for the lock another
// copy holds while it writes its own.
inline constexpr int OtherCopyWaitMs = 2000;

// True when the path names an existing file (not a folder); any error counts as false.
bool FileExists(const std::string& path);
