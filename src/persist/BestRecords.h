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
};

BestRecords& Records();

// The two record files: Training times, then Challenge scores.
inline constexpr const char* RecordFileNames[] = {"hs.rec", "hhs.rec"};

// Reads "hs.rec" and "hhs.rec" from the records folder; a missing file is created empty.
void LoadBestRecords();

// Submits a finished Training time (seconds) or Challenge score for a level, chosen by
// TrainingMode. A better result than the stored one asks for the holder's name and is
// written to its file at once.
void UpdateBestRecord(int32_t value, int16_t index);
