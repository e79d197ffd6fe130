#include "pingtest/RandomGenerator.h"

namespace lumet {

int RandomGenerator::Next() {
    // Unsigned arithmetic wraps modulo 2^32, which is the generator's modulus.
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
}

} // namespace lumet
