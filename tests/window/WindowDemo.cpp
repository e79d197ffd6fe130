// A window to look at by hand (not a test): the skin with the window buttons, the mode
// buttons, the caption strip and an address field, on the window layer. Escape, Alt+F4 or
// QT ends it; "--quit-after <ms>" ends it by itself.
#include "platform/gdi/Font.h"
#include "platform/qtgdi/QtFontEngine.h"
#include "platform/qtwindow/QtBeep.h"
#include "platform/qtwindow/QtTimerSource.h"
#include "platform/qtwindow/QtWindowSystem.h"
#include "platform/window/BitmapButton.h"
#include "platform/window/ClientDc.h"
#include "platform/window/DialogWindow.h"
#include "platform/window/EditControl.h"
#include "platform/window/StaticControl.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using namespace lumet;

class Caption final : public StaticControl {
public:
    using StaticControl::StaticControl;
    void OnLeftButtonDown(Point point) override {
        Window()->StartSystemMove();
        StaticControl::OnLeftButtonDown(point);
    }
};

class Demo final : public DialogHandler {
public:
    Demo() {
        window_.AddControl(address_);
        for (auto& button : buttons_) {
            window_.AddControl(*button);
        }
        window_.AddControl(caption_);
    }

    int Run() { return window_.RunModal(); }

    bool OnInitDialog() override {
        window_.SetWindowText("Ping");
        for (auto& button : buttons_) {
            button->AutoLoad();
        }
        buttons_[4]->LoadBitmaps("RUNR", "RUND", "", "RUNX");
        buttons_[5]->EnableWindow(false);
        address_.SetFont(Font::Create(QtFontEngine{}, "Arial", 42, 700));
        address_.SetWindowText("127.0.0.1");
        return true;
    }

    void OnPaint(DeviceContext& dc, const Rect&) override {
        const DeviceContext skin(Bitmap::LoadResource(129));
        dc.BitBlt(0, 0, 360, 116, skin, 0, 0, Rop::SrcCopy);
    }

    void OnCommand(int id, Notification notification) override {
        std::printf("command %d %d\n", id, static_cast<int>(notification));
        std::fflush(stdout);
        if (id == 1003 && notification == Notification::Clicked) {
            window_.EndDialog(kIdCancel);
        }
    }

    ControlColors OnControlColor(const Control&) override {
        return ControlColors{Color::FromHex(0xCCFFFF), Color{}, Brush::Solid(Color{})};
    }

private:
    QtBeep beep_;
    QtTimerSource timers_;
    QtWindowSystem windows_;
    DialogWindow window_{*this, beep_, timers_, windows_};
    EditControl address_{1000, Rect{12, 62, 314, 94}, ControlStyle{true, false, true},
                         EditStyle{EditAlignment::Center}};
    std::vector<std::unique_ptr<BitmapButton>> buttons_ = [] {
        std::vector<std::unique_ptr<BitmapButton>> list;
        list.push_back(std::make_unique<BitmapButton>(1003, Rect{334, 4, 352, 22}, "QT"));
        list.push_back(std::make_unique<BitmapButton>(1004, Rect{312, 4, 330, 22}, "MI"));
        list.push_back(std::make_unique<BitmapButton>(1009, Rect{290, 4, 308, 22}, "QM"));
        const ControlStyle tab{true, false, true};
        list.push_back(std::make_unique<BitmapButton>(1010, Rect{334, 34, 360, 46}, "RUN", tab));
        list.push_back(std::make_unique<BitmapButton>(1011, Rect{334, 48, 360, 60}, "RND", tab));
        list.push_back(std::make_unique<BitmapButton>(1012, Rect{334, 62, 360, 74}, "STA", tab));
        list.push_back(std::make_unique<BitmapButton>(1014, Rect{334, 76, 360, 88}, "SET", tab));
        list.push_back(std::make_unique<BitmapButton>(1013, Rect{334, 90, 360, 102}, "REP", tab));
        return list;
    }();
    Caption caption_{1016, Rect{48, 0, 280, 24}, true};
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc == 3 && QString::fromLatin1(argv[1]) == QStringLiteral("--quit-after")) {
        QTimer::singleShot(QString::fromLatin1(argv[2]).toInt(), &application,
                           [] { QApplication::activeWindow()->close(); });
    }
    Demo demo;
    const int result = demo.Run();
    std::printf("result %d\n", result);
    return 0;
}
