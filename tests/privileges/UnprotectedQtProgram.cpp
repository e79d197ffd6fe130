// The control: a Qt program that keeps a granted capability, as lumet and
// lumet-cli once did. The attack must succeed on it, or the test proves nothing.

#include <QGuiApplication>

int main(int argc, char** argv) {
    const QGuiApplication application(argc, argv);
    return 0;
}
