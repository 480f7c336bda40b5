#pragma once

#include "common/SoundBackend.h"

#include <string>
#include <vector>

// Keeps every sound command in the order the game sent it.
class RecordingSoundBackend : public SoundBackend {
public:
    explicit RecordingSoundBackend(std::vector<std::string>& log) : log(log) {}
    void Send(const std::string& command) override { log.push_back(command); }

private:
    std::vector<std::string>& log;
};
