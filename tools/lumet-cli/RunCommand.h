#pragma once

#include "platform/clock/Clock.h"
#include "platform/dialogs/MessageBoxes.h"
#include "platform/profile/Profile.h"
#include "probe/ProbeEngine.h"
#include "tools/lumet-cli/CommandLine.h"
#include "tools/lumet-cli/ConsoleLoop.h"
#include "tools/lumet-cli/PictureReportWriter.h"

#include <functional>
#include <memory>
#include <optional>
#include <ostream>

namespace lumet::cli {

// The services main chose for its system; the commands run the same on all of them.
struct ConsoleServices {
    ConsoleLoop& loop; // the loop the engine's echo requests and lookups wait on
    ProbeEngine& engine;
    Clock& clock;
    MessageBoxes& messages;
    PictureReportWriter& picture;
    // The profile the window program keeps, opened for a test only: `probe`
    // neither reads nor writes it.
    std::function<std::unique_ptr<Profile>()> openProfile;
};

// Shows the help or the version on `out`, or why the line was refused on `err`,
// and gives the exit status; nothing when the line asks for a command to run.
std::optional<int> AnswerWithoutRunning(const ParseOutcome& parsed, std::ostream& out,
                                        std::ostream& err);

// Runs the line's command and gives the process exit status. A test takes the
// loop's interrupt over; for `probe` it stays with what main chose.
int RunCommand(const CommandLine& line, ConsoleServices& services, std::ostream& out,
               std::ostream& err);

} // namespace lumet::cli
