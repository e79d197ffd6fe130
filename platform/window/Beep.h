#pragma once

namespace lumet {

// The system's warning sound (MessageBeep). Tests replace it with a counter.
class Beep {
public:
    virtual ~Beep() = default;

    virtual void Play() = 0;
};

} // namespace lumet
