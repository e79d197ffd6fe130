#pragma once

#include "platform/posix/UniqueFd.h"

#include <string>

namespace lumet::test {

// Moves the calling thread into a new, empty network namespace for the object's
// lifetime. Only that thread (and threads or processes it starts) sees the new
// namespace, so sockets for it must be made on the same thread.
class NetworkNamespace {
public:
    // Throws std::system_error; EPERM when the process may not create namespaces.
    NetworkNamespace();
    // Returns the thread to the namespace it came from.
    ~NetworkNamespace();

    NetworkNamespace(const NetworkNamespace&) = delete;
    NetworkNamespace& operator=(const NetworkNamespace&) = delete;

    // Files below /proc/sys/net belong to the namespace of the thread that opens them.
    static std::string ReadSysctl(const std::string& path);
    static void WriteSysctl(const std::string& path, const std::string& value);

private:
    UniqueFd original_;
};

} // namespace lumet::test
