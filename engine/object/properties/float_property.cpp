#include "engine/object/properties/float_property.h"

#include <cstring>

#include "engine/core/strings/decimal_number.h"
#include "engine/object/recorded_calls/message_stream.h"

FloatProperty::FloatProperty(const char* fullName, CPropertyMember<float> member, int32_t editorMode,
                             float defaultValue, Setter setter, float minimum, float maximum, float step)
    : FloatProperty(fullName, nullptr, member, editorMode, defaultValue, setter, minimum, maximum, step)
{
}

FloatProperty::FloatProperty(const char* fullName, const char* unitText, CPropertyMember<float> member,
                             int32_t editorMode, float defaultValue, Setter setter, float minimum, float maximum,
                             float step)
    : NamedNumberProperty(fullName, unitText, member, editorMode, defaultValue, setter, minimum, maximum, step,
                          &g_IdentityFloatConverter)
{
}

void FloatProperty::SetFromDisplayText(void* object, const char* text) const
{
    Store(object, m_pConverter->FromDisplay(ParseDecimalSingle(text)));
}

void FloatProperty::ToText(const void* object, CString& out) const
{
    const float value = ValueAt<float>(object);
    if (!NameOf(value, out))
        out.Format("%g", static_cast<double>(value));
}

void FloatProperty::FromText(void* object, const char* text, CObjectStream*) const
{
    Store(object, ValueOfText(text, ParseDecimalSingle(text)));
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
