#include "platform/events/win32/Win32EventLoop.h"
#include "platform/window/DialogWindow.h"
#include "platform/window/win32/VirtualKeys.h"
#include "platform/window/win32/Win32Timers.h"
#include "platform/window/win32/Win32WindowSystem.h"
#include "res/Resources.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumet::test {
namespace {

constexpr int kEndMessage = 0x8000 + 1;
constexpr int kNoteMessage = 0x8000 + 2;
constexpr int kInvalidateMessage = 0x8000 + 3;

class SilentBeep final : public Beep {
public:
    void Play() override {}
};

// Records what reaches the dialog, in order; kEndMessage ends the modal run.
class Recorder final : public DialogHandler {
public:
    std::vector<std::string> seen;
    std::function<void()> onInit;
    DialogWindow* window = nullptr;

    bool OnInitDialog() override {
        if (onInit) {
            onInit();
        }
        return false;
    }
    void OnPaint(DeviceContext&, const Rect&) override { seen.push_back("paint"); }
    std::intptr_t OnMessage(int message, std::uintptr_t wParam, std::intptr_t) override {
        if (message == kEndMessage) {
            window->EndDialog(static_cast<int>(wParam));
        } else if (message == kNoteMessage) {
            seen.push_back("note " + std::to_string(wParam));
        } else if (message == kInvalidateMessage) {
            window->Invalidate(Rect{0, 0, 10, 10});
        }
        return 0;
    }
    bool PreTranslateMessage(const InputMessage& message) override {
        if (message.kind == InputKind::KeyDown) {
            seen.push_back("key " + std::to_string(static_cast<int>(message.key)));
        } else if (message.kind == InputKind::Char) {
            seen.push_back("char " + std::to_string(static_cast<unsigned>(message.character)));
        }
        return false;
    }
};

class Win32HostWindowTest : public ::testing::Test {
protected:
    Recorder handler;
    SilentBeep beep;
    Win32TimerSource timers;
    Win32EventLoop loop;
    Win32WindowSystem windows{loop};
    DialogWindow window{handler, beep, timers, windows};

    Win32HostWindowTest() { handler.window = &window; }

    HWND Handle() { return static_cast<Win32HostWindow&>(window.Host()).Handle(); }
};

// Each row: what the dialog does first in its modal run, and what it must see after
// the paint that shows the window.
struct OrderCase {
    const char* fault;
    std::function<void(DialogWindow&, HWND)> start;
    std::vector<std::string> seen;
};

TEST_F(Win32HostWindowTest, MessagesArriveInTheOrderTheyWerePosted) {
    const OrderCase cases[] = {
        {"posted messages reordered or lost",
         [](DialogWindow& w, HWND) {
             w.PostMessage(kNoteMessage, 1);
             w.PostMessage(kNoteMessage, 2);
         },
         {"note 1", "note 2"}},
        {"a paint pass run ahead of a message posted before it",
         [](DialogWindow& w, HWND) {
             w.PostMessage(kNoteMessage, 1);
             w.PostMessage(kInvalidateMessage);
             w.PostMessage(kNoteMessage, 2);
         },
         {"note 1", "note 2", "paint"}},
        {"a key press losing the character translated from it",
         [](DialogWindow&, HWND hwnd) {
             PostMessageW(hwnd, WM_KEYDOWN, 'A', 0x001E0001);
             PostMessageW(hwnd, WM_CHAR, 'a', 0x001E0001);
         },
         {"key " + std::to_string(static_cast<int>(Key::Other)), "char 97"}},
        {"a character outside the BMP split into two surrogates",
         [](DialogWindow&, HWND hwnd) {
             PostMessageW(hwnd, WM_KEYDOWN, VK_PACKET, 0);
             PostMessageW(hwnd, WM_CHAR, 0xD83D, 0);
             PostMessageW(hwnd, WM_CHAR, 0xDE00, 0);
         },
         {"key " + std::to_string(static_cast<int>(Key::Other)), "char 128512"}},
        {"a character with no key-down of its own reaching the dialog",
         [](DialogWindow&, HWND hwnd) { PostMessageW(hwnd, WM_CHAR, 'x', 0); },
         {}},
    };
    for (const OrderCase& c : cases) {
        handler.seen.clear();
        handler.onInit = [&] {
            c.start(window, Handle());
            window.PostMessage(kEndMessage, 7);
        };
        ASSERT_EQ(window.RunModal(), 7) << c.fault;
        ASSERT_FALSE(handler.seen.empty()) << c.fault;
        EXPECT_EQ(handler.seen.front(), "paint") << c.fault;
        const std::vector<std::string> after(handler.seen.begin() + 1, handler.seen.end());
        EXPECT_EQ(after, c.seen) << c.fault;
    }
}

TEST_F(Win32HostWindowTest, TheWindowIsTheClientAreaWithoutAFrame) {
    window.MoveTo(Point{40, 30});
    window.SetClientHeight(200, false);
    EXPECT_EQ(window.WindowRect(), (Rect{40, 30, 400, 230}));
    window.SetWindowText("3 Ping \xC3\xA9");
    EXPECT_EQ(window.GetWindowText(), "3 Ping \xC3\xA9");
}

TEST_F(Win32HostWindowTest, APictureCursorBecomesASystemCursorOfItsOwn) {
    // The program's own cursor pictures, decoded by the system from their PNG files.
    const HCURSOR arrow = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    for (const char* name : {"cursors/160.png", "cursors/161.png", "cursors/162.png"}) {
        const Cursor picture = Cursor::FromPng(FindResource(name), Point{1, 1});
        ASSERT_EQ(picture.GetShape(), Cursor::Shape::Picture) << name;
        window.SetCursor(picture);
        EXPECT_NE(GetCursor(), nullptr) << name;
        EXPECT_NE(GetCursor(), arrow) << name;
        window.SetCursor(Cursor::Arrow());
        EXPECT_EQ(GetCursor(), arrow) << name;
    }
}

TEST(VirtualKeysTest, NamesTheKeysTheDialogHandles) {
    const struct {
        unsigned virtualKey;
        Key key;
    } rows[] = {
        {VK_RETURN, Key::Return},  {VK_ESCAPE, Key::Escape}, {VK_TAB, Key::Tab},
        {VK_BACK, Key::Backspace}, {VK_DELETE, Key::Delete}, {VK_LEFT, Key::Left},
        {VK_RIGHT, Key::Right},    {VK_UP, Key::Up},         {VK_DOWN, Key::Down},
        {VK_HOME, Key::Home},      {VK_END, Key::End},       {VK_SPACE, Key::Space},
        {VK_F1, Key::F1},          {'A', Key::Other},        {VK_F2, Key::Other},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(KeyFromVirtualKey(row.virtualKey), row.key) << row.virtualKey;
    }
}

TEST(Win32TimersTest, AKilledTimerNoLongerRuns) {
    std::vector<int> ticks;
    Win32Timers timers([&](int id) { ticks.push_back(id); });
    timers.SetTimer(3, 10);
    timers.SetTimer(4, 10);
    EXPECT_TRUE(timers.IsRunning(3));
    timers.KillTimer(3);
    EXPECT_FALSE(timers.IsRunning(3));
    EXPECT_TRUE(timers.IsRunning(4));
    timers.KillAll();
    EXPECT_FALSE(timers.IsRunning(4));
}

} // namespace
} // namespace lumet::test
