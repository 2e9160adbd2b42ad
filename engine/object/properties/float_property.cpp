#include "engine/object/properties/float_property.h"

#include <cstring>

#include "engine/core/strings/decimal_number.h"
#include "engine/object/properties/named_value_lookup.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "engine/object/object_stream.h"
#include "engine/object/properties/optional_range.h"

FloatProperty::FloatProperty(const char* fullName, CPropertyMember<float> member, int32_t editorMode,
                             float defaultValue, Setter setter, float minimum, float maximum, float step)
    : FloatProperty(fullName, nullptr, member, editorMode, defaultValue, setter, minimum, maximum, step)
{
}

FloatProperty::FloatProperty(const char* fullName, const char* unitText, CPropertyMember<float> member,
                             int32_t editorMode, float defaultValue, Setter setter, float minimum, float maximum,
                             float step)
    : Property(fullName, unitText, member.offset, member.size, editorMode)
    , m_Minimum(minimum)
    , m_Maximum(maximum)
    , m_Step(step)
    , m_Default(defaultValue)
    , m_pSetter(setter)
    , m_pConverter(&g_IdentityFloatConverter)
    , m_pNamedValues(nullptr)
{
}

FloatProperty::FloatProperty(const FloatProperty& other)
    : Property(other)
    , m_Minimum(other.m_Minimum)
    , m_Maximum(other.m_Maximum)
    , m_Step(other.m_Step)
    , m_Default(other.m_Default)
    , m_pSetter(other.m_pSetter)
    , m_pConverter(other.m_pConverter)
    , m_pNamedValues(other.m_pNamedValues != nullptr ? other.m_pNamedValues->Clone() : nullptr)
{
}

FloatProperty::~FloatProperty()
{
    delete m_pNamedValues;
}

uint32_t FloatProperty::AddNamedValue(float value, const char* name)
{
    if (m_pNamedValues == nullptr)
        m_pNamedValues = new CNamedFloatList();
    return static_cast<uint32_t>(m_pNamedValues->Add(name, value)) + 1;
}

int32_t FloatProperty::FindNamedValue(float value) const
{
    return m_pNamedValues != nullptr ? m_pNamedValues->FindValue(value) : -1;
}

void FloatProperty::Store(void* object, float value) const
{
    if (m_pSetter != nullptr)
        m_pSetter(object, value);
    else
        ValueAt<float>(object) = value;
}

void FloatProperty::SetFromDisplayText(void* object, const char* text) const
{
    Store(object, m_pConverter->FromDisplay(ParseDecimalSingle(text)));
}

Property* FloatProperty::Clone() const
{
    return new FloatProperty(*this);
}

bool FloatProperty::HasSingleLineValue() const
{
    return true;
}

void FloatProperty::CopyValue(void* destination, const void* source, const Property* sourceProperty) const
{
    Store(destination, sourceProperty->ValueAt<float>(source));
}

bool FloatProperty::ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const
{
    return ValueAt<float>(objectA) == propertyOfB->ValueAt<float>(objectB);
}

void FloatProperty::SetDefault(void* object) const
{
    ValueAt<float>(object) = m_Default;
}

void FloatProperty::ToText(const void* object, CString& out) const
{
    const float value = ValueAt<float>(object);
    const int32_t named = FindNamedValue(value);
    if (named >= 0)
        out = m_pNamedValues->GetEntry(static_cast<uint32_t>(named)).name;
    else
        out.Format("%g", static_cast<double>(value));
}

void FloatProperty::FromText(void* object, const char* text, CObjectStream*) const
{
    float value = ParseDecimalSingle(text);
    if (m_Minimum != m_Maximum && FindNamedValue(value) < 0)
    {
        const int32_t named = FindNamedValueByName(m_pNamedValues, text);
        if (named >= 0)
            value = m_pNamedValues->GetEntry(static_cast<uint32_t>(named)).value;
        else
            value = ClampIntoOptionalRange(value, m_Minimum, m_Maximum);
    }
    Store(object, value);
}

bool FloatProperty::IsDefault(const void* object) const
{
    return ValueAt<float>(object) == m_Default;
}

void FloatProperty::WriteBinary(const void* object, CObjectStream& stream) const
{
    stream.WriteFloat(ValueAt<float>(object));
}

bool FloatProperty::ReadBinary(void* object, CObjectStream& stream) const
{
    stream.ReadFloat(ValueAt<float>(object));
    return true;
}

void FloatProperty::WriteDelta(const void* object, CMessageStream& stream, const void*) const
{
    int32_t bits = 0;
    memcpy(&bits, &ValueAt<float>(object), sizeof bits);
    stream.WriteInt(bits);
}

void FloatProperty::ReadDelta(void* object, CMessageStream& stream) const
{
    int32_t bits = 0;
    stream.ReadInt(bits);
    memcpy(&ValueAt<float>(object), &bits, sizeof bits);
}
