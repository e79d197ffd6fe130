#pragma once

#include "platform/posix/UniqueFd.h"

#include <cstdint>
#include <string>

namespace lumet::test {

// Configures links, addresses and routes of the network namespace the calling
// thread is in, through the classic socket ioctls. Needs CAP_NET_ADMIN there.
// Every method throws std::system_error when the kernel refuses.
class InterfaceControl {
public:
    InterfaceControl();

    void BringUp(const std::string& device);
    // address in network byte order.
    void SetAddress(const std::string& device, std::uint32_t address, int prefixLength);
    // network in network byte order; the route sends the range out of `device`.
    void AddDeviceRoute(std::uint32_t network, int prefixLength, const std::string& device);
    // A route of type "unreachable": sending into the range fails at once.
    void AddUnreachableRoute(std::uint32_t network, int prefixLength);

private:
    UniqueFd socket_;
};

} // namespace lumet::test
