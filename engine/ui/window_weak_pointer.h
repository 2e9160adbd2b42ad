#pragma once

#include "engine/ui/window.h"

// A pointer to a window that its holder does not own, which becomes null
// when the window is deleted: the window keeps a list of the pointers
// watching it and clears them from its destructor. Windows are not
// reflected objects, so the objects' weak pointer cannot follow them.
//
// A window waiting in a deferred-destroy queue is still there; holders that
// must not act on it test IsDying. The pointer stays where it was made (no
// copies, no moves): the window knows its address.
class CWindowWatch
{
public:
    CWindowWatch() = default;
    ~CWindowWatch() { Watch(nullptr); }
    CWindowWatch(const CWindowWatch&) = delete;
    CWindowWatch& operator=(const CWindowWatch&) = delete;

    void Watch(CJWindow* window);
    CJWindow* GetWindow() const { return m_pWindow; }

private:
    friend class CJWindow;

    CJWindow* m_pWindow = nullptr;
    CWindowWatch* m_pNextWatch = nullptr;
};

template <typename T>
class CWindowWeakPointer
{
public:
    CWindowWeakPointer() = default;
    explicit CWindowWeakPointer(T* window) { Set(window); }

    void Set(T* window) { m_Watch.Watch(window); }
    T* Get() const { return static_cast<T*>(m_Watch.GetWindow()); }
    T* operator->() const { return Get(); }
    explicit operator bool() const { return m_Watch.GetWindow() != nullptr; }

private:
    CWindowWatch m_Watch;
};
