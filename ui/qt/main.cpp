#include "app/ApplicationName.h"
#include "app/ScaleFactor.h"
#include "platform/icmp/GrantedPrivileges.h"
#include "ui/qt/App.h"

#include <QApplication>
#include <cstdio>
#include <utility>

int main(int argc, char** argv) {
    // Before Qt exists: nothing it loads may run with a privilege granted to the file.
    lumet::PrivilegeDrop privileges = lumet::GiveUpGrantedPrivileges();
    if (!privileges.failure.empty()) {
        std::fprintf(stderr, "lumet: %s\n", privileges.failure.c_str());
        return 1;
    }
    // Qt's own options (-platformpluginpath, -plugin) would load code named by the
    // user; the window takes no options of its own.
    int qtArgc = privileges.granted ? 1 : argc;
    // Whole scale factors only: a screen's 1.5 shows the skin at 2, and
    // QT_SCALE_FACTOR, which Qt applies unrounded on top, is rounded the same way.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        qputenv("QT_SCALE_FACTOR", QByteArray::fromStdString(lumet::WholeScaleFactorSetting(
                                       qgetenv("QT_SCALE_FACTOR").toStdString())));
    }
    QApplication application(qtArgc, argv);
    // The dialog's end, not its window closing, ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    lumet::App app(lumet::ApplicationName(QCoreApplication::applicationFilePath().toStdString()),
                   std::move(privileges.rawSocket));
    return app.Run();
}
