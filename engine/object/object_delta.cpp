// The delta form of an object on the recorded-call stream: per property one
// bit, set when the value equals the reference object's, and after a clear
// bit the property's own delta. A reader's object must start equal to the
// writer's reference: properties sent as equal keep what it holds.

#include "engine/object/class_info.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "engine/object/object.h"
#include "engine/object/properties/property.h"

void CObject::WriteDelta(CMessageStream& stream, const CObject* reference)
{
    const CClassInfo* classInfo = GetClassInfo();
    if (reference != nullptr && reference->GetClassInfo() != classInfo)
        reference = nullptr;
    for (uint32_t i = 0; i < classInfo->GetPropertyCount(); i++)
    {
        const Property* property = classInfo->GetProperty(i);
        const bool equal = reference != nullptr && property->ValuesEqual(this, reference, property);
        stream.WriteBool(equal);
        if (!equal)
            property->WriteDelta(this, stream, reference);
    }
}

void CObject::ReadDelta(CMessageStream& stream)
{
    const CClassInfo* classInfo = GetClassInfo();
    for (uint32_t i = 0; i < classInfo->GetPropertyCount(); i++)
    {
        bool equal = false;
        stream.ReadBool(equal);
        if (!equal)
            classInfo->GetProperty(i)->ReadDelta(this, stream);
    }
}
