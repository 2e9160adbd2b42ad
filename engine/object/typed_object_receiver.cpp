#include "engine/object/typed_object_receiver.h"

VP_IMPLEMENT_ABSTRACT_CLASS(CClassThatCanNotBeConstructedOrDerivedFrom, CObject, 0.0f)

void CClassThatCanNotBeConstructedOrDerivedFrom::RegisterProperties(CClassInfo*)
{
}

CTypedObjectReceiver::CTypedObjectReceiver(CObject** target, const CClassInfo* classInfo)
    : m_ppTarget(target)
    , m_pClass(classInfo)
    , m_pDropped(nullptr)
{
}

CTypedObjectReceiver::CTypedObjectReceiver()
    : m_ppTarget(&m_pDropped)
    , m_pClass(CClassThatCanNotBeConstructedOrDerivedFrom::SGetClassInfo())
    , m_pDropped(nullptr)
{
}

void CTypedObjectReceiver::Set(CObject* object)
{
    *m_ppTarget = object != nullptr && object->IsKindOf(m_pClass) ? object : nullptr;
}
