#include "engine/ui/animation_window.h"

#include <cmath>

#include "engine/graphics/frame.h"
#include "engine/graphics/frame_interface.h"
#include "engine/graphics/sequence.h"

namespace {
// The frame a position shows: rounded half up.
double Rounded(double position)
{
    return std::floor(position + 0.5);
}
} // namespace

CJAnimationWindow::CJAnimationWindow(CJWindow* parent, CSequence* sequence, const char* name)
    : CJWindow(parent, name)
    , m_pSequence(sequence)
    , m_Position(0.0f)
    , m_FrameRate(sequence->GetEffectiveFps())
{
    SetEnabled(false);
    SetMovesWhenDisabled(true);
    CRect bounds{0, 0, 0, 0};
    sequence->GetBounds(bounds);
    SetSize(bounds.right, bounds.bottom);
}

void CJAnimationWindow::Update(float step)
{
    const uint32_t count = m_pSequence->GetFrameCount();
    if (count == 0)
        return;
    const float advanced = m_Position + step * m_FrameRate;
    if (!std::isfinite(advanced))
    {
        m_Position = 0.0f;
        return;
    }
    // Whole loops come off in one step: a step so large that subtracting
    // one loop would change nothing, or a negative rate, must still leave
    // a frame of the sequence. The fraction is kept apart, so the result
    // is exact however far the position ran.
    const double rounded = Rounded(advanced);
    double frame = std::fmod(rounded, static_cast<double>(count));
    if (frame < 0.0)
        frame += count;
    m_Position = static_cast<float>(frame + (double{advanced} - rounded));
    // Narrowed to a float, a fraction just under a half may round up to
    // the next loop.
    if (GetShownFrame() >= count)
        m_Position = 0.0f;
}

uint32_t CJAnimationWindow::GetShownFrame() const
{
    const double rounded = Rounded(m_Position);
    return rounded > 0.0 ? static_cast<uint32_t>(rounded) : 0u;
}

void CJAnimationWindow::Draw(CFrameInterface& frame)
{
    if (m_pSequence->GetFrameCount() == 0)
        return;
    if (CFrame* shown = m_pSequence->GetFrame(GetShownFrame()))
        frame.BlitAt(shown, 0, 0, m_pSequence->GetBlitType());
}

bool CJAnimationWindow::OnHover(CPoint point)
{
    if (m_TooltipText.IsEmpty())
        return CJWindow::OnHover(point);
    ShowTooltip(true, m_TooltipText, -1, -1);
    return true;
}
