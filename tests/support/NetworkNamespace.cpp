#include "tests/support/NetworkNamespace.h"

#include <cerrno>
#include <fcntl.h>
#include <sched.h>
#include <system_error>
#include <unistd.h>

namespace lumet::test {
namespace {

[[noreturn]] void ThrowErrno(const std::string& what) {
    throw std::system_error(errno, std::generic_category(), what);
}

} // namespace

NetworkNamespace::NetworkNamespace()
    : original_(::open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC)) {
    if (!original_.Valid()) {
        ThrowErrno("open /proc/thread-self/ns/net");
    }
    if (::unshare(CLONE_NEWNET) != 0) {
        ThrowErrno("unshare(CLONE_NEWNET)");
    }
}

NetworkNamespace::~NetworkNamespace() {
    // Cannot fail for a thread that was allowed to leave the namespace in the first place.
    ::setns(original_.Get(), CLONE_NEWNET);
}

std::string NetworkNamespace::ReadSysctl(const std::string& path) {
    const UniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.Valid()) {
        ThrowErrno("open " + path);
    }
    std::string text(256, '\0');
    const ssize_t length = ::read(file.Get(), text.data(), text.size());
    if (length < 0) {
        ThrowErrno("read " + path);
    }
    text.resize(static_cast<std::size_t>(length));
    while (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    return text;
}

void NetworkNamespace::WriteSysctl(const std::string& path, const std::string& value) {
    const UniqueFd file(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
    if (!file.Valid()) {
        ThrowErrno("open " + path);
    }
    if (::write(file.Get(), value.data(), value.size()) != static_cast<ssize_t>(value.size())) {
        ThrowErrno("write " + path);
    }
}

} // namespace lumet::test
