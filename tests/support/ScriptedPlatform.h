#pragma once

#include "common/Platform.h"
#include "shell/Dispatcher.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// Answers the game's questions from a script and records what was asked. Each window stays
// open for five seconds of timer ticks, as a player takes time to answer, so whatever runs
// behind a window shows.
class ScriptedPlatform : public Platform {
public:
    static constexpr int TicksOpen = 200;

    struct Script {
        std::deque<std::string> fileNames; // answers to save and open dialogs
        std::deque<Answer> answers;        // answers to message boxes (Ok when empty)
        std::deque<std::string> names;     // answers to the name prompt
        bool hasPrinter = false;
        std::vector<std::string> asked;  // every title and text, in order
        std::function<void()> whileOpen; // runs in every window, after its ticks

        // How many windows of one kind ("message: ", "save: "...) were opened.
        size_t Count(const std::string& kind) const {
            return static_cast<size_t>(
                std::count_if(asked.begin(), asked.end(),
                              [&](const std::string& q) { return q.starts_with(kind); }));
        }
    };

    explicit ScriptedPlatform(Script& script) : script(script) {}

    std::string AskSaveFileName(const std::string& title, const std::string&,
                                const std::string& proposed) override {
        Open("save: " + title + " | " + proposed);
        return Next(script.fileNames);
    }
    std::string AskOpenFileName(const std::string& title, const std::string&,
                                const std::string& proposed) override {
        Open("open: " + title + " | " + proposed);
        return Next(script.fileNames);
    }
    Answer MessageBox(const std::string& text, const std::string& title, Buttons, Icon) override {
        Open("message: " + title + " | " + text);
        return Next(script.answers, Answer::Ok);
    }
    std::string AskName(const std::string& prompt, const std::string& title, int) override {
        Open("name: " + title + " | " + prompt);
        return Next(script.names);
    }
    bool HasDefaultPrinter() override { return script.hasPrinter; }

private:
    void Open(const std::string& question) {
        script.asked.push_back(question);
        for (int i = 0; i < TicksOpen; ++i)
            Timer1_Timer();
        if (script.whileOpen) script.whileOpen();
    }

    template <typename T> static T Next(std::deque<T>& queue, T none = {}) {
        if (queue.empty()) return none;
        T value = queue.front();
        queue.pop_front();
        return value;
    }

    Script& script;
};
