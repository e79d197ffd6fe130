#include "tests/support/InterfaceControl.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <net/if.h>
#include <net/route.h>
#include <netinet/in.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <system_error>

namespace lumet::test {
namespace {

[[noreturn]] void ThrowErrno(const std::string& what) {
    throw std::system_error(errno, std::generic_category(), what);
}

std::uint32_t PrefixMask(int prefixLength) {
    const std::uint32_t mask = prefixLength == 0 ? 0u : ~0u << (32 - prefixLength);
    return htonl(mask);
}

void SetInet(sockaddr& target, std::uint32_t address) {
    sockaddr_in inet{};
    inet.sin_family = AF_INET;
    inet.sin_addr.s_addr = address;
    std::memcpy(&target, &inet, sizeof inet);
}

ifreq Request(const std::string& device) {
    ifreq request{};
    if (device.size() >= sizeof request.ifr_name) {
        throw std::system_error(ENAMETOOLONG, std::generic_category(), device);
    }
    std::memcpy(request.ifr_name, device.c_str(), device.size() + 1);
    return request;
}

} // namespace

InterfaceControl::InterfaceControl() : socket_(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {
    if (!socket_.Valid()) {
        ThrowErrno("socket(AF_INET, SOCK_DGRAM)");
    }
}

void InterfaceControl::BringUp(const std::string& device) {
    ifreq request = Request(device);
    if (::ioctl(socket_.Get(), SIOCGIFFLAGS, &request) != 0) {
        ThrowErrno("SIOCGIFFLAGS " + device);
    }
    request.ifr_flags = static_cast<short>(request.ifr_flags | IFF_UP);
    if (::ioctl(socket_.Get(), SIOCSIFFLAGS, &request) != 0) {
        ThrowErrno("SIOCSIFFLAGS " + device);
    }
}

void InterfaceControl::SetAddress(const std::string& device, std::uint32_t address,
                                  int prefixLength) {
    ifreq request = Request(device);
    SetInet(request.ifr_addr, address);
    if (::ioctl(socket_.Get(), SIOCSIFADDR, &request) != 0) {
        ThrowErrno("SIOCSIFADDR " + device);
    }
    SetInet(request.ifr_netmask, PrefixMask(prefixLength));
    if (::ioctl(socket_.Get(), SIOCSIFNETMASK, &request) != 0) {
        ThrowErrno("SIOCSIFNETMASK " + device);
    }
}

void InterfaceControl::AddDeviceRoute(std::uint32_t network, int prefixLength,
                                      const std::string& device) {
    rtentry route{};
    SetInet(route.rt_dst, network);
    SetInet(route.rt_genmask, PrefixMask(prefixLength));
    route.rt_flags = RTF_UP;
    std::string name = device;
    route.rt_dev = name.data();
    if (::ioctl(socket_.Get(), SIOCADDRT, &route) != 0) {
        ThrowErrno("SIOCADDRT via " + device);
    }
}

void InterfaceControl::AddUnreachableRoute(std::uint32_t network, int prefixLength) {
    rtentry route{};
    SetInet(route.rt_dst, network);
    SetInet(route.rt_genmask, PrefixMask(prefixLength));
    route.rt_flags = RTF_UP | RTF_REJECT;
    if (::ioctl(socket_.Get(), SIOCADDRT, &route) != 0) {
        ThrowErrno("SIOCADDRT reject");
    }
}

} // namespace lumet::test
