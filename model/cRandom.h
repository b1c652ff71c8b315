#pragma once

#include <cstdint>

// The program's one pseudo-random generator, range 0 ... 32767. It is seeded
// from the clock when a document is created or opened unless a fixed seed was
// asked for (tests, the command-line tool's --seed).
class cRandom
{
public:
    static constexpr int kMax = 32767;

    explicit cRandom(std::uint32_t seed = 1)
        : m_nState(seed)
    {
    }
    void Seed(std::uint32_t seed) { m_nState = seed; }
    void SeedFromClock();
    int Next()
    {
        m_nState = m_nState * 214013u + 2531011u;
        return static_cast<int>((m_nState >> 16) & 0x7FFF);
    }

private:
    std::uint32_t m_nState;
};
