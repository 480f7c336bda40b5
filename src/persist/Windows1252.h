#pragma once

#include <QString>
#include <string>

// Record files keep names in the single-byte Windows-1252 code page.
std::string ToWindows1252(const QString& text);
QString FromWindows1252(const std::string& bytes);

// Only what a record file can hold and show: printable Windows-1252 characters, without
// control characters. Both the name prompt and the stored name go through it.
QString PrintableWindows1252(const QString& text);
