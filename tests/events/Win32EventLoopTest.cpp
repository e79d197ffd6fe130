#include "platform/events/win32/Win32EventLoop.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace lumet {
namespace {

// A manual-reset event owned for one test.
class Event {
public:
    Event() : handle_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Event() { CloseHandle(handle_); }
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;
    HANDLE Get() const { return handle_; }
    void Set() const { SetEvent(handle_); }

private:
    HANDLE handle_;
};

TEST(Win32EventLoopTest, ASignaledHandleCallsBackFromTheLoopOnlyAndOnce) {
    Win32EventLoop loop;
    Event event;
    std::vector<std::string> calls;
    event.Set();
    const auto wait = loop.Watch(
        event.Get(), HandleWatcher::kForever, [&] { calls.push_back("signaled"); },
        [&] { calls.push_back("expired"); });
    EXPECT_TRUE(calls.empty()) << "called from within Watch";
    loop.PumpMessages();
    loop.PumpMessages();
    EXPECT_EQ(calls, std::vector<std::string>{"signaled"});
}

TEST(Win32EventLoopTest, AnUnsignaledHandleTimesOutOnce) {
    Win32EventLoop loop;
    Event event;
    std::vector<std::string> calls;
    const auto wait = loop.Watch(
        event.Get(), 0, [&] { calls.push_back("signaled"); }, [&] { calls.push_back("expired"); });
    EXPECT_TRUE(calls.empty()) << "a time-out of 0 expired within Watch";
    loop.PumpMessages();
    event.Set();
    loop.PumpMessages();
    EXPECT_EQ(calls, std::vector<std::string>{"expired"});
}

TEST(Win32EventLoopTest, AnEndedWaitNeverCallsBack) {
    Win32EventLoop loop;
    Event event;
    int calls = 0;
    auto wait = loop.Watch(
        event.Get(), 0, [&] { ++calls; }, [&] { ++calls; });
    wait.reset();
    event.Set();
    loop.PumpMessages();
    EXPECT_EQ(calls, 0);
}

TEST(Win32EventLoopTest, ACallbackMayEndAnotherWaitThatIsAlsoDue) {
    Win32EventLoop loop;
    Event first;
    Event second;
    int secondCalls = 0;
    std::unique_ptr<IoWait> other;
    const auto wait = loop.Watch(
        first.Get(), HandleWatcher::kForever, [&] { other.reset(); }, nullptr);
    other = loop.Watch(
        second.Get(), HandleWatcher::kForever, [&] { ++secondCalls; }, nullptr);
    first.Set();
    second.Set();
    loop.PumpMessages();
    EXPECT_EQ(secondCalls, 0);
}

} // namespace
} // namespace lumet
