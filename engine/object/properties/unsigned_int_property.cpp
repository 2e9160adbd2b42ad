#include "engine/object/properties/unsigned_int_property.h"

#include "engine/core/strings/decimal_number.h"
#include "engine/object/properties/decimal_int64.h"
#include "engine/object/properties/named_value_lookup.h"
#include "engine/object/properties/integer_delta.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "engine/object/object_stream.h"
#include "engine/object/properties/optional_range.h"

namespace
{
// Read as a 64-bit number and kept modulo 2^32, so "-1" reads as
// 4294967295 and that number, written back, reads the same again.
uint32_t ParseUnsigned(const char* text)
{
    return static_cast<uint32_t>(ParseDecimalInt64(text));
}
}

UnsignedIntProperty::UnsignedIntProperty(const char* fullName, CPropertyMember<uint32_t> member, int32_t editorMode,
                                         uint32_t defaultValue, Setter setter, uint32_t minimum, uint32_t maximum)
    : UnsignedIntProperty(fullName, nullptr, member, editorMode, defaultValue, setter, minimum, maximum)
{
    if (minimum == maximum)
        m_Maximum = 0xFFFFFFFFu;
}

UnsignedIntProperty::UnsignedIntProperty(const char* fullName, const char* unitText, CPropertyMember<uint32_t> member,
                                         int32_t editorMode, uint32_t defaultValue, Setter setter, uint32_t minimum,
                                         uint32_t maximum)
    : Property(fullName, unitText, member.offset, member.size, editorMode)
    , m_Minimum(minimum)
    , m_Maximum(maximum)
    , m_Step(1.0f)
    , m_Default(defaultValue)
    , m_pConverter(&g_IdentityIntConverter)
    , m_pSetter(setter)
    , m_pNamedValues(nullptr)
{
    if (minimum == maximum)
    {
        m_Minimum = 0;
        m_Maximum = 0xFFFFFFFEu;
    }
}

UnsignedIntProperty::UnsignedIntProperty(const UnsignedIntProperty& other)
    : Property(other)
    , m_Minimum(other.m_Minimum)
    , m_Maximum(other.m_Maximum)
    , m_Step(other.m_Step)
    , m_Default(other.m_Default)
    , m_pConverter(other.m_pConverter)
    , m_pSetter(other.m_pSetter)
    , m_pNamedValues(other.m_pNamedValues != nullptr ? other.m_pNamedValues->Clone() : nullptr)
{
}

UnsignedIntProperty::~UnsignedIntProperty()
{
    delete m_pNamedValues;
}

uint32_t UnsignedIntProperty::AddNamedValue(uint32_t value, const char* name)
{
    if (m_pNamedValues == nullptr)
        m_pNamedValues = new CNamedValueList();
    return static_cast<uint32_t>(m_pNamedValues->Add(name, static_cast<int32_t>(value))) + 1;
}

int32_t UnsignedIntProperty::FindNamedValue(uint32_t value) const
{
    return m_pNamedValues != nullptr ? m_pNamedValues->FindValue(static_cast<int32_t>(value)) : -1;
}

void UnsignedIntProperty::Store(void* object, uint32_t value) const
{
    if (m_pSetter != nullptr)
        m_pSetter(object, value);
    else
        ValueAt<uint32_t>(object) = value;
}

void UnsignedIntProperty::SetFromDisplayText(void* object, const char* text) const
{
    const int32_t shown = ParseDecimalInt(text);
    Store(object, static_cast<uint32_t>(m_pConverter->FromDisplay(shown)));
}

Property* UnsignedIntProperty::Clone() const
{
    return new UnsignedIntProperty(*this);
}

bool UnsignedIntProperty::HasSingleLineValue() const
{
    return true;
}

void UnsignedIntProperty::CopyValue(void* destination, const void* source, const Property* sourceProperty) const
{
    Store(destination, sourceProperty->ValueAt<uint32_t>(source));
}

bool UnsignedIntProperty::ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const
{
    return ValueAt<uint32_t>(objectA) == propertyOfB->ValueAt<uint32_t>(objectB);
}

void UnsignedIntProperty::SetDefault(void* object) const
{
    ValueAt<uint32_t>(object) = m_Default;
}

void UnsignedIntProperty::ToText(const void* object, CString& out) const
{
    const uint32_t value = ValueAt<uint32_t>(object);
    const int32_t named = FindNamedValue(value);
    if (named >= 0)
        out = m_pNamedValues->GetEntry(static_cast<uint32_t>(named)).name;
    else
        out.Format("%u", value);
}

void UnsignedIntProperty::FromText(void* object, const char* text, CObjectStream*) const
{
    uint32_t value = ParseUnsigned(text);
    if (m_Minimum != m_Maximum && FindNamedValue(value) < 0)
    {
        const int32_t named = FindNamedValueByName(m_pNamedValues, text);
        if (named >= 0)
            value = static_cast<uint32_t>(m_pNamedValues->GetEntry(static_cast<uint32_t>(named)).value);
        else
            value = ClampIntoOptionalRange(value, m_Minimum, m_Maximum);
    }
    Store(object, value);
}

bool UnsignedIntProperty::IsDefault(const void* object) const
{
    return ValueAt<uint32_t>(object) == m_Default;
}

void UnsignedIntProperty::WriteBinary(const void* object, CObjectStream& stream) const
{
    stream.WriteInt(static_cast<int32_t>(ValueAt<uint32_t>(object)));
}

bool UnsignedIntProperty::ReadBinary(void* object, CObjectStream& stream) const
{
    int32_t value = 0;
    stream.ReadInt(value);
    ValueAt<uint32_t>(object) = static_cast<uint32_t>(value);
    return true;
}

bool UnsignedIntProperty::SendsWholeWord() const
{
    return m_Minimum == m_Maximum || m_Maximum > 0x7FFFFFFEu;
}

void UnsignedIntProperty::WriteDelta(const void* object, CMessageStream& stream, const void*) const
{
    const int32_t value = static_cast<int32_t>(ValueAt<uint32_t>(object));
    if (SendsWholeWord())
        stream.WriteInt(value);
    else
        WriteRangedInteger(stream, value, static_cast<int32_t>(m_Minimum), static_cast<int32_t>(m_Maximum));
}

void UnsignedIntProperty::ReadDelta(void* object, CMessageStream& stream) const
{
    int32_t value = 0;
    if (SendsWholeWord())
        stream.ReadInt(value);
    else
        value = ReadRangedInteger(stream, static_cast<int32_t>(m_Minimum), static_cast<int32_t>(m_Maximum));
    ValueAt<uint32_t>(object) = static_cast<uint32_t>(value);
}
