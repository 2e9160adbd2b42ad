#include "engine/object/properties/int64_property.h"

#include <cinttypes>

#include "engine/object/properties/decimal_int64.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "engine/object/properties/optional_range.h"

Int64Property::Int64Property(const char* fullName, CPropertyMember<int64_t> member, int32_t editorMode,
                             int64_t defaultValue, Setter setter, int64_t minimum, int64_t maximum, int64_t step)
    : NumberProperty(fullName, nullptr, member, editorMode, defaultValue, setter, minimum, maximum, step,
                     &g_IdentityInt64Converter)
{
}

void Int64Property::SetFromDisplayText(void* object, const char* text) const
{
    Store(object, m_pConverter->FromDisplay(ParseDecimalInt64(text)));
}

void Int64Property::ToText(const void* object, CString& out) const
{
    out.Format("%" PRId64, ValueAt<int64_t>(object));
}

void Int64Property::FromText(void* object, const char* text, CObjectStream*) const
{
    Store(object, ClampIntoOptionalRange(ParseDecimalInt64(text), m_Minimum, m_Maximum));
}

void Int64Property::WriteDelta(const void* object, CMessageStream& stream, const void*) const
{
    stream.WriteInt64(ValueAt<int64_t>(object));
}

void Int64Property::ReadDelta(void* object, CMessageStream& stream) const
{
    stream.ReadInt64(ValueAt<int64_t>(object));
}
