#pragma once

#include <cstdint>

// R250 shift-register generator: 250 words of state, taps 0 and 103,
// exclusive-or feedback. Cheap enough for every per-frame choice of the
// game, and a seed reproduces a whole sequence.
class CRandom
{
public:
    static constexpr uint32_t TABLE_SIZE = 250;

    // Seeded from the tick counter.
    CRandom();

    void Seed();
    void SeedFromTick(uint32_t tick);

    // 0..n-1 (0 without drawing when n is 0).
    uint32_t Below(uint32_t n);
    // a..b, both ends included; the full 32-bit range is allowed.
    int32_t Between(int32_t a, int32_t b);
    // From a up to b; b itself only through rounding to float.
    float BetweenFloat(float a, float b);

    uint32_t GetFirstIndex() const { return m_Index1; }
    uint32_t GetSecondIndex() const { return m_Index2; }

private:
    uint32_t Draw();

    uint32_t m_Index1;
    uint32_t m_Index2;
    uint32_t m_Table[TABLE_SIZE];
};

// Background life and purely visual variety; drawing from it never changes
// how a round plays.
CRandom& AmbientRandom();
inline CRandom& CosmeticRandom()
{
    return AmbientRandom();
}

// The round logic's generator.
CRandom& GameRandom();

// Flock placement; seeded on its first use rather than at start-up.
CRandom& GetSharedRandom();
