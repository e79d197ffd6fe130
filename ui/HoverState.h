#pragma once

namespace lumet {

// Hover feedback shared by the dialog and all its skin buttons. The dialog owns the
// one instance and hands it to each SkinButton.
struct HoverState {
    // Control id of the skin button that handled the latest mouse move.
    int hoverButtonId = 0;
    // A hover word (or, over QT, MI and QM, the bare hover backdrop) lies over the
    // display area's lower band; the overlay pass must then leave that band alone.
    bool hoverWordShown = false;
    // Cleared while a panel covers the display area, set again when it goes.
    bool hoverWordsEnabled = true;
};

} // namespace lumet
