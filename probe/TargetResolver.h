#pragma once

#include "platform/events/IoWatcher.h"
#include "probe/AddressFieldView.h"
#include "probe/ProbeEngine.h"
#include "probe/TargetStrings.h"

#include <functional>
#include <memory>

namespace lumet {

// Turns a typed or listed target into the address the probes go to, and finds
// the local host's address for the reports. Name lookups answer through the
// event loop; what they decide is applied when the answer comes.
class TargetResolver {
public:
    using Resolved = std::function<void(bool success)>;

    TargetResolver(ProbeEngine& engine, TargetStrings& target, AddressFieldView& field);

    // Classifies targetText as a host name (first character 'a' to 'z') or a dotted
    // address (digits and dots only) and resolves it. With fallbackToLoopback a
    // refused target leaves "127.0.0.1" in addressText. A dotted text is decided at
    // once, so `done` runs before this returns; a host name is looked up and `done`
    // runs from the event loop. A new call abandons a lookup still out.
    void ResolveTarget(bool fallbackToLoopback, Resolved done);
    // Whether addressText, which RUN probes as it stands, is a dotted address; shows
    // the wrong-address banner when it is not (a hand-edited profile can hold one).
    bool CheckAddressToRun();
    // Abandons the target lookup still out, if any: its `done` never runs.
    void CancelResolveTarget() { targetLookup_.reset(); }
    bool Resolving() const { return targetLookup_ != nullptr; }

    // Sets localAddressText from the local host name; keeps the old value and tells
    // the user when either step fails. `done` runs when it is over, whatever the
    // outcome: at once when the host name cannot be read, else from the loop.
    void GetLocalAddress(std::function<void()> done);
    void CancelLocalAddress() { localLookup_.reset(); }

private:
    void ResolveHostTarget(bool fallbackToLoopback, Resolved done);
    void OnHostResolved(std::uint32_t address, bool fallbackToLoopback, const Resolved& done);
    bool ResolveDottedTarget(bool fallbackToLoopback);
    void Refuse(bool fallbackToLoopback);

    ProbeEngine& engine_;
    TargetStrings& target_;
    AddressFieldView& field_;
    std::unique_ptr<IoWait> targetLookup_;
    std::unique_ptr<IoWait> localLookup_;
};

} // namespace lumet
