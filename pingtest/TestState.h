#pragma once

namespace lumet {

// What the test controller is doing; the status line's mode pictures follow it.
enum class TestState : int {
    Idle = 0,
    Run = 1,
    Random = 2,
    StayAlive = 3,
};

} // namespace lumet
