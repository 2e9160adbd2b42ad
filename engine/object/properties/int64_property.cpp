#include "engine/object/properties/int64_property.h"

#include <cinttypes>

#include "engine/object/properties/decimal_int64.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "engine/object/object_stream.h"
#include "engine/object/properties/optional_range.h"

Int64Property::Int64Property(const char* fullName, CPropertyMember<int64_t> member, int32_t editorMode,
                             int64_t defaultValue, Setter setter, int64_t minimum, int64_t maximum, int64_t step)
    : Property(fullName, nullptr, member.offset, member.size, editorMode)
    , m_Minimum(minimum)
    , m_Maximum(maximum)
    , m_Step(step)
    , m_Default(defaultValue)
    , m_pSetter(setter)
    , m_pConverter(&g_IdentityInt64Converter)
{
}

void Int64Property::Store(void* object, int64_t value) const
{
    if (m_pSetter != nullptr)
        m_pSetter(object, value);
    else
        ValueAt<int64_t>(object) = value;
}

void Int64Property::SetFromDisplayText(void* object, const char* text) const
{
    Store(object, m_pConverter->FromDisplay(ParseDecimalInt64(text)));
}

Property* Int64Property::Clone() const
{
    return new Int64Property(*this);
}

bool Int64Property::HasSingleLineValue() const
{
    return true;
}

void Int64Property::CopyValue(void* destination, const void* source, const Property* sourceProperty) const
{
    Store(destination, sourceProperty->ValueAt<int64_t>(source));
}

bool Int64Property::ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const
{
    return ValueAt<int64_t>(objectA) == propertyOfB->ValueAt<int64_t>(objectB);
}

void Int64Property::SetDefault(void* object) const
{
    ValueAt<int64_t>(object) = m_Default;
}

void Int64Property::ToText(const void* object, CString& out) const
{
    out.Format("%" PRId64, ValueAt<int64_t>(object));
}

void Int64Property::FromText(void* object, const char* text, CObjectStream*) const
{
    Store(object, ClampIntoOptionalRange(ParseDecimalInt64(text), m_Minimum, m_Maximum));
}

bool Int64Property::IsDefault(const void* object) const
{
    return ValueAt<int64_t>(object) == m_Default;
}

void Int64Property::WriteBinary(const void* object, CObjectStream& stream) const
{
    stream.WriteInt64(ValueAt<int64_t>(object));
}

bool Int64Property::ReadBinary(void* object, CObjectStream& stream) const
{
    stream.ReadInt64(ValueAt<int64_t>(object));
    return true;
}

void Int64Property::WriteDelta(const void* object, CMessageStream& stream, const void*) const
{
    stream.WriteInt64(ValueAt<int64_t>(object));
}

void Int64Property::ReadDelta(void* object, CMessageStream& stream) const
{
    stream.ReadInt64(ValueAt<int64_t>(object));
}
