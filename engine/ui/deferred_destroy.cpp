#include "engine/ui/deferred_destroy.h"

#include <vector>

#include "engine/ui/window.h"

namespace {
int32_t s_Depth = 0;
std::vector<CJWindow*> s_Queue;

bool IsAncestor(const CJWindow* ancestor, const CJWindow* window)
{
    for (const CJWindow* up = window->GetParent(); up != nullptr; up = up->GetParent())
        if (up == ancestor)
            return true;
    return false;
}

bool HasDyingAncestor(const CJWindow* window)
{
    for (const CJWindow* up = window->GetParent(); up != nullptr; up = up->GetParent())
        if (up->IsDying())
            return true;
    return false;
}
} // namespace

CDeferredDestroyScope::CDeferredDestroyScope()
{
    ++s_Depth;
}

CDeferredDestroyScope::~CDeferredDestroyScope()
{
    if (s_Depth > 1)
    {
        --s_Depth;
        return;
    }
    // The scope stays open while the queue drains, so a destructor that
    // destroys another window queues it here instead of deleting it under a
    // caller's feet.
    while (!s_Queue.empty())
    {
        CJWindow* window = s_Queue.front();
        s_Queue.erase(s_Queue.begin());
        window->DeleteNow();
    }
    --s_Depth;
}

bool CDeferredDestroyScope::IsOpen()
{
    return s_Depth > 0;
}

void CDeferredDestroyScope::Queue(CJWindow* window)
{
    if (HasDyingAncestor(window))
        return;
    std::erase_if(s_Queue, [window](CJWindow* queued) { return IsAncestor(window, queued); });
    s_Queue.push_back(window);
}

int32_t CDeferredDestroyScope::GetQueuedCount()
{
    return static_cast<int32_t>(s_Queue.size());
}
