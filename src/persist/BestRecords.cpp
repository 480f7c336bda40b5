#include "persist/BestRecords.h"

#include "engine/GameSettings.h"
#include "persist/FileIO.h"
#include "persist/RecordFile.h"
#include "persist/Windows1252.h"
#include "shell/AppState.h"
#include "shell/Platform.h"

namespace {

struct Table {
    const char* file;
    std::array<std::string, 3>& names;
    std::array<int32_t, 3>& values;
};

Table TrainingTable() {
    BestRecords& r = Records();
    return {RecordFileNames[0], r.TrainingRecordNames, r.TrainingRecordTimes};
}

Table ChallengeTable() {
    BestRecords& r = Records();
    return {RecordFileNames[1], r.ChallengeRecordNames, r.ChallengeRecordScores};
}

std::string PathOf(const Table& table) { return App().RecordsFolder + "/" + table.file; }

void Load(const Table& table) {
    const std::string path = PathOf(table);
    const auto bytes = ReadFileHead(path, RecordFileSize);
    // A first start leaves empty files behind, so later starts find the same thing.
    if (!bytes && !FileExists(path)) WriteFileAtomically(path, {});
    const RecordTable read = ReadRecordTable(bytes.value_or(std::string()));
    for (size_t i = 0; i < read.size(); ++i) {
        table.names[i] = read[i].name;
        table.values[i] = read[i].value;
    }
}

std::string Save(const Table& table) {
    RecordTable written;
    for (size_t i = 0; i < written.size(); ++i)
        written[i] = {table.names[i], table.values[i]};
    return WriteFileAtomically(PathOf(table), WriteRecordTable(written));
}

// A stored value of 0 or below is no record: an old file may hold a time that wrapped
// below zero, and it must not stand forever.
bool Beats(int32_t value, int32_t stored, bool lowerIsBetter) {
    if (stored <= 0) return true;
    return lowerIsBetter ? value < stored : value > stored;
}

std::string AskHolderName(bool training) {
    const std::string answer = ThePlatform().AskName(
        "Congratulations! You broken the best record,please input your name:",
        training ? "Best record-Tranning" : "Best record", static_cast<int>(RecordNameSize));
    const std::string name = ToWindows1252(PrintableWindows1252(QString::fromStdString(answer)));
    return RecordName(name.empty() ? "noname" : name);
}

} // namespace

BestRecords& Records() {
    static BestRecords records;
    return records;
}

void LoadBestRecords() {
    Load(TrainingTable());
    Load(ChallengeTable());
}

void UpdateBestRecord(int32_t value, int16_t index) {
    if (value <= 0 || index < 0 || index > 2) return;
    const bool training = Settings().TrainingMode;
    const Table table = training ? TrainingTable() : ChallengeTable();
    const auto i = static_cast<size_t>(index);
    if (!Beats(value, table.values[i], training)) return;

    table.names[i] = AskHolderName(training);
    table.values[i] = value;
    const std::string failure = Save(table);
    if (!failure.empty()) {
        TellPlayer("Your best record could not be saved:\n" + failure, Platform::Icon::Warning);
    }
}
