#pragma once

#include <cstdint>

namespace lumet {

// Periodic timers of the main window, by id. Setting a running id restarts it with
// the new period; ticks that fall due while the thread is busy collapse into one.
class Timers {
public:
    virtual ~Timers() = default;

    virtual void SetTimer(int id, std::uint32_t periodMs) = 0;
    virtual void KillTimer(int id) = 0;
};

} // namespace lumet
