#pragma once

#include <string>

// What start-up learns about the folders around the program before choosing where the
// game's files live.
struct FolderFacts {
    std::string executableFolder;
    bool resourcesBeside = false;    // a build or portable copy: res/ is next to the program
                                     // (or in neither place)
    bool executableWritable = false; // the player may write next to the program
    std::string installedDataFolder; // where an installed copy keeps res/
    std::string dataFolder;          // the player's own data folder for this game
    std::string documentsFolder;     // the player's documents
};

struct FileLocations {
    std::string programFolder; // holds res/
    std::string recordsFolder;
    std::string saveFolder;
    // A folder whose record files are still read when the records folder has none of its own.
    std::string formerRecordsFolder;
};

// A writable build or portable copy keeps everything beside the program, as it always has.
// Any other copy keeps records in the player's data folder and proposes saved games in a
// folder of the game's own under the documents; records left beside the program carry over.
FileLocations ChooseFileLocations(const FolderFacts& facts);

// Looks at the real folders around the program.
FolderFacts ExamineFolders(const std::string& executableFolder,
                           const std::string& installedDataFolder);
