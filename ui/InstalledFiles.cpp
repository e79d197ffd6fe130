#include "ui/InstalledFiles.h"

#include "ui/ProgramDirectory.h"

#include <system_error>

namespace lumet {

namespace {
// The folder the installed programs' data lies in, relative to the programs'
// folder; set by the build from the install directories.
constexpr const char* kDataFromProgram = LUMET_DATA_FROM_BINDIR;
constexpr const char* kUserFolderName = "Lumet";
} // namespace

FilePlaces PrepareFilePlaces(MessageBoxes& messages, const std::filesystem::path& documents) {
    const InstallFacts facts{LocateProgramDirectory(), kDataFromProgram,
                             documents.empty() ? documents : documents / kUserFolderName};
    FilePlaces places = LocateFilePlaces(facts, [](const std::filesystem::path& path) {
        std::error_code error;
        return std::filesystem::is_regular_file(path, error);
    });
    if (places.reportFolder.empty()) {
        return places;
    }
    std::error_code error;
    std::filesystem::create_directories(places.reportFolder, error);
    if (!error) {
        std::filesystem::current_path(places.reportFolder, error);
    }
    if (error) {
        const std::string reason = error.message();
        const std::string current = std::filesystem::current_path(error).string();
        messages.ShowApplicationMessage("The folder " + places.reportFolder.string() +
                                        " for the reports could not be made ready (" + reason +
                                        ").\nThe reports go to " + current + ".");
        places.reportFolder.clear();
    }
    return places;
}

} // namespace lumet
