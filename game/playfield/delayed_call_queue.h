#pragma once

#include <cstdint>
#include <vector>

// What game code queues to run later: the queue owns it and deletes it
// after its last firing.
class CDelayedCallback
{
public:
    virtual ~CDelayedCallback();
    virtual void Fire() = 0;
};

// The one queue of callbacks that fire after a delay, some several times at
// a fixed period. The game advances it first thing in every update, so
// callbacks run between steps of the round logic. Callbacks may queue
// further entries, which the pass running them reaches too; they must not
// remove entries. Nothing empties the queue between rounds: what is queued
// at exit is deleted unfired.
class CDelayedCallQueue
{
public:
    CDelayedCallQueue();
    ~CDelayedCallQueue();

    CDelayedCallQueue(const CDelayedCallQueue&) = delete;
    CDelayedCallQueue& operator=(const CDelayedCallQueue&) = delete;

    // Fires after the delay, then every delay again, repeats times in all;
    // a count of 0 or less never fires.
    void Add(CDelayedCallback* callback, float delay, int32_t repeats);
    // Counts every entry down by the step and fires what came due, each
    // firing after its counters moved; then drops the spent entries.
    void Update(float step);
    // Fires every entry's remaining firings now, in queue order, those of
    // entries the firings queue included, then empties the queue.
    void FireAll();
    bool IsPending() const { return !m_Entries.empty(); }

private:
    struct Entry
    {
        CDelayedCallback* callback;
        float period;
        float remaining;
        int32_t repeatsLeft;
    };

    // Entries are reached by index, never held: a firing may append and
    // move the array.
    std::vector<Entry> m_Entries;
};

CDelayedCallQueue& GetDelayedCallQueue();
