#include "persist/FileIO.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// The reasons a player can act on, in their words; anything rarer in the system's.
std::string InPlayersWords(int error, const std::string& systemReason) {
    switch (error) {
    case ENOSPC:
    case EFBIG:
    case EDQUOT: return "the disk is full or the file is too large";
    case EACCES:
    case EPERM: return "you are not allowed to write there";
    case EROFS: return "the disk is read-only";
    case ENOENT:
    case ENOTDIR: return "the folder does not exist";
    case EISDIR: return "a folder has that name";
    default: return systemReason;
    }
}

// Straight to the kernel, so that a write cut short is seen, with its reason, before the
// file is put in place: the toolkit's buffer would report it only when it is too late.
int WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return written < 0 ? errno : ENOSPC;
        done += static_cast<size_t>(written);
    }
    return 0;
}

} // namespace

std::optional<std::string> ReadFileHead(const std::string& path, size_t maxBytes) {
    // A pipe or a device would hold the game until something writes to it.
    if (!FileExists(path)) return std::nullopt;
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.read(static_cast<qint64>(maxBytes));
    return bytes.toStdString();
}

std::string WriteFileAtomically(const std::string& path, const std::string& bytes) {
    QSaveFile file(QString::fromStdString(path));
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return InPlayersWords(errno, file.errorString().toStdString());
    if (const int error = WriteAll(file.handle(), bytes)) {
        file.cancelWriting();
        return InPlayersWords(error, std::strerror(error));
    }
    errno = 0;
    if (!file.commit()) return InPlayersWords(errno, file.errorString().toStdString());
    return {};
}

bool FileExists(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    return info.exists() && info.isFile();
}
