#include "game/playfield/delayed_call_queue.h"

#include <cstddef>

CDelayedCallback::~CDelayedCallback() = default;

CDelayedCallQueue::CDelayedCallQueue() = default;

CDelayedCallQueue::~CDelayedCallQueue()
{
    for (Entry& entry : m_Entries)
        delete entry.callback;
}

void CDelayedCallQueue::Add(CDelayedCallback* callback, float delay, int32_t repeats)
{
    m_Entries.push_back(Entry{callback, delay, delay, repeats});
}

void CDelayedCallQueue::Update(float step)
{
    for (std::size_t i = 0; i < m_Entries.size(); i++)
    {
        m_Entries[i].remaining -= step;
        if (m_Entries[i].remaining > 0.0f)
            continue;
        while (m_Entries[i].repeatsLeft > 0)
        {
            m_Entries[i].repeatsLeft--;
            m_Entries[i].remaining += m_Entries[i].period;
            m_Entries[i].callback->Fire();
            if (m_Entries[i].remaining > 0.0f)
                break;
        }
    }
    for (std::size_t i = m_Entries.size(); i-- > 0;)
    {
        if (m_Entries[i].repeatsLeft > 0)
            continue;
        delete m_Entries[i].callback;
        m_Entries.erase(m_Entries.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

void CDelayedCallQueue::FireAll()
{
    for (std::size_t i = 0; i < m_Entries.size(); i++)
    {
        while (m_Entries[i].repeatsLeft > 0)
        {
            m_Entries[i].repeatsLeft--;
            m_Entries[i].callback->Fire();
        }
    }
    for (Entry& entry : m_Entries)
        delete entry.callback;
    m_Entries.clear();
}

CDelayedCallQueue& GetDelayedCallQueue()
{
    static CDelayedCallQueue s_Queue;
    return s_Queue;
}
