#pragma once

#include "app/FilePlaces.h"
#include "platform/dialogs/MessageBoxes.h"

namespace lumet {

// The window's file places for this run (see LocateFilePlaces): an installed
// program gets the user's Lumet folder in their documents folder, creates it and
// works in it. When it cannot, the user is told and the reports go to the current
// folder. Needs a QGuiApplication for the documents folder.
FilePlaces PrepareFilePlaces(MessageBoxes& messages);

} // namespace lumet
