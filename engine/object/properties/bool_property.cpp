#include "engine/object/properties/bool_property.h"

#include "engine/core/strings/decimal_number.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "engine/object/object_stream.h"

BoolProperty::BoolProperty(const char* fullName, CPropertyMember<bool> member, int32_t editorMode, bool defaultValue,
                           Setter setter)
    : ScalarProperty(fullName, nullptr, member, editorMode, defaultValue, setter)
{
}

void BoolProperty::ToText(const void* object, CString& out) const
{
    out = ValueAt<bool>(object) ? "1" : "0";
}

void BoolProperty::FromText(void* object, const char* text, CObjectStream*) const
{
    Store(object, ParseDecimalInt(text) != 0);
}

bool BoolProperty::ShouldWrite(const void* object) const
{
    return GetAlwaysWrite() || !IsDefault(object);
}

BitFlagProperty::BitFlagProperty(const char* fullName, CPropertyMember<uint32_t> member, uint32_t mask,
                                 int32_t editorMode, bool defaultValue, Setter setter)
    : Property(fullName, nullptr, member.offset, member.size, editorMode)
    , m_Default(defaultValue)
    , m_Mask(mask)
    , m_pSetter(setter)
{
}

BitFlagProperty::BitFlagProperty(const char* fullName, CPropertyMember<int32_t> member, uint32_t mask,
                                 int32_t editorMode, bool defaultValue, Setter setter)
    : BitFlagProperty(fullName, CPropertyMember<uint32_t>{member.offset, member.size}, mask, editorMode,
                      defaultValue, setter)
{
}

void BitFlagProperty::SetBits(void* object, bool value) const
{
    uint32_t& word = ValueAt<uint32_t>(object);
    word = value ? (word | m_Mask) : (word & ~m_Mask);
}

void BitFlagProperty::Store(void* object, bool value) const
{
    if (m_pSetter != nullptr)
        m_pSetter(object, value);
    else
        SetBits(object, value);
}

Property* BitFlagProperty::Clone() const
{
    return new BitFlagProperty(*this);
}

bool BitFlagProperty::HasSingleLineValue() const
{
    return true;
}

void BitFlagProperty::CopyValue(void* destination, const void* source, const Property* sourceProperty) const
{
    Store(destination, (sourceProperty->ValueAt<uint32_t>(source) & m_Mask) != 0);
}

bool BitFlagProperty::ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const
{
    return (ValueAt<uint32_t>(objectA) & m_Mask) == (propertyOfB->ValueAt<uint32_t>(objectB) & m_Mask);
}

void BitFlagProperty::SetDefault(void* object) const
{
    SetBits(object, m_Default);
}

void BitFlagProperty::ToText(const void* object, CString& out) const
{
    out = IsSet(object) ? "1" : "0";
}

void BitFlagProperty::FromText(void* object, const char* text, CObjectStream*) const
{
    Store(object, ParseDecimalInt(text) != 0);
}

bool BitFlagProperty::IsDefault(const void* object) const
{
    return IsSet(object) == m_Default;
}

void BitFlagProperty::WriteBinary(const void* object, CObjectStream& stream) const
{
    WriteScalar(stream, IsSet(object));
}

bool BitFlagProperty::ReadBinary(void* object, CObjectStream& stream) const
{
    bool value = false;
    ReadScalar(stream, value);
    SetBits(object, value);
    return true;
}

uint32_t BitFlagProperty::GetBitMask() const
{
    return m_Mask;
}

void BoolProperty::WriteDelta(const void* object, CMessageStream& stream, const void*) const
{
    stream.WriteBool(ValueAt<bool>(object));
}

void BoolProperty::ReadDelta(void* object, CMessageStream& stream) const
{
    bool value = false;
    stream.ReadBool(value);
    ValueAt<bool>(object) = value;
}

void BitFlagProperty::WriteDelta(const void* object, CMessageStream& stream, const void*) const
{
    stream.WriteBool(IsSet(object));
}

void BitFlagProperty::ReadDelta(void* object, CMessageStream& stream) const
{
    bool value = false;
    stream.ReadBool(value);
    SetBits(object, value);
}
