#include "tests/support/TestNetwork.h"

#include "tests/support/InterfaceControl.h"

#include <system_error>

namespace lumet::test {

TestNetwork::TestNetwork(Options options) : responder_(kDevice) {
    InterfaceControl control;
    control.BringUp("lo");
    control.SetAddress(kDevice, kLocalAddress, 24);
    control.BringUp(kDevice);
    control.AddDeviceRoute(Ipv4Address(198, 51, 100, 0), 24, kDevice);
    control.AddUnreachableRoute(Ipv4Address(203, 0, 113, 0), 24);
    if (options.pingSockets) {
        NetworkNamespace::WriteSysctl(kPingGroupRange, "0 2147483647");
    }
}

std::unique_ptr<TestNetwork> TestNetwork::Create(Options options, std::string& skipReason) {
    try {
        return std::make_unique<TestNetwork>(options);
    } catch (const std::system_error& error) {
        if (error.code() != std::errc::operation_not_permitted &&
            error.code() != std::errc::permission_denied) {
            throw;
        }
        skipReason = std::string(kNeedsPrivilege) + " (" + error.what() + ")";
        return nullptr;
    }
}

} // namespace lumet::test
