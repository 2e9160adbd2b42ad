#include "game/playfield/sprite_part.h"

#include <cmath>
#include <cstdint>

#include "engine/core/maths/maths_helpers.h"
#include "engine/core/maths/random_r250.h"
#include "engine/graphics/sequence.h"
#include "engine/object/editor_hooks.h"
#include "game/playfield/sprite.h"

namespace {

const double STEPS_PER_SECOND = 60.0;

// Toward zero, stopping at the ends of the 32-bit range; NaN gives 0.
int32_t TruncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value <= static_cast<double>(INT32_MIN))
        return INT32_MIN;
    if (value >= static_cast<double>(INT32_MAX))
        return INT32_MAX;
    return static_cast<int32_t>(value);
}

} // namespace

CSpritePart::CSpritePart(CSequence* sequence)
    : m_Flags(PART_VISIBLE | PART_COLLIDABLE)
    , m_pSequence(sequence)
    , m_FrameIndex(0)
    , m_Progress(0.0)
    , m_Offset{0.0f, 0.0f}
    , m_IntegerOffset{0, 0}
{
}

void CSpritePart::SetSequence(CSequence* sequence)
{
    m_pSequence = sequence;
    if (m_Progress == UNSET_PROGRESS)
        m_Progress = 0.0;
    UpdateFrameFromProgress();
}

void CSpritePart::SetProgress(double progress)
{
    m_Progress = progress;
    UpdateFrameFromProgress();
}

void CSpritePart::RandomizeProgress()
{
    m_Progress = GetEditorHooks().LevelEditorBuilding ? 0.0 : GameRandom().BetweenFloat(0.0f, 1.0f);
    UpdateFrameFromProgress();
}

bool CSpritePart::AdvanceOnce()
{
    const uint32_t frameCount = GetFrameCount();
    if (frameCount == 0)
        return true;
    m_Progress += StepLength();
    if (m_Progress >= 1.0)
    {
        m_Progress = 1.0;
        m_FrameIndex = static_cast<int32_t>(frameCount - 1);
        return true;
    }
    UpdateFrameFromProgress();
    return false;
}

// One fmod wraps any progress, however far past the end a huge rate put it;
// a whole number past the end shows the last frame, as exactly 1.0 does.
void CSpritePart::AdvanceLooping()
{
    if (GetFrameCount() == 0)
        return;
    m_Progress += StepLength();
    if (m_Progress > 1.0)
    {
        m_Progress = std::fmod(m_Progress, 1.0);
        if (m_Progress == 0.0)
            m_Progress = 1.0;
    }
    UpdateFrameFromProgress();
}

void CSpritePart::SetOffset(float x, float y)
{
    m_Offset = Vector2{x, y};
    m_IntegerOffset = CPoint{RoundToInt(x), RoundToInt(y)};
}

bool CSpritePart::IndexNamesFrame() const
{
    return m_FrameIndex >= 0 && static_cast<uint32_t>(m_FrameIndex) < GetFrameCount();
}

CFrame* CSpritePart::GetImage() const
{
    return IndexNamesFrame() ? m_pSequence->GetFrame(static_cast<uint32_t>(m_FrameIndex)) : nullptr;
}

uint32_t CSpritePart::GetFrameCount() const
{
    return m_pSequence != nullptr ? m_pSequence->GetFrameCount() : 0;
}

double CSpritePart::StepLength() const
{
    const double step = static_cast<double>(m_pSequence->GetEffectiveFps()) / (GetFrameCount() * STEPS_PER_SECOND);
    return std::isfinite(step) ? step : 0.0;
}

// Without frames the index stays where it is: it names no frame anyway.
void CSpritePart::UpdateFrameFromProgress()
{
    const uint32_t frameCount = GetFrameCount();
    if (frameCount == 0)
        return;
    if (m_Progress >= 1.0)
        m_FrameIndex = static_cast<int32_t>(frameCount - 1);
    else
        m_FrameIndex = TruncateToInt(m_Progress * frameCount);
}
