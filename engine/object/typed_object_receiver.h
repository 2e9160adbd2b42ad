#pragma once

#include "engine/object/object.h"

// Receives an object from CObject::AfterLoad into a caller's pointer, but
// only when the object is of the receiver's class (else null). The loaders
// hand AfterLoad the discarding form, typed with a class no object can have,
// so whatever AfterLoad offers is dropped.
class CTypedObjectReceiver
{
public:
    CTypedObjectReceiver(CObject** target, const CClassInfo* classInfo);
    // The discarding form.
    CTypedObjectReceiver();
    CTypedObjectReceiver(const CTypedObjectReceiver&) = delete;
    CTypedObjectReceiver& operator=(const CTypedObjectReceiver&) = delete;

    void Set(CObject* object);
    CObject* Get() const { return *m_ppTarget; }
    const CClassInfo* GetClass() const { return m_pClass; }

private:
    CObject** m_ppTarget;
    const CClassInfo* m_pClass;
    CObject* m_pDropped;
};

// Exists only to type the discarding receiver: it is abstract, so no object
// is ever of it.
class CClassThatCanNotBeConstructedOrDerivedFrom : public CObject
{
    VP_DECLARE_CLASS(CClassThatCanNotBeConstructedOrDerivedFrom)
};
