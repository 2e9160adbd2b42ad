#include "engine/object/properties/array_property.h"
#include "engine/object/recorded_calls/message_stream.h"

// Against the reference's elements: a bit for an unchanged count (else the
// count), then per element a bit for "equal to the reference element" and
// the element's delta when it is not; elements beyond the reference's count
// go whole, without a bit. A missing reference counts as -1 elements.
void ArrayProperty::WriteDelta(const void* object, CMessageStream& stream, const void* reference) const
{
    const uint32_t count = GetCount(object);
    const int64_t referenceCount = reference != nullptr ? static_cast<int64_t>(GetCount(reference)) : -1;
    const bool sameCount = referenceCount == count;
    stream.WriteBool(sameCount);
    if (!sameCount)
        stream.WriteInt(static_cast<int32_t>(count));
    for (uint32_t i = 0; i < count; i++)
    {
        const void* element = GetElement(object, i);
        if (i >= referenceCount)
        {
            m_pElement->WriteDelta(element, stream, nullptr);
            continue;
        }
        const void* referenceElement = GetElement(reference, i);
        const bool equal = m_pElement->ValuesEqual(element, referenceElement, m_pElement);
        stream.WriteBool(equal);
        if (!equal)
            m_pElement->WriteDelta(element, stream, referenceElement);
    }
}

// The reader's array stands for the writer's reference.
void ArrayProperty::ReadDelta(void* object, CMessageStream& stream) const
{
    const uint32_t oldCount = GetCount(object);
    bool sameCount = false;
    stream.ReadBool(sameCount);
    if (!sameCount)
    {
        int32_t count = 0;
        stream.ReadInt(count);
        if (count < 0 || count > MAXIMUM_STREAM_COUNT)
            stream.ReportMalformed();
        SetCount(object, static_cast<uint32_t>(count));
    }
    const uint32_t count = GetCount(object);
    for (uint32_t i = 0; i < count; i++)
    {
        bool equal = false;
        if (i < oldCount)
            stream.ReadBool(equal);
        if (!equal)
            m_pElement->ReadDelta(GetElement(object, i), stream);
    }
}
