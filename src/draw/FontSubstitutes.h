#pragma once

#include <QFont>
#include <QString>
#include <optional>

// The game names five font families that a Linux desktop rarely has. Each is drawn
// with an installed look-alike, but only where the family itself is missing; a family
// that neither exists nor has a substitute yields nothing.
std::optional<QFont> ResolveFontFamily(const QString& family);
