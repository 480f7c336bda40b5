#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

// The panel that says what a shown step is and why. It stands over the options at the
// lower left, which reading the step does not need, and leaves the board clear.
class StepPanel {
public:
    // Lines in the game's words, wrapped to the panel's width when it is drawn.
    void Show(const std::vector<std::string>& lines);
    void Hide() { text.clear(); }
    bool IsShown() const { return !text.empty(); }
    bool Contains(int16_t x, int16_t y) const;
    void Draw();

    const std::vector<QString>& Text() const { return text; }

private:
    std::vector<QString> text;
};
