#include "draw/FontSubstitutes.h"

#include <QFontDatabase>
#include <QStringList>
#include <array>
#include <map>

namespace {

struct Substitute {
    const char* family;
    const char* lookAlike;
    QFont::Weight weight;
    int stretch;
};

constexpr std::array<Substitute, 5> Substitutes{{
    {"arial", "Liberation Sans", QFont::Normal, QFont::Unstretched},
    {"arial black", "DejaVu Sans", QFont::Black, QFont::Unstretched},
    {"impact", "DejaVu Sans", QFont::Bold, QFont::Condensed},
    {"dotum", "DejaVu Sans", QFont::Normal, QFont::Unstretched},
    {"courier new", "Liberation Mono", QFont::Normal, QFont::Unstretched},
}};

std::optional<QString> InstalledFamily(const QString& family) {
    static std::map<QString, QString> installed = [] {
        std::map<QString, QString> byLowerName;
        for (const QString& name : QFontDatabase::families()) {
            byLowerName.emplace(name.toLower(), name);
        }
        return byLowerName;
    }();
    const auto it = installed.find(family.toLower());
    if (it == installed.end()) return std::nullopt;
    return it->second;
}

} // namespace

std::optional<QFont> ResolveFontFamily(const QString& family) {
    if (const auto name = InstalledFamily(family)) return QFont(*name);
    for (const Substitute& s : Substitutes) {
        if (family.toLower() != QLatin1String(s.family)) continue;
        const auto name = InstalledFamily(QString::fromLatin1(s.lookAlike));
        if (!name) return std::nullopt;
        QFont font(*name);
        font.setWeight(s.weight);
        font.setStretch(s.stretch);
        return font;
    }
    return std::nullopt;
}
