#include "engine/object/class_info.h"
#include "engine/object/class_registry.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "engine/object/properties/object_pointer_property.h"

// A bit for "an object is held"; a bit for "the reference holds one of the
// same class", and then the object's delta against it; otherwise a bit for
// "of the base class", else the class as a symbol of the class registry,
// and the object's whole delta.
void ObjectPointerProperty::WriteDelta(const void* object, CMessageStream& stream, const void* reference) const
{
    CObject* pointed = ValueAt<CObject*>(object);
    stream.WriteBool(pointed != nullptr);
    if (pointed == nullptr)
        return;
    CClassInfo* classInfo = pointed->GetClassInfo();
    const CObject* referencePointed = reference != nullptr ? ValueAt<CObject*>(reference) : nullptr;
    const bool sameClass = referencePointed != nullptr && referencePointed->GetClassInfo() == classInfo;
    stream.WriteBool(sameClass);
    if (sameClass)
    {
        pointed->WriteDelta(stream, referencePointed);
        return;
    }
    const bool baseClass = classInfo == m_pBaseClass;
    stream.WriteBool(baseClass);
    if (!baseClass)
        stream.WriteSymbol(GetClassRegistry().IndexOf(classInfo), GetClassRegistry());
    pointed->WriteDelta(stream, nullptr);
}

// A class the writer could not have sent (abstract, or outside the base
// class), or an unchanged object the reader does not hold, means the reader
// has lost its place in the data.
void ObjectPointerProperty::ReadDelta(void* object, CMessageStream& stream) const
{
    bool present = false;
    stream.ReadBool(present);
    if (!present)
    {
        Replace(object, nullptr);
        return;
    }
    bool sameClass = false;
    stream.ReadBool(sameClass);
    if (sameClass)
    {
        CObject* pointed = ValueAt<CObject*>(object);
        if (pointed == nullptr)
            stream.ReportMalformed();
        pointed->ReadDelta(stream);
        return;
    }
    Replace(object, nullptr);
    bool baseClass = false;
    stream.ReadBool(baseClass);
    const CClassInfo* classInfo = m_pBaseClass;
    if (!baseClass)
        classInfo = GetClassRegistry().GetAt(static_cast<uint32_t>(stream.ReadSymbol(GetClassRegistry())));
    if (classInfo->IsAbstract() || !classInfo->IsKindOf(m_pBaseClass))
        stream.ReportMalformed();
    CObject* pointed = classInfo->CreateObject();
    pointed->SetDefaults();
    Replace(object, pointed);
    pointed->ReadDelta(stream);
}
