#pragma once

#include "app/SettingsFields.h"
#include "platform/dialogs/MessageBoxes.h"
#include "probe/TargetStrings.h"
#include "ui/MainDialogControls.h"

namespace lumet {

// The main dialog's data exchange: the address field's text with `addressText`, and
// the six settings fields with their unsigned values, in the exchange order.
class DialogExchange {
public:
    DialogExchange(const MainDialogControls& controls, TargetStrings& target,
                   SettingsFields& fields, MessageBoxes& messages)
        : controls_(controls), target_(target), fields_(fields), messages_(messages) {}

    // Values into the controls.
    void ToControls();

    // Controls into the values. A settings field without a number shows "Please
    // enter a positive integer." and stops the reading there: it and the fields after
    // it keep their values. Returns false in that case. The focus stays where it is:
    // taking it back from a field that the user left would have that field check
    // itself too, and the two would hand the focus to and fro for ever.
    bool FromControls();

private:
    const MainDialogControls& controls_;
    TargetStrings& target_;
    SettingsFields& fields_;
    MessageBoxes& messages_;
};

} // namespace lumet
