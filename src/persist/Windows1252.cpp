#include "persist/Windows1252.h"

#include <QList>
#include <algorithm>
#include <array>

namespace {

// 0x80..0x9F; the rest of the page matches Latin-1. Unassigned bytes read as U+FFFD.
constexpr std::array<char16_t, 32> HighControls{
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

char ByteFor(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == c && c != 0xFFFD) return static_cast<char>(0x80 + i);
    }
    return '?';
}

// A control character would be stored as an invisible byte, and a character the code page
// lacks as '?'.
bool Printable(char32_t c) {
    if (c < 0x20 || (c >= 0x7F && c < 0xA0)) return false;
    if (c <= 0xFF) return true;
    return c != 0xFFFD &&
           std::find(HighControls.begin(), HighControls.end(), c) != HighControls.end();
}

} // namespace

std::string ToWindows1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    // A character outside the Basic Multilingual Plane is one '?', not two.
    for (const char32_t c : text.toUcs4())
        bytes.push_back(c > 0xFFFF ? '?' : ByteFor(static_cast<char16_t>(c)));
    return bytes;
}

QString FromWindows1252(const std::string& bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        text.append(b >= 0x80 && b < 0xA0 ? QChar(HighControls[b - 0x80]) : QChar(b));
    }
    return text;
}

QString PrintableWindows1252(const QString& text) {
    QString kept;
    for (const char32_t c : text.toUcs4()) {
        if (Printable(c)) kept.append(QString::fromUcs4(&c, 1));
    }
    return kept;
}
