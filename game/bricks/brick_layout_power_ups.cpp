// The round's power-up rules.
//
// Each kind drops by its weight. A level may forbid kinds (level breakers,
// its automatic ones, a list of its own); what they would have weighed is
// shared among the allowed kinds of the same karma, so forbidding a good
// power-up makes the other good ones likelier and leaves the share of bad
// ones as it was.

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "game/bricks/brick_layout.h"
#include "game/playfield/power_up_base.h"

namespace {

constexpr uint32_t kKarmaCount = 3;

bool Lists(const int32_t* entries, uint32_t count, uint32_t index)
{
    return std::find(entries, entries + count, static_cast<int32_t>(index)) != entries + count;
}

// Worked out in double, kept as a float and rounded to the nearest whole
// chance, halves to even; a group without allowed weight gives 0, never
// the 0 / 0 of the formula.
uint32_t SharedChance(uint32_t weight, uint64_t allOfKarma, uint64_t allowedOfKarma, uint64_t total)
{
    if (allowedOfKarma == 0 || total == 0)
        return 0;
    const float share =
        static_cast<float>(static_cast<double>(weight) / static_cast<double>(allowedOfKarma) *
                           (static_cast<double>(allOfKarma) / static_cast<double>(total)) * static_cast<double>(total));
    const float rounded = std::nearbyint(share);
    if (!(rounded < static_cast<float>(std::numeric_limits<uint32_t>::max())))
        return std::numeric_limits<uint32_t>::max();
    return static_cast<uint32_t>(rounded);
}

} // namespace

bool CBrickLayout::IsPowerUpDisallowed(uint32_t index, const CPowerUpBase& kind) const
{
    return (m_DisallowAllLevelBreakers && kind.m_IsALevelBreaker) ||
           (m_DisallowAutomaticPowerUps && Lists(m_pAutomaticPowerUps, m_AutomaticPowerUpCount, index)) ||
           Lists(m_pDisallowedPowerUps, m_DisallowedPowerUpCount, index);
}

void CBrickLayout::ComputePowerUpWeights()
{
    CResourceLibrary<CPowerUpBase>& library = GetPowerUpLibrary();
    const uint32_t count = library.GetCount();
    if (m_PowerUpChances.size() < count)
        m_PowerUpChances.resize(count, 0);

    uint64_t all[kKarmaCount] = {};
    uint64_t allowed[kKarmaCount] = {};
    uint64_t total = 0;
    std::vector<uint32_t> karmaOf(count, 0);
    std::vector<bool> allowedItem(count, false);
    for (uint32_t i = 0; i < count; i++)
    {
        const CPowerUpBase* kind = library.GetItemObject(i);
        if (kind == nullptr)
            continue;
        // Karma outside the table counts as neutral.
        const int32_t karma = kind->GetKarmaType();
        karmaOf[i] = karma >= 0 && static_cast<uint32_t>(karma) < kKarmaCount ? static_cast<uint32_t>(karma) : 0;
        const uint32_t weight = kind->m_OccurrenceFrequencyWeighting;
        all[karmaOf[i]] += weight;
        total += weight;
        allowedItem[i] = !IsPowerUpDisallowed(i, *kind);
        if (allowedItem[i])
            allowed[karmaOf[i]] += weight;
    }
    for (uint32_t i = 0; i < count; i++)
    {
        const CPowerUpBase* kind = library.GetItemObject(i);
        m_PowerUpChances[i] =
            kind != nullptr && allowedItem[i]
                ? SharedChance(kind->m_OccurrenceFrequencyWeighting, all[karmaOf[i]], allowed[karmaOf[i]], total)
                : 0;
    }
    if (m_AdditionalChanceOfConditionalExtraLife != 0)
    {
        const int32_t extraBall = library.IndexOfObject(library.GetByName("Extra Ball"));
        uint32_t& chance = m_PowerUpChances[static_cast<uint32_t>(extraBall)];
        chance = static_cast<uint32_t>(std::min<uint64_t>(uint64_t{chance} + m_AdditionalChanceOfConditionalExtraLife,
                                                          std::numeric_limits<uint32_t>::max()));
    }
}

uint32_t CBrickLayout::TotalPowerUpWeight() const
{
    const size_t kinds = std::min<size_t>(GetPowerUpLibrary().GetCount(), m_PowerUpChances.size());
    uint64_t total = 0;
    for (size_t i = 1; i < kinds; i++)
        total += m_PowerUpChances[i];
    return static_cast<uint32_t>(std::min<uint64_t>(total, std::numeric_limits<uint32_t>::max()));
}

int32_t CBrickLayout::PickPowerUp(uint32_t r) const
{
    const size_t kinds = std::min<size_t>(GetPowerUpLibrary().GetCount(), m_PowerUpChances.size());
    uint64_t sum = 0;
    for (size_t i = 1; i < kinds; i++)
    {
        sum += m_PowerUpChances[i];
        if (r < sum)
            return static_cast<int32_t>(i);
    }
    return 0;
}

// The library's own items are activated: nothing falls, so there is no
// capsule to copy them onto.
void CBrickLayout::GiveAutomaticPowerUps(CSprite* target)
{
    CResourceLibrary<CPowerUpBase>& library = GetPowerUpLibrary();
    for (uint32_t i = 0; i < m_AutomaticPowerUpCount; i++)
    {
        const int32_t index = m_pAutomaticPowerUps[i];
        if (index <= 0 || static_cast<uint32_t>(index) >= library.GetCount())
            continue;
        if (CPowerUpBase* kind = library.GetItemObject(static_cast<uint32_t>(index)))
            kind->Activate(PowerUpCollectContext{target, true});
    }
}
