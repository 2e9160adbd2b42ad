#include "engine/ui/window_weak_pointer.h"

void CWindowWatch::Watch(CJWindow* window)
{
    if (m_pWindow != nullptr)
    {
        CWindowWatch** link = &m_pWindow->m_pFirstWatch;
        while (*link != this)
            link = &(*link)->m_pNextWatch;
        *link = m_pNextWatch;
    }
    m_pWindow = window;
    m_pNextWatch = nullptr;
    if (window != nullptr)
    {
        m_pNextWatch = window->m_pFirstWatch;
        window->m_pFirstWatch = this;
    }
}
