#pragma once

#include "engine/core/memory/dynamic_array.h"
#include "engine/object/object.h"

class ObjectPointerProperty;

// The weak pointer of the engine: pointer variables registered with an
// object are all set to null when that object is destroyed. The list lives
// among the object's dynamic values ("PointerToBeNulledArray"); it belongs
// to the live object only, so saving, defaulting, copying and comparing the
// object leave it out.
//
// A registration must be removed before the variable it names goes away;
// CWeakPointer below does that by itself.
class CPointerToBeNulledArray : public CObject
{
    VP_DECLARE_CLASS(CPointerToBeNulledArray)
public:
    CPointerToBeNulledArray() { ConstructProperties(SGetClassInfo()); }
    // Nulls every variable still registered, the last registered first.
    ~CPointerToBeNulledArray() override;

    // The variable is nulled when the owner is destroyed. A variable may
    // be registered more than once.
    template <typename T>
    static void Register(CObject* owner, T** variable)
    {
        RegisterAddress(owner, variable);
    }
    // Removes the variable's first registration; nothing when there is none.
    template <typename T>
    static void Unregister(CObject* owner, T** variable)
    {
        UnregisterAddress(owner, variable);
    }

    uint32_t GetCount() const { return m_Variables.GetCount(); }

    // The dynamic property under which objects hold their array.
    static const ObjectPointerProperty& GetOwnerProperty();

private:
    static void RegisterAddress(CObject* owner, void* variable);
    static void UnregisterAddress(CObject* owner, void* variable);

    CPoolArray<void*> m_Variables;
};

// A pointer to an object this one does not own, which becomes null when
// that object is destroyed. It keeps its own registration with the target
// up to date, so a forgotten unregistration cannot leave the target a
// dangling address to write to. It stays where it was made (no copies, no
// moves): the target knows its address.
template <typename T>
class CWeakPointer
{
public:
    CWeakPointer() = default;
    explicit CWeakPointer(T* target) { Set(target); }
    ~CWeakPointer() { Set(nullptr); }
    CWeakPointer(const CWeakPointer&) = delete;
    CWeakPointer& operator=(const CWeakPointer&) = delete;

    void Set(T* target)
    {
        if (m_pTarget != nullptr)
            CPointerToBeNulledArray::Unregister(m_pTarget, &m_pTarget);
        m_pTarget = target;
        if (target != nullptr)
            CPointerToBeNulledArray::Register(target, &m_pTarget);
    }

    T* Get() const { return m_pTarget; }
    T* operator->() const { return m_pTarget; }
    explicit operator bool() const { return m_pTarget != nullptr; }

private:
    T* m_pTarget = nullptr;
};
