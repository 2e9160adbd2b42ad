#include "engine/platform/periodic_timers.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Timer
{
    uint32_t id;
    std::chrono::milliseconds period;
    Clock::time_point due;
    PeriodicCallback callback;
    void* context;
};

// The timer thread starts with the first timer and is joined at exit.
class CTimerThread
{
public:
    ~CTimerThread()
    {
        {
            std::lock_guard<std::mutex> lock(m_Mutex);
            m_Quit = true;
        }
        m_Changed.notify_all();
        if (m_Thread.joinable())
            m_Thread.join();
    }

    uint32_t Start(uint32_t periodMs, PeriodicCallback callback, void* context)
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        if (!m_Manual && !m_Thread.joinable())
        {
            try
            {
                m_Thread = std::thread(&CTimerThread::Run, this);
            }
            catch (const std::system_error&)
            {
                return 0;
            }
        }
        const uint32_t id = ++m_LastId == 0 ? ++m_LastId : m_LastId;
        const std::chrono::milliseconds period(periodMs == 0 ? 1 : periodMs);
        m_Timers.push_back({id, period, Clock::now() + period, callback, context});
        m_Changed.notify_all();
        return id;
    }

    void Kill(uint32_t id)
    {
        std::unique_lock<std::mutex> lock(m_Mutex);
        for (size_t i = 0; i < m_Timers.size(); i++)
        {
            if (m_Timers[i].id == id)
                m_Timers.erase(m_Timers.begin() + static_cast<std::ptrdiff_t>(i));
        }
        if (std::this_thread::get_id() == m_RunningThread)
            return;
        m_Changed.wait(lock, [&] { return m_Running != id; });
    }

    void SetManual(bool manual)
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Manual = manual;
    }

    uint32_t RunOnce()
    {
        std::unique_lock<std::mutex> lock(m_Mutex);
        const std::vector<Timer> timers = m_Timers;
        uint32_t ran = 0;
        for (const Timer& timer : timers)
        {
            if (!Holds(timer.id))
                continue;
            RunLocked(lock, timer);
            ran++;
        }
        return ran;
    }

    uint32_t Count()
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        return static_cast<uint32_t>(m_Timers.size());
    }

private:
    bool Holds(uint32_t id) const
    {
        for (const Timer& timer : m_Timers)
        {
            if (timer.id == id)
                return true;
        }
        return false;
    }

    // Runs the callback without the lock, marked as running so that a kill
    // waits for it.
    void RunLocked(std::unique_lock<std::mutex>& lock, const Timer& timer)
    {
        m_Running = timer.id;
        m_RunningThread = std::this_thread::get_id();
        lock.unlock();
        timer.callback(timer.context);
        lock.lock();
        m_Running = 0;
        m_RunningThread = std::thread::id();
        m_Changed.notify_all();
    }

    void Run()
    {
        std::unique_lock<std::mutex> lock(m_Mutex);
        while (!m_Quit)
        {
            if (m_Manual || m_Timers.empty())
            {
                m_Changed.wait(lock);
                continue;
            }
            size_t earliest = 0;
            for (size_t i = 1; i < m_Timers.size(); i++)
            {
                if (m_Timers[i].due < m_Timers[earliest].due)
                    earliest = i;
            }
            const Clock::time_point now = Clock::now();
            if (m_Timers[earliest].due > now)
            {
                // The wait reads its deadline again after waking, while a
                // timer started meanwhile may have moved the vector: wait
                // on a copy.
                const Clock::time_point wakeAt = m_Timers[earliest].due;
                m_Changed.wait_until(lock, wakeAt);
                continue;
            }
            Timer& due = m_Timers[earliest];
            // A timer that fell behind skips the missed calls.
            due.due = due.due + due.period < now ? now + due.period : due.due + due.period;
            const Timer timer = due;
            RunLocked(lock, timer);
        }
    }

    std::mutex m_Mutex;
    std::condition_variable m_Changed;
    std::vector<Timer> m_Timers;
    std::thread m_Thread;
    uint32_t m_LastId = 0;
    uint32_t m_Running = 0;
    std::thread::id m_RunningThread;
    bool m_Manual = false;
    bool m_Quit = false;
};

CTimerThread& GetTimerThread()
{
    static CTimerThread timers;
    return timers;
}

} // namespace

uint32_t StartPeriodicTimer(uint32_t periodMs, PeriodicCallback callback, void* context)
{
    return GetTimerThread().Start(periodMs, callback, context);
}

void KillPeriodicTimer(uint32_t id)
{
    GetTimerThread().Kill(id);
}

void SetManualPeriodicTimers(bool manual)
{
    GetTimerThread().SetManual(manual);
}

uint32_t RunPeriodicTimersOnce()
{
    return GetTimerThread().RunOnce();
}

uint32_t CountPeriodicTimers()
{
    return GetTimerThread().Count();
}
