#pragma once

#include <filesystem>
#include <functional>

namespace lumet {

// Where the window finds its help file and server list and writes its reports.
struct FilePlaces {
    std::filesystem::path helpFile;
    std::filesystem::path serverListFile;
    // The folder to work in, where REP writes _report.txt and _report.bmp and
    // where PRINT, EMAIL and COPY find them; empty: the current directory.
    std::filesystem::path reportFolder;
};

// What the caller knows of the running program and its user.
struct InstallFacts {
    std::filesystem::path programDirectory; // of the running program
    // The installed data folder (share/lumet) relative to the programs' folder.
    std::filesystem::path dataFromProgram;
    // The user's own Lumet folder: reports, and a random.lst of their own.
    std::filesystem::path userFolder;
};

// A program run from its build tree (or anywhere without the installed data
// beside it) opens lumet.hlp and random.lst from the current directory and writes
// its reports there, as the development run arranges. An installed program finds
// both files in the data folder, except that a random.lst in the user's folder
// comes first, and it works in the user's folder, wherever it was started from
// (a desktop menu starts programs in the home folder, or in /).
FilePlaces LocateFilePlaces(const InstallFacts& facts,
                            const std::function<bool(const std::filesystem::path&)>& isFile);

} // namespace lumet
