#pragma once

#include <QString>
#include <string>

// Record files keep names in the single-byte Windows-1252 code page.
std::string ToWindows1252(const QString& text);
QString FromWindows1252(const std::string& bytes);
