#pragma once

#include "platform/gdi/DeviceContext.h"
#include "platform/qtwindow/QtTimerSource.h"
#include "platform/qtwindow/QtWindowSystem.h"
#include "platform/window/Beep.h"
#include "platform/window/ClientDc.h"
#include "platform/window/DialogHandler.h"
#include "platform/window/DialogWindow.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace lumet::test {

inline constexpr Color kCyan = Color::FromHex(0xCCFFFF);
inline constexpr Color kBlack = Color::FromHex(0x000000);

// Counts the beeps instead of playing them.
class RecordingBeep final : public Beep {
public:
    int count = 0;
    void Play() override { ++count; }
};

// A dialog that writes down every message it gets, one line each, and acts only
// through the hooks a test sets.
class RecordingHandler final : public DialogHandler {
public:
    std::vector<std::string> log;
    std::vector<Rect> paints;
    std::function<void(DeviceContext&, const Rect&)> paint;
    std::function<void(int id)> timer;
    std::function<std::intptr_t(int, std::uintptr_t, std::intptr_t)> message;
    std::function<bool(const InputMessage&)> preTranslate;
    std::function<bool(Point, int)> setCursor;
    std::function<void(int, Notification)> command;
    std::function<bool()> initDialog;
    bool cancelHandled = false;
    ControlColors colors{kCyan, kBlack, Brush::Solid(kBlack)};

    bool OnInitDialog() override {
        log.push_back("init");
        return initDialog ? initDialog() : true;
    }
    bool OnEraseBackground(DeviceContext& dc) override {
        static_cast<void>(dc);
        log.push_back("erase");
        return true;
    }
    void OnPaint(DeviceContext& dc, const Rect& invalid) override {
        log.push_back("paint");
        paints.push_back(invalid);
        if (paint) {
            paint(dc, invalid);
        }
    }
    void OnTimer(int id) override {
        log.push_back("timer " + std::to_string(id));
        if (timer) {
            timer(id);
        }
    }
    void OnCommand(int controlId, Notification notification) override {
        log.push_back("command " + std::to_string(controlId) + " " + Name(notification));
        if (command) {
            command(controlId, notification);
        }
    }
    bool OnOk() override {
        log.push_back("ok");
        return false;
    }
    bool OnCancel() override {
        log.push_back("cancel");
        return cancelHandled;
    }
    void OnLeftButtonDown(Point client) override { log.push_back("down " + Text(client)); }
    void OnLeftButtonUp(Point client) override { log.push_back("up " + Text(client)); }
    void OnLeftButtonDoubleClick(Point client) override { log.push_back("double " + Text(client)); }
    bool OnSetCursor(Point client, int controlId) override {
        return setCursor ? setCursor(client, controlId) : false;
    }
    std::intptr_t OnMessage(int id, std::uintptr_t wParam, std::intptr_t lParam) override {
        log.push_back("message " + std::to_string(id - kWmApp));
        return message ? message(id, wParam, lParam) : 0;
    }
    bool PreTranslateMessage(const InputMessage& input) override {
        return preTranslate ? preTranslate(input) : false;
    }
    ControlColors OnControlColor(const Control& control) override {
        static_cast<void>(control);
        return colors;
    }
    void OnDestroy() override { log.push_back("destroy"); }

    // Log lines that start with prefix.
    std::vector<std::string> Lines(const std::string& prefix) const {
        std::vector<std::string> lines;
        for (const std::string& line : log) {
            if (line.rfind(prefix, 0) == 0) {
                lines.push_back(line);
            }
        }
        return lines;
    }

    static std::string Text(Point point) {
        return std::to_string(point.x) + "," + std::to_string(point.y);
    }
    static std::string Name(Notification notification) {
        switch (notification) {
        case Notification::Clicked:
            return "clicked";
        case Notification::DoubleClicked:
            return "double";
        case Notification::SetFocus:
            return "setfocus";
        case Notification::KillFocus:
            return "killfocus";
        case Notification::Changed:
            return "changed";
        }
        return "?";
    }
};

// A picture filled with one colour.
inline Bitmap SolidBitmap(int width, int height, Color color) {
    DeviceContext dc(Bitmap(width, height));
    dc.FillRect(Rect{0, 0, width, height}, Brush::Solid(color));
    return dc.SelectBitmap(Bitmap());
}

// Handles every posted event and paint request, also those posted meanwhile.
inline void Drain() {
    for (int round = 0; round < 64; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

inline Color SurfacePixel(DialogWindow& window, int x, int y) {
    return window.SurfacePixels().Pixel(x, y);
}

class WindowTest : public ::testing::Test {
protected:
    RecordingHandler handler;
    RecordingBeep beep;
    QtTimerSource timers;
    QtWindowSystem windows;
    DialogWindow window{handler, beep, timers, windows};

    void Click(Point point) {
        window.DeliverMouse(InputKind::LeftButtonDown, point, point);
        window.DeliverMouse(InputKind::LeftButtonUp, point, point);
    }
    void Move(Point point) { window.DeliverMouse(InputKind::MouseMove, point, point); }
    void Type(char32_t character, Key key = Key::Other) {
        window.DeliverKeyPress(key, character, {});
        window.DeliverKeyRelease(key, {});
    }
    void Press(Key key, KeyModifiers modifiers = {}) {
        window.DeliverKeyPress(key, 0, modifiers);
        window.DeliverKeyRelease(key, modifiers);
    }
};

} // namespace lumet::test
