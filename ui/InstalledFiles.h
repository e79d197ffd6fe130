#pragma once

#include "app/FilePlaces.h"
#include "platform/dialogs/MessageBoxes.h"

#include <filesystem>

namespace lumet {

// The window's file places for this run (see LocateFilePlaces): an installed
// program gets the user's Lumet folder in their documents folder, creates it and
// works in it. When it cannot, the user is told and the reports go to the current
// folder. `documents` is the user's documents folder, empty when there is none.
FilePlaces PrepareFilePlaces(MessageBoxes& messages, const std::filesystem::path& documents);

} // namespace lumet
