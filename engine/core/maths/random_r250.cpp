#include "engine/core/maths/random_r250.h"

#include "engine/platform/tick_counter.h"

static const uint32_t SECOND_TAP = 103;

static uint32_t Successor(uint32_t index)
{
    return index + 1 < CRandom::TABLE_SIZE ? index + 1 : 0;
}

static uint32_t HighWordOfProduct(uint32_t a, uint32_t b)
{
    return static_cast<uint32_t>((static_cast<uint64_t>(a) * b) >> 32);
}

CRandom::CRandom()
{
    Seed();
}

void CRandom::Seed()
{
    SeedFromTick(GetTickCount());
}

void CRandom::SeedFromTick(uint32_t tick)
{
    uint32_t x = tick;
    for (uint32_t i = TABLE_SIZE; i-- > 0;)
    {
        const uint64_t y = static_cast<uint64_t>(x) * 1103515245u + 12345u;
        m_Table[i] = static_cast<uint32_t>(y >> 16);
        x = static_cast<uint32_t>(y);
    }
    // A shift-register generator only spans its full period when its words
    // are linearly independent: give 32 of them a staircase of leading bits.
    for (uint32_t k = 0; k < 32; k++)
    {
        uint32_t& word = m_Table[3 + 7 * k];
        word = (word & (0xFFFFFFFFu >> k)) | (0x80000000u >> k);
    }
    m_Index1 = 0;
    m_Index2 = SECOND_TAP;
}

uint32_t CRandom::Draw()
{
    const uint32_t v = m_Table[m_Index1] ^ m_Table[m_Index2];
    m_Table[m_Index1] = v;
    m_Index1 = Successor(m_Index1);
    m_Index2 = Successor(m_Index2);
    return v;
}

uint32_t CRandom::Below(uint32_t n)
{
    if (n == 0)
        return 0;
    return HighWordOfProduct(n, Draw());
}

int32_t CRandom::Between(int32_t a, int32_t b)
{
    const uint32_t v = Draw();
    // Unsigned arithmetic wraps as the range needs: the full range has a
    // span of 2^32, which reads as 0.
    const uint32_t span = static_cast<uint32_t>(b) - static_cast<uint32_t>(a) + 1;
    const uint32_t offset = span == 0 ? v : HighWordOfProduct(span, v);
    return static_cast<int32_t>(static_cast<uint32_t>(a) + offset);
}

float CRandom::BetweenFloat(float a, float b)
{
    const uint32_t v = Draw();
    const long double unit = static_cast<long double>(v) / 4294967296.0L;
    return static_cast<float>(a + (static_cast<long double>(b) - a) * unit);
}

CRandom& AmbientRandom()
{
    static CRandom random;
    return random;
}

CRandom& GameRandom()
{
    static CRandom random;
    return random;
}

CRandom& GetSharedRandom()
{
    static CRandom random;
    return random;
}

// The two start-up generators are seeded before the program's main code, one
// right after the other: both are ready before anything draws, and usually
// both start from the same tick and so run the same sequence.
[[maybe_unused]] static const bool s_StartUpGeneratorsSeeded = (AmbientRandom(), GameRandom(), true);
