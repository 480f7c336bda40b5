#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const QString Sources = QStringLiteral(KORVEL_SOURCE_DIR "/src/");

// A header and its source are one unit: "draw/Text" for draw/Text.h and draw/Text.cpp.
QString UnitOf(const QString& path) { return path.left(path.lastIndexOf(u'.')); }

QString FolderOf(const QString& unit) { return unit.section(u'/', 0, 0); }

std::map<QString, int> LayerRanks() {
    std::map<QString, int> ranks;
    QFile file(Sources + QStringLiteral("layers.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return ranks;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (!line.isEmpty() && !line.startsWith(u'#')) ranks.emplace(line, ranks.size());
    }
    return ranks;
}

// Every unit under src/ with the units it includes.
std::map<QString, std::set<QString>> IncludeGraph() {
    static const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s*"([^"]+)\")"));
    std::map<QString, std::set<QString>> graph;
    QDirIterator files(Sources, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString unit = UnitOf(path.mid(Sources.size()));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) continue;
        auto& edges = graph[unit];
        QTextStream in(&file);
        while (!in.atEnd()) {
            const auto match = include.match(in.readLine());
            if (match.hasMatch() && UnitOf(match.captured(1)) != unit)
                edges.insert(UnitOf(match.captured(1)));
        }
    }
    return graph;
}

// A path of units from start back to start, or nothing.
bool FindCycle(const std::map<QString, std::set<QString>>& graph, const QString& unit,
               std::map<QString, int>& state, std::vector<QString>& path) {
    state[unit] = 1;
    path.push_back(unit);
    if (const auto edges = graph.find(unit); edges != graph.end()) {
        for (const QString& next : edges->second) {
            if (state[next] == 1) {
                path.push_back(next);
                return true;
            }
            if (state[next] == 0 && FindCycle(graph, next, state, path)) return true;
        }
    }
    state[unit] = 2;
    path.pop_back();
    return false;
}

TEST(IncludeLayers, IncludesRunDownTheLayersAndNeverInACircle) {
    const std::map<QString, int> ranks = LayerRanks();
    ASSERT_GE(ranks.size(), 5u) << "src/layers.txt lists the folders";
    const auto graph = IncludeGraph();
    ASSERT_GT(graph.size(), 50u);
    const auto rankOf = [&](const QString& unit) {
        const auto found = ranks.find(FolderOf(unit));
        return found == ranks.end() ? -1 : found->second;
    };
    for (const auto& [unit, includes] : graph) {
        if (unit == QStringLiteral("main")) continue;
        EXPECT_NE(rankOf(unit), -1) << unit.toStdString() << ": its folder is not in layers.txt";
        for (const QString& included : includes) {
            EXPECT_LE(rankOf(included), rankOf(unit))
                << unit.toStdString() << " includes " << included.toStdString()
                << ", which lies in a higher layer";
        }
    }
    std::map<QString, int> state;
    for (const auto& entry : graph) {
        std::vector<QString> path;
        if (state[entry.first] == 0 && FindCycle(graph, entry.first, state, path)) {
            // The path may begin before the cycle does.
            std::string cycle = path.back().toStdString();
            for (auto unit = std::find(path.begin(), path.end(), path.back()) + 1;
                 unit != path.end(); ++unit)
                cycle += " > " + unit->toStdString();
            ADD_FAILURE() << "include cycle: " << cycle;
            break;
        }
    }
}

} // namespace
