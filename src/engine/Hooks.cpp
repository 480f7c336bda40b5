#include "engine/Hooks.h"

#include <utility>

namespace {

std::function<void()>& Pump() {
    static std::function<void()> pump;
    return pump;
}

std::function<void(const std::string&)>& Reporter() {
    static std::function<void(const std::string&)> reporter;
    return reporter;
}

} // namespace

void SetEventPump(std::function<void()> pump) { Pump() = std::move(pump); }

void PumpEvents() {
    if (Pump()) Pump()();
}

void SetErrorReporter(std::function<void(const std::string&)> reporter) {
    Reporter() = std::move(reporter);
}

void ReportError(const std::string& message) {
    if (Reporter()) Reporter()(message);
}
