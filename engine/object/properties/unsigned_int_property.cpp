#include "engine/object/properties/unsigned_int_property.h"

#include "engine/core/strings/decimal_number.h"
#include "engine/object/properties/decimal_int64.h"
#include "engine/object/properties/integer_delta.h"
#include "engine/object/recorded_calls/message_stream.h"

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
    : NamedNumberProperty(fullName, unitText, member, editorMode, defaultValue, setter, minimum, maximum, 1.0f,
                          &g_IdentityIntConverter)
{
    if (minimum == maximum)
    {
        m_Minimum = 0;
        m_Maximum = 0xFFFFFFFEu;
    }
}

void UnsignedIntProperty::SetFromDisplayText(void* object, const char* text) const
{
    const int32_t shown = ParseDecimalInt(text);
    Store(object, static_cast<uint32_t>(m_pConverter->FromDisplay(shown)));
}

void UnsignedIntProperty::ToText(const void* object, CString& out) const
{
    const uint32_t value = ValueAt<uint32_t>(object);
    if (!NameOf(value, out))
        out.Format("%u", value);
}

void UnsignedIntProperty::FromText(void* object, const char* text, CObjectStream*) const
{
    Store(object, ValueOfText(text, ParseUnsigned(text)));
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
