#pragma once

#include <cstdint>

/**
 * The construction engine's random number generator: a 32-bit linear congruential generator.
 * Every draw advances the state s := s x 134775813 + 1 (mod 2^32); a draw below n is the upper
 * 32 bits of the 64-bit product of the new state and n, so it lies in 0..n - 1. The same seed
 * always gives the same sequence, which makes runs reproducible.
 */
class TRandomGenerator {
public:
    /** Multiplier of the state update. */
    static constexpr std::uint32_t Multiplier = 134775813u;

    explicit TRandomGenerator(std::uint32_t seed = 0) : m_state(seed) {}

    /** Advances the state and returns a number 0..n - 1; 0 when n is 0 or negative. */
    int below(int n)
    {
        m_state = m_state * Multiplier + 1u;
        if (n <= 0)
            return 0;
        return static_cast<int>((std::uint64_t(m_state) * std::uint32_t(n)) >> 32);
    }

    /** The current state (the seed before the first draw). */
    std::uint32_t state() const { return m_state; }

private:
    std::uint32_t m_state;
};

/**
 * The seed of an interactive run: the time of day in milliseconds,
 * ((hours x 60 + minutes) x 60 + seconds) x 1000 + milliseconds.
 */
std::uint32_t TimeOfDaySeed();
