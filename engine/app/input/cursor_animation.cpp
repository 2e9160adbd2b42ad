#include "engine/app/input/cursor_animation.h"

CCursorAnimation::CCursorAnimation()
    : m_Position(0.0f)
    , m_Loop(true)
    , m_Reverse(false)
{
}

void CCursorAnimation::Start(int32_t frameCount, bool loop, bool reverse)
{
    m_Loop = loop;
    m_Reverse = reverse;
    if (reverse)
        m_Position = static_cast<float>(frameCount - 1);
    else if (m_Position >= static_cast<float>(frameCount))
        m_Position = 0.0f;
}

void CCursorAnimation::Advance(int32_t frameCount, float framesPerSecond, float seconds)
{
    if (frameCount <= 1)
        return;
    const float last = static_cast<float>(frameCount - 1);
    if (!m_Reverse)
    {
        m_Position += framesPerSecond * seconds;
        if (m_Position >= static_cast<float>(frameCount))
            m_Position = m_Loop ? 0.0f : last;
    }
    else
    {
        m_Position -= framesPerSecond * seconds;
        if (m_Position < 0.0f)
            m_Position = m_Loop ? last : 0.0f;
    }
}
