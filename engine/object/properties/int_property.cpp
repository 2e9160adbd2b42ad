#include "engine/object/properties/int_property.h"

#include "engine/core/strings/decimal_number.h"
#include "engine/object/properties/integer_delta.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "engine/object/object.h"
#include "engine/object/properties/optional_range.h"

IntProperty::IntProperty(const char* fullName, CPropertyMember<int32_t> member, int32_t editorMode,
                         int32_t defaultValue, Setter setter, int32_t minimum, int32_t maximum)
    : IntProperty(fullName, nullptr, member, editorMode, defaultValue, setter, minimum, maximum)
{
}

IntProperty::IntProperty(const char* fullName, const char* unitText, CPropertyMember<int32_t> member,
                         int32_t editorMode, int32_t defaultValue, Setter setter, int32_t minimum, int32_t maximum)
    : NumberProperty(fullName, unitText, member, editorMode, defaultValue, setter, minimum, maximum, 1.0f,
                     &g_IdentityIntConverter)
{
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

void IntProperty::ToText(const void* object, CString& out) const
{
    out.Format("%d", ValueAt<int32_t>(object));
}

void IntProperty::FromText(void* object, const char* text, CObjectStream*) const
{
    Store(object, ClampIntoOptionalRange(ParseDecimalInt(text), m_Minimum, m_Maximum));
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
