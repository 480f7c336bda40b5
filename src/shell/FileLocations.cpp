#include "shell/FileLocations.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

FileLocations ChooseFileLocations(const FolderFacts& facts) {
    FileLocations chosen;
    chosen.programFolder =
        facts.resourcesBeside ? facts.executableFolder : facts.installedDataFolder;
    if (facts.resourcesBeside && facts.executableWritable) {
        chosen.recordsFolder = facts.executableFolder;
        chosen.saveFolder = facts.executableFolder + "/save";
        return chosen;
    }
    chosen.recordsFolder = facts.dataFolder;
    chosen.saveFolder = facts.documentsFolder + "/Korvel Sudoku";
    chosen.formerRecordsFolder = facts.executableFolder;
    return chosen;
}

FolderFacts ExamineFolders(const std::string& executableFolder,
                           const std::string& installedDataFolder) {
    const QString folder = QString::fromStdString(executableFolder);
    FolderFacts facts;
    facts.executableFolder = executableFolder;
    // A copy whose res/ is in neither place counts as a build copy, so the missing folder is
    // reported beside the program, where the player or developer put the game.
    facts.resourcesBeside =
        QFileInfo(folder + "/res").isDir() ||
        !QFileInfo(QString::fromStdString(installedDataFolder) + "/res").isDir();
    facts.executableWritable = QFileInfo(folder).isWritable();
    facts.installedDataFolder = installedDataFolder;
    facts.dataFolder =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    facts.documentsFolder =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    return facts;
}
