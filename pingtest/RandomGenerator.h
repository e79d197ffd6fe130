#pragma once

#include <cstdint>

namespace lumet {

// The classic linear congruential generator of the C runtime: draws of 0...32767.
class RandomGenerator {
public:
    static constexpr int kMaxValue = 32767;

    explicit RandomGenerator(std::uint32_t seed) : state_(seed) {}

    void Seed(std::uint32_t seed) { state_ = seed; }
    // Advances the state and returns bits 16...30 of the new state.
    int Next();

private:
    std::uint32_t state_;
};

} // namespace lumet
