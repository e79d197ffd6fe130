#pragma once

#include "platform/dialogs/MessageBoxes.h"
#include "probe/AddressFieldView.h"
#include "probe/ProbeEngine.h"
#include "probe/TargetStrings.h"

namespace lumet {

// Turns a typed or listed target into the address the probes go to, and finds
// the local host's address for the reports.
class TargetResolver {
public:
    TargetResolver(ProbeEngine& engine, TargetStrings& target, AddressFieldView& field,
                   MessageBoxes& messages);

    // Classifies targetText as a host name (first character 'a' to 'z') or a dotted
    // address (digits and dots only) and resolves it. With fallbackToLoopback a
    // refused target leaves "127.0.0.1" in addressText.
    bool ResolveTarget(bool fallbackToLoopback);

    // Sets localAddressText from the local host name; keeps the old value and tells
    // the user when either step fails.
    void GetLocalAddress();

private:
    bool ResolveHostTarget(bool fallbackToLoopback);
    bool ResolveDottedTarget(bool fallbackToLoopback);

    ProbeEngine& engine_;
    TargetStrings& target_;
    AddressFieldView& field_;
    MessageBoxes& messages_;
};

} // namespace lumet
