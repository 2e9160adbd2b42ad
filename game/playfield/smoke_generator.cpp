#include "game/playfield/smoke_generator.h"

#include <algorithm>
#include <cmath>

#include "engine/core/maths/maths_helpers.h"
#include "engine/core/maths/random_r250.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/point_property.h"

namespace {

float RandomAround(float halfWidth)
{
    const float spread = std::fabs(halfWidth);
    return CosmeticRandom().BetweenFloat(-spread, spread);
}

} // namespace

VP_IMPLEMENT_CLASS(CSmokeGenerator, CObject, 1.0f)

void CSmokeGenerator::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Sequence", VP_MEMBER(m_Sequence), &GetSequenceList(),
                                                   EDITOR_EDITABLE, nullptr, VP_SETTER(SetSequence), false));
    classInfo->AddProperty(
        new FloatPointProperty("Starting Velocity", VP_MEMBER(m_StartingVelocity), EDITOR_EDITABLE, 0.0f, 0.0f, nullptr));
    classInfo->AddProperty(
        new FloatPointProperty("Velocity Variance", VP_MEMBER(m_VelocityVariance), EDITOR_EDITABLE, 0.0f, 0.0f, nullptr));
    classInfo->AddProperty(new FloatProperty("SpawnRate", "Per Second", VP_MEMBER(m_SpawnRate), EDITOR_EDITABLE, 10.0f,
                                             VP_SETTER(SetSpawnRate), 0.0f, 100.0f, 0.1f));
    classInfo->AddProperty(new FloatProperty("SpawnRate Variance", "Per Second", VP_MEMBER(m_SpawnRateVariance),
                                             EDITOR_EDITABLE, 0.0f, nullptr, 0.0f, 100.0f, 0.1f));
}

CSmokeGenerator::CSmokeGenerator()
    : m_Countdown(0.0f)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CSmokeGenerator::~CSmokeGenerator()
{
    DestroyProperties(SGetClassInfo());
}

void CSmokeGenerator::SetSequence(int32_t index)
{
    KeepFirstPuffs(0);
    m_Sequence = index;
}

void CSmokeGenerator::SetSpawnRate(float rate)
{
    m_SpawnRate = rate;
    if (rate > 0.0f)
        m_Countdown = std::min(m_Countdown, 1.0f / rate);
}

CSequence* CSmokeGenerator::GetSequence() const
{
    return GetSequenceList().GetItemObject(static_cast<uint32_t>(m_Sequence));
}

void CSmokeGenerator::Update(float seconds, const CPoint& emissionPoint)
{
    const CSequence* sequence = GetSequence();
    const float framesPerSecond = sequence != nullptr ? sequence->GetEffectiveFps() : 0.0f;
    const bool puffsAdvance = framesPerSecond > 0.0f && std::isfinite(framesPerSecond);

    m_Countdown -= seconds;
    if (m_SpawnRate > 0.0f && m_Countdown < 0.0f && puffsAdvance)
    {
        m_Puffs.Append(Puff{static_cast<float>(emissionPoint.x), static_cast<float>(emissionPoint.y),
                            m_StartingVelocity.x, m_StartingVelocity.y, 0.0f});
        const float rate = CosmeticRandom().BetweenFloat(-m_SpawnRateVariance, m_SpawnRateVariance) + m_SpawnRate;
        // A rate of 0 or less leaves the countdown below 0: the next step
        // emits again.
        if (rate > 0.0f)
            m_Countdown = 1.0f / rate;
    }
    MovePuffs(seconds, framesPerSecond);
    RemoveFinishedPuffs(sequence != nullptr ? sequence->GetFrameCount() : 0);
}

void CSmokeGenerator::MovePuffs(float seconds, float framesPerSecond)
{
    for (Puff& puff : m_Puffs)
    {
        puff.velocityX += RandomAround(seconds * m_VelocityVariance.x);
        puff.velocityY += RandomAround(seconds * m_VelocityVariance.y);
        puff.x += seconds * puff.velocityX;
        puff.y += seconds * puff.velocityY;
        puff.framePosition += seconds * framesPerSecond;
    }
}

void CSmokeGenerator::RemoveFinishedPuffs(uint32_t frameCount)
{
    const float end = static_cast<float>(frameCount);
    uint32_t kept = 0;
    for (uint32_t i = 0; i < m_Puffs.GetCount(); i++)
    {
        if (m_Puffs[i].framePosition < end)
            m_Puffs[kept++] = m_Puffs[i];
    }
    KeepFirstPuffs(kept);
}

void CSmokeGenerator::KeepFirstPuffs(uint32_t count)
{
    while (m_Puffs.GetCount() > count)
        m_Puffs.RemoveAt(m_Puffs.GetCount() - 1);
}

void CSmokeGenerator::Draw(CFrameInterface* frame)
{
    CSequence* sequence = GetSequence();
    if (sequence == nullptr)
        return;
    const int32_t frameCount = static_cast<int32_t>(sequence->GetFrameCount());
    for (const Puff& puff : m_Puffs)
    {
        const int32_t index = FloorToInt(puff.framePosition);
        CFrame* image = index >= 0 && index < frameCount ? sequence->GetFrame(static_cast<uint32_t>(index)) : nullptr;
        if (image != nullptr)
            frame->BlitAt(image, RoundToInt(puff.x), RoundToInt(puff.y), sequence->GetBlitType());
    }
}
