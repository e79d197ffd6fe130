#include "app/ApplicationName.h"
#include "res/Resources.h"
#include "ui/App.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // The dialog's end, not its window closing, ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    lumet::InitResources();
    lumet::App app(lumet::ApplicationName(QCoreApplication::applicationFilePath().toStdString()));
    return app.Run();
}
