#include "persist/BestRecords.h"

#include "common/AppState.h"
#include "common/Platform.h"
#include "engine/GameSettings.h"
#include "persist/FileIO.h"
#include "persist/RecordFile.h"
#include "persist/Windows1252.h"

#include <QFileInfo>
#include <QLockFile>

namespace {

// Far more than any record file the game writes; a larger file is no record file.
constexpr size_t LargestRecordFile = 64 * 1024;

struct Table {
    const char* file;
    const char* mode;
    std::array<std::string, 3>& names;
    std::array<int32_t, 3>& values;
    bool& unusable;
    bool lowerIsBetter;
};

Table TrainingTable() {
    BestRecords& r = Records();
    return {RecordFileNames[0],     "Training", r.TrainingRecordNames, r.TrainingRecordTimes,
            r.TrainingFileUnusable, true};
}

Table ChallengeTable() {
    BestRecords& r = Records();
    return {RecordFileNames[1],      "Challenge", r.ChallengeRecordNames, r.ChallengeRecordScores,
            r.ChallengeFileUnusable, false};
}

std::string PathOf(const Table& table) { return App().RecordsFolder + "/" + table.file; }

bool Exists(const std::string& path) { return QFileInfo::exists(QString::fromStdString(path)); }

// A stored value of 0 or below is no record: an old file may hold a time that wrapped
// below zero, and it must not stand forever.
bool Beats(int32_t value, int32_t stored, bool lowerIsBetter) {
    if (stored <= 0) return true;
    return lowerIsBetter ? value < stored : value > stored;
}

// Empty when there is no file; nothing when one is there but cannot be read.
std::optional<std::string> ReadRecordBytes(const std::string& path) {
    if (!Exists(path)) return std::string();
    auto bytes = ReadFileHead(path, LargestRecordFile + 1);
    if (bytes && bytes->size() > LargestRecordFile) return std::nullopt;
    return bytes;
}

// Another copy of the game may have written since this one last looked: each level keeps
// the better entry, and the file's unless this copy's beats it, so its bytes stay.
void Merge(const Table& table, const std::string& bytes) {
    const RecordTable read = ReadRecordTable(bytes);
    for (size_t i = 0; i < read.size(); ++i) {
        const int32_t mine = table.values[i];
        if (mine > 0 && Beats(mine, read[i].value, table.lowerIsBetter)) continue;
        table.names[i] = read[i].name;
        table.values[i] = read[i].value;
    }
}

// Nothing is written over such a file, so that no record in it is lost.
void GiveUp(const Table& table, const std::string& why) {
    table.unusable = true;
    TellPlayer(why + "\n" + table.mode +
                   " records will not be kept until the game is started again.",
               Platform::Icon::Warning);
}

void Load(const Table& table, const std::string& formerFolder) {
    const std::string path = PathOf(table);
    if (!Exists(path)) {
        // Records left where an older copy kept them come along the first time; a first
        // start leaves empty files behind, so later starts find the same thing.
        const std::string former = formerFolder.empty() ? "" : formerFolder + "/" + table.file;
        const std::string carried = ReadRecordBytes(former).value_or("");
        const std::string failure = WriteFileAtomically(path, carried);
        if (!carried.empty() && !failure.empty()) {
            GiveUp(table, "Your best records in " + former + " could not be copied to " + path +
                              ": " + failure + ".");
            return;
        }
    }
    const auto bytes = ReadRecordBytes(path);
    if (!bytes) {
        GiveUp(table, "The best records file " + path +
                          " cannot be read: it may be a folder, not yours to read, or too large.");
        return;
    }
    Merge(table, *bytes);
}

std::string AskHolderName(bool training) {
    const std::string answer = ThePlatform().AskName(
        "Congratulations! You broken the best record,please input your name:",
        training ? "Best record-Tranning" : "Best record", static_cast<int>(RecordNameSize));
    const std::string name = ToWindows1252(PrintableWindows1252(QString::fromStdString(answer)));
    return RecordName(name.empty() ? "noname" : name);
}

// Read, decided and written under a lock beside the file, so that two copies of the game
// never write over each other's records. Empty text when nothing went wrong.
std::string Store(const Table& table, size_t i, const std::string& name, int32_t value) {
    const std::string path = PathOf(table);
    QLockFile lock(QString::fromStdString(path + ".lock"));
    if (!lock.tryLock(OtherCopyWaitMs)) {
        return lock.error() == QLockFile::LockFailedError
                   ? "another copy of the game kept the records busy"
                   : "its folder " + App().RecordsFolder + " cannot be written to";
    }
    const auto bytes = ReadRecordBytes(path);
    if (!bytes) return path + " cannot be read";
    Merge(table, *bytes);
    // The other copy may have stored a better result while the name was asked.
    if (!Beats(value, table.values[i], table.lowerIsBetter)) return {};
    table.names[i] = name;
    table.values[i] = value;
    RecordTable written;
    for (size_t k = 0; k < written.size(); ++k)
        written[k] = {table.names[k], table.values[k]};
    // Whatever follows the three entries is not the game's to drop.
    const std::string tail = bytes->size() > RecordFileSize ? bytes->substr(RecordFileSize) : "";
    return WriteFileAtomically(path, WriteRecordTable(written) + tail);
}

} // namespace

BestRecords& Records() {
    static BestRecords records;
    return records;
}

void LoadBestRecords(const std::string& formerFolder) {
    Load(TrainingTable(), formerFolder);
    Load(ChallengeTable(), formerFolder);
}

void UpdateBestRecord(int32_t value, int16_t index) {
    if (value <= 0 || index < 0 || index > 2) return;
    const bool training = Settings().TrainingMode;
    const Table table = training ? TrainingTable() : ChallengeTable();
    if (table.unusable) return;
    const auto i = static_cast<size_t>(index);
    // Judged against the file as it is now, which another copy may have changed.
    if (const auto bytes = ReadRecordBytes(PathOf(table))) Merge(table, *bytes);
    if (!Beats(value, table.values[i], training)) return;

    const std::string failure = Store(table, i, AskHolderName(training), value);
    if (!failure.empty()) {
        TellPlayer("Your best record could not be saved: " + failure + ".",
                   Platform::Icon::Warning);
    }
}
