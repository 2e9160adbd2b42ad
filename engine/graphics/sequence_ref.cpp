#include "engine/graphics/sequence_ref.h"

#include <cmath>

#include "engine/core/color/color.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"

CSequenceRef::CSequenceRef(VirtualArray* list, int32_t itemIndex, CSequence* sequence)
    : CResourceRef(list, itemIndex)
    , m_Playing(true)
    , m_ShowHotSpot(false)
    , m_ShowCoordinates(false)
    , m_pSequence(sequence)
    , m_Position(0.0f)
{
}

CSequenceRef::CSequenceRef(CSequence* sequence)
    : CSequenceRef(nullptr, 0, sequence)
{
}

uint32_t CSequenceRef::GetShownFrame() const
{
    return m_Position > 0.0f ? static_cast<uint32_t>(m_Position) : 0;
}

void CSequenceRef::Draw(CFrame* target, CPoint point)
{
    if (m_pSequence == nullptr)
        return;
    const uint32_t shown = GetShownFrame();
    CFrame* frame = m_pSequence->GetFrame(shown);
    if (frame != nullptr)
        target->BlitAt(frame, point.x, point.y, m_pSequence->GetBlitType());
    if (m_ShowHotSpot)
        DrawPointMarker(target, point.x, point.y);
    if (m_ShowCoordinates)
    {
        const CSequenceOfCoordinates* coordinates = GetSequenceCoordinates(m_pSequence);
        if (coordinates != nullptr && shown < coordinates->GetCount())
        {
            const CPoint& at = coordinates->GetCoordinate(shown);
            DrawPointMarker(target, point.x + at.x, point.y + at.y);
        }
    }
}

// The position wraps into the frames by fmod: a loop of subtractions never
// ends for a sequence without frames or a step that is not finite.
void CSequenceRef::Update(float seconds)
{
    if (!m_Playing || m_pSequence == nullptr)
        return;
    const uint32_t count = m_pSequence->GetFrameCount();
    const float advanced = m_Position + m_pSequence->GetEffectiveFps() * seconds;
    if (count == 0 || !std::isfinite(advanced))
        return;
    float wrapped = std::fmod(advanced, static_cast<float>(count));
    if (wrapped < 0.0f)
        wrapped += static_cast<float>(count);
    m_Position = wrapped;
}

bool CSequenceRef::HandlePress(int32_t button, CPoint point)
{
    return SetCoordinate(button, point);
}

void CSequenceRef::GetBounds(CRect& bounds)
{
    if (m_pSequence == nullptr)
    {
        bounds = CRect{0, 0, 0, 0};
        return;
    }
    m_pSequence->GetBounds(bounds);
}

void CSequenceRef::StepBack()
{
    const uint32_t count = m_pSequence != nullptr ? m_pSequence->GetFrameCount() : 0;
    m_Position = std::trunc(m_Position) - 1.0f;
    if (m_Position < 0.0f)
        m_Position = count != 0 ? static_cast<float>(count - 1) : 0.0f;
}

void CSequenceRef::StepForward()
{
    const uint32_t count = m_pSequence != nullptr ? m_pSequence->GetFrameCount() : 0;
    m_Position = std::trunc(m_Position) + 1.0f;
    if (static_cast<float>(count) <= m_Position)
        m_Position = 0.0f;
}

bool CSequenceRef::SetCoordinate(int32_t button, CPoint point)
{
    if (!m_ShowCoordinates || m_Playing || button != 0 || m_pSequence == nullptr)
        return false;
    const uint32_t count = m_pSequence->GetFrameCount();
    if (!(m_Position >= 0.0f && m_Position < static_cast<float>(count)))
        return false;
    CSequenceOfCoordinates* coordinates = GetSequenceCoordinates(m_pSequence);
    if (coordinates == nullptr)
        return false;
    coordinates->ExtendTo(count);
    coordinates->SetCoordinate(GetShownFrame(), point);
    return true;
}

void DrawPointMarker(CFrame* target, int32_t x, int32_t y)
{
    const CColor white(255, 255, 255, 255);
    const CColor black(0, 0, 0, 255);
    target->SetPixel(x, y, white);
    static const CPoint kRing[] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}};
    for (const CPoint& step : kRing)
        target->SetPixel(x + step.x, y + step.y, black);
}
