#include "widgets/clsNumber.h"

#include "draw/Text.h"

void clsNumber::SetLocation(int16_t m_Left, int16_t m_top) {
    left = m_Left;
    top = m_top;
}

namespace {

// Before the first clock second the clock still reads zero.
QString Shown(const QString& text) { return text.isEmpty() ? QStringLiteral("00:00:00") : text; }

void UseClockFont() { SetFont(QStringLiteral("Dotum"), 22, FontRegular); }

} // namespace

void clsNumber::Draw() {
    UseClockFont();
    SetTextColor(255, 255, 255, 255);
    DrawText(left, top, Shown(text));
}

PartLook clsNumber::Part() const {
    const QString shown = Shown(text);
    uint64_t look = 0;
    for (QChar c : shown)
        look = look << 8 | c.unicode();
    UseClockFont();
    return {look, TextArea(left, top, shown)};
}

QString clsNumber::ClockText(int hours, int minutes, int seconds) {
    const auto twoDigits = [](int value) { return QString::number(value).rightJustified(2, u'0'); };
    return twoDigits(hours) + ":" + twoDigits(minutes) + ":" + twoDigits(seconds);
}
