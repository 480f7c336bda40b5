#pragma once

#include "shell/Platform.h"

#include <deque>
#include <string>
#include <vector>

// Answers the game's questions from a script and records what was asked.
class ScriptedPlatform : public Platform {
public:
    struct Script {
        std::deque<std::string> fileNames; // answers to save and open dialogs
        std::deque<Answer> answers;        // answers to message boxes (Ok when empty)
        std::deque<std::string> names;     // answers to the name prompt
        bool hasPrinter = false;
        std::vector<std::string> asked; // every title and text, in order
    };

    explicit ScriptedPlatform(Script& script) : script(script) {}

    std::string AskSaveFileName(const std::string& title, const std::string&,
                                const std::string& proposed) override {
        script.asked.push_back("save: " + title + " | " + proposed);
        return Next(script.fileNames);
    }
    std::string AskOpenFileName(const std::string& title, const std::string&,
                                const std::string& proposed) override {
        script.asked.push_back("open: " + title + " | " + proposed);
        return Next(script.fileNames);
    }
    Answer MessageBox(const std::string& text, const std::string& title, Buttons, Icon) override {
        script.asked.push_back("message: " + title + " | " + text);
        if (script.answers.empty()) return Answer::Ok;
        const Answer answer = script.answers.front();
        script.answers.pop_front();
        return answer;
    }
    std::string AskName(const std::string& prompt, const std::string& title, int) override {
        script.asked.push_back("name: " + title + " | " + prompt);
        return Next(script.names);
    }
    bool HasDefaultPrinter() override { return script.hasPrinter; }

private:
    static std::string Next(std::deque<std::string>& queue) {
        if (queue.empty()) return {};
        std::string value = queue.front();
        queue.pop_front();
        return value;
    }

    Script& script;
};
