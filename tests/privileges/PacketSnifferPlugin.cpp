// The attacker's plugin: loaded into a Qt program, it tries to open a socket that
// captures every frame on the host (AF_PACKET needs CAP_NET_RAW) and writes what
// happened to the file named by LUMET_ATTACK_REPORT.

#include <QGenericPlugin>
#include <arpa/inet.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <linux/if_ether.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

void TryToCaptureTraffic() {
    const char* const reportPath = std::getenv("LUMET_ATTACK_REPORT");
    if (reportPath == nullptr) {
        return;
    }
    const int fd = socket(AF_PACKET, SOCK_RAW, htons(ETH_P_ALL));
    const int error = errno;
    if (FILE* report = std::fopen(reportPath, "w")) {
        if (fd >= 0) {
            std::fputs("opened\n", report);
        } else {
            std::fprintf(report, "refused: %s\n", std::strerror(error));
        }
        std::fclose(report);
    }
    if (fd >= 0) {
        close(fd);
    }
}

// Runs when the library is loaded, before Qt asks it for anything.
const bool kAttempted = (TryToCaptureTraffic(), true);

} // namespace

class PacketSnifferPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "PacketSnifferPlugin.json")

public:
    QObject* create(const QString&, const QString&) override { return nullptr; }
};

#include "PacketSnifferPlugin.moc"
