#include "app/FilePlaces.h"

namespace lumet {

namespace {
constexpr const char* kHelpFileName = "lumet.hlp";
constexpr const char* kServerListName = "random.lst";
} // namespace

FilePlaces LocateFilePlaces(const InstallFacts& facts,
                            const std::function<bool(const std::filesystem::path&)>& isFile) {
    const std::filesystem::path dataFolder =
        (facts.programDirectory / facts.dataFromProgram).lexically_normal();
    if (facts.programDirectory.empty() || facts.dataFromProgram.empty() ||
        !isFile(dataFolder / kHelpFileName)) {
        return {kHelpFileName, kServerListName, {}};
    }
    FilePlaces places;
    places.helpFile = dataFolder / kHelpFileName;
    const std::filesystem::path ownList = facts.userFolder / kServerListName;
    places.serverListFile =
        !facts.userFolder.empty() && isFile(ownList) ? ownList : dataFolder / kServerListName;
    places.reportFolder = facts.userFolder;
    return places;
}

} // namespace lumet
