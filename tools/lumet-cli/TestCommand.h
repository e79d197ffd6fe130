#pragma once

#include "platform/clock/Clock.h"
#include "platform/dialogs/MessageBoxes.h"
#include "platform/profile/Profile.h"
#include "probe/ProbeEngine.h"
#include "tools/lumet-cli/CommandLine.h"
#include "tools/lumet-cli/ConsoleLoop.h"
#include "tools/lumet-cli/PictureReportWriter.h"

#include <filesystem>
#include <ostream>

namespace lumet::cli {

// "lumet-cli run | stay | random": the window's test modes, driven by the same
// controller, with settings from the profile and both reports at the end, the
// picture through `picture`. `loop` is the event loop the engine's echo waits on;
// the test takes over its ticks and its Ctrl+C. Returns the process exit code.
int RunTestCommand(const CommandLine& line, ProbeEngine& engine, ConsoleLoop& loop, Clock& clock,
                   Profile& profile, MessageBoxes& messages, PictureReportWriter& picture,
                   const std::filesystem::path& reportFile, std::ostream& out, std::ostream& err);

} // namespace lumet::cli
