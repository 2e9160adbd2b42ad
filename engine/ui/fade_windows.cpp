#include "engine/ui/static_text.h"

namespace {
// Opacity change per second; a duration of 0 or less reaches the end at the
// first update.
float RateOf(float duration)
{
    return duration > 0.0f ? 1.0f / duration : 0.0f;
}

// The step's change: the whole way when the fade has no duration.
float ChangeOf(float rate, float step)
{
    return rate == 0.0f ? 1.0f : step * rate;
}

float Clamped(float opacity)
{
    return opacity < 0.0f ? 0.0f : (opacity > 1.0f ? 1.0f : opacity);
}
} // namespace

CJFadeIn::CJFadeIn(float duration)
    : CJWindow(nullptr)
    , m_Rate(RateOf(duration))
    , m_Remaining(duration)
{
    Show(false, false);
}

void CJFadeIn::Update(float step)
{
    if (m_pParent != nullptr)
        m_pParent->SetOpacity(Clamped(m_pParent->GetOpacity() + ChangeOf(m_Rate, step)));
    m_Remaining -= step;
    if (m_Remaining <= 0.0f)
        RequestClose();
    CJWindow::Update(step);
}

CJFadeOut::CJFadeOut(float duration)
    : CJWindow(nullptr)
    , m_Rate(RateOf(duration))
    , m_Remaining(duration)
{
    Show(false, false);
}

void CJFadeOut::Update(float step)
{
    if (m_pParent != nullptr)
    {
        float opacity = m_pParent->GetOpacity() - ChangeOf(m_Rate, step);
        m_pParent->SetOpacity(Clamped(opacity));
        if (opacity <= 0.0f)
            m_pParent->RequestClose();
    }
    m_Remaining -= step;
    if (m_Remaining <= 0.0f)
    {
        if (m_pParent != nullptr)
            m_pParent->RequestClose();
        RequestClose();
    }
    CJWindow::Update(step);
}
