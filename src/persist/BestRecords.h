#pragma once

#include <array>
#include <cstdint>
#include <string>

// The best result per level, index 0 Easy, 1 Normal, 2 Hard. Names are kept as the record
// files hold them: 32 single-byte Windows-1252 characters padded with spaces. A value of 0
// or below is no record.
struct BestRecords {
    std::array<std::string, 3> TrainingRecordNames;
    std::array<int32_t, 3> TrainingRecordTimes{};
    std::array<std::string, 3> ChallengeRecordNames;
    std::array<int32_t, 3> ChallengeRecordScores{};
    // A record file that could not be read, or carried over, at start is never written
    // over: its table keeps no new records for the rest of the run.
    bool TrainingFileUnusable = false;
    bool ChallengeFileUnusable = false;
};

BestRecords& Records();

// The two record files: Training times, then Challenge scores.
inline constexpr const char* RecordFileNames[] = {"hs.rec", "hhs.rec"};

// Reads "hs.rec" and "hhs.rec" from the records folder. A file missing there is copied
// from formerFolder when that holds one, else created empty. A file that cannot be read
// or copied is named to the player, and its table keeps no records this run.
void LoadBestRecords(const std::string& formerFolder = {});

// Submits a finished Training time (seconds) or Challenge score for a level, chosen by
// TrainingMode. A result better than the file holds now asks for the holder's name and is
// written at once, merged with what other copies of the game wrote meanwhile.
void UpdateBestRecord(int32_t value, int16_t index);
