#include "engine/object/properties/int_property.h"

#include "engine/core/strings/decimal_number.h"
#include "engine/object/properties/integer_delta.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "engine/object/object.h"
#include "engine/object/object_stream.h"
#include "engine/object/properties/optional_range.h"

IntProperty::IntProperty(const char* fullName, CPropertyMember<int32_t> member, int32_t editorMode,
                         int32_t defaultValue, Setter setter, int32_t minimum, int32_t maximum)
    : IntProperty(fullName, nullptr, member, editorMode, defaultValue, setter, minimum, maximum)
{
}

IntProperty::IntProperty(const char* fullName, const char* unitText, CPropertyMember<int32_t> member,
                         int32_t editorMode, int32_t defaultValue, Setter setter, int32_t minimum, int32_t maximum)
    : Property(fullName, unitText, member.offset, member.size, editorMode)
    , m_Minimum(minimum)
    , m_Maximum(maximum)
    , m_Step(1.0f)
    , m_Default(defaultValue)
    , m_pSetter(setter)
    , m_pConverter(&g_IdentityIntConverter)
{
}

void IntProperty::Store(void* object, int32_t value) const
{
    if (m_pSetter != nullptr)
        m_pSetter(object, value);
    else
        ValueAt<int32_t>(object) = value;
}

void IntProperty::SetFromDisplayText(void* object, const char* text) const
{
    Store(object, m_pConverter->FromDisplay(ParseDecimalInt(text)));
}

int32_t IntProperty::GetDynamicValue(const CObject* object) const
{
    const void* value = object->GetDynamicValue(this);
    return value != nullptr ? ValueAt<int32_t>(value) : m_Default;
}

void IntProperty::SetDynamicValue(CObject* object, int32_t value) const
{
    Store(GetValueStorage(object), value);
}

Property* IntProperty::Clone() const
{
    return new IntProperty(*this);
}

bool IntProperty::HasSingleLineValue() const
{
    return true;
}

void IntProperty::CopyValue(void* destination, const void* source, const Property* sourceProperty) const
{
    Store(destination, sourceProperty->ValueAt<int32_t>(source));
}

bool IntProperty::ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const
{
    return ValueAt<int32_t>(objectA) == propertyOfB->ValueAt<int32_t>(objectB);
}

void IntProperty::SetDefault(void* object) const
{
    ValueAt<int32_t>(object) = m_Default;
}

void IntProperty::ToText(const void* object, CString& out) const
{
    out.Format("%d", ValueAt<int32_t>(object));
}

void IntProperty::FromText(void* object, const char* text, CObjectStream*) const
{
    Store(object, ClampIntoOptionalRange(ParseDecimalInt(text), m_Minimum, m_Maximum));
}

bool IntProperty::IsDefault(const void* object) const
{
    return ValueAt<int32_t>(object) == m_Default;
}

void IntProperty::WriteBinary(const void* object, CObjectStream& stream) const
{
    stream.WriteInt(ValueAt<int32_t>(object));
}

bool IntProperty::ReadBinary(void* object, CObjectStream& stream) const
{
    stream.ReadInt(ValueAt<int32_t>(object));
    return true;
}

void IntProperty::WriteDelta(const void* object, CMessageStream& stream, const void*) const
{
    if (m_Minimum == m_Maximum)
        stream.WriteInt(ValueAt<int32_t>(object));
    else
        WriteRangedInteger(stream, ValueAt<int32_t>(object), m_Minimum, m_Maximum);
}

void IntProperty::ReadDelta(void* object, CMessageStream& stream) const
{
    if (m_Minimum == m_Maximum)
        stream.ReadInt(ValueAt<int32_t>(object));
    else
        ValueAt<int32_t>(object) = ReadRangedInteger(stream, m_Minimum, m_Maximum);
}
