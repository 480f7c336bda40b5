#pragma once

#include "draw/FramePlan.h"

#include <QString>
#include <cstdint>

// The game clock's text, e.g. "00:12:34".
class clsNumber {
public:
    void SetLocation(int16_t m_Left, int16_t m_top);
    void SetText(const QString& shown) { text = shown; }
    const QString& Text() const { return text; }
    void Draw();
    // The clock's text, a character a byte, and where it leaves ink.
    PartLook Part() const;

    // "hh:mm:ss", each part with at least two digits.
    static QString ClockText(int hours, int minutes, int seconds);

private:
    int16_t left = 0;
    int16_t top = 0;
    QString text;
};
