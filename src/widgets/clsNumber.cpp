#include "widgets/clsNumber.h"

#include "draw/Text.h"

void clsNumber::SetLocation(int16_t m_Left, int16_t m_top) {
    left = m_Left;
    top = m_top;
}

void clsNumber::Draw() {
    // Before the first clock second the clock still reads zero.
    if (text.isEmpty()) text = QStringLiteral("00:00:00");
    SetFont(QStringLiteral("Dotum"), 22, FontRegular);
    SetTextColor(255, 255, 255, 255);
    DrawText(left, top, text);
}

QString clsNumber::ClockText(int hours, int minutes, int seconds) {
    const auto twoDigits = [](int value) { return QString::number(value).rightJustified(2, u'0'); };
    return twoDigits(hours) + ":" + twoDigits(minutes) + ":" + twoDigits(seconds);
}
