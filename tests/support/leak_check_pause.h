#pragma once

// While one lives, what is allocated is not reported as leaked. For tests
// that pull a library out from under its objects on purpose (the video
// system shut down while a renderer lives), where the library itself cannot
// free what it still holds.
class ScopedLeakCheckPause
{
public:
    ScopedLeakCheckPause();
    ~ScopedLeakCheckPause();
    ScopedLeakCheckPause(const ScopedLeakCheckPause&) = delete;
    ScopedLeakCheckPause& operator=(const ScopedLeakCheckPause&) = delete;
};
