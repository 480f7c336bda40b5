#pragma once

#include <QString>
#include <cstdint>

// The game clock's text, e.g. "00:12:34".
class clsNumber {
public:
    void SetLocation(int16_t m_Left, int16_t m_top);
    void Settimer(const QString& mtxt) { text = mtxt; }
    const QString& Text() const { return text; }
    void Draw();

private:
    int16_t left = 0;
    int16_t top = 0;
    QString text;
};
