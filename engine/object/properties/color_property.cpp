#include "engine/object/properties/color_property.h"

#include "engine/core/strings/decimal_number.h"
#include "engine/object/object_stream.h"

ColorProperty::ColorProperty(const char* fullName, CPropertyMember<CColor> member, int32_t editorMode, int32_t red,
                             int32_t green, int32_t blue, int32_t alpha)
    : Property(fullName, nullptr, member.offset, member.size, editorMode)
    , m_HasAlpha(false)
{
    m_Default.SetRGBAKeepIndex(red, green, blue, alpha);
}

ColorProperty::ColorProperty(const char* fullName, CPropertyMember<CColor> member, int32_t editorMode,
                             const CColor* defaultColor)
    : Property(fullName, nullptr, member.offset, member.size, editorMode)
    , m_HasAlpha(false)
{
    if (defaultColor != nullptr)
        m_Default = *defaultColor;
    else
        m_Default.InitBlack();
}

Property* ColorProperty::Clone() const
{
    return new ColorProperty(*this);
}

bool ColorProperty::HasSingleLineValue() const
{
    return true;
}

void ColorProperty::CopyValue(void* destination, const void* source, const Property* sourceProperty) const
{
    ValueAt<CColor>(destination) = sourceProperty->ValueAt<CColor>(source);
}

bool ColorProperty::ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const
{
    const CColor& a = ValueAt<CColor>(objectA);
    const CColor& b = propertyOfB->ValueAt<CColor>(objectB);
    return a.m_Red == b.m_Red && a.m_Green == b.m_Green && a.m_Blue == b.m_Blue;
}

void ColorProperty::SetDefault(void* object) const
{
    ValueAt<CColor>(object) = m_Default;
}

bool ColorProperty::IsDefault(const void* object) const
{
    const CColor& colour = ValueAt<CColor>(object);
    return colour.m_Red == m_Default.m_Red && colour.m_Green == m_Default.m_Green &&
           colour.m_Blue == m_Default.m_Blue && (!m_HasAlpha || colour.m_Alpha == m_Default.m_Alpha);
}

void ColorProperty::ToText(const void* object, CString& out) const
{
    const CColor& colour = ValueAt<CColor>(object);
    if (m_HasAlpha)
        out.Format("%d,%d,%d,%d", colour.m_Red, colour.m_Green, colour.m_Blue, colour.m_Alpha);
    else
        out.Format("%d,%d,%d", colour.m_Red24, colour.m_Green24, colour.m_Blue24);
}

void ColorProperty::FromText(void* object, const char* text, CObjectStream*) const
{
    int32_t components[4] = {0, 0, 0, 255};
    const int32_t wanted = m_HasAlpha ? 4 : 3;
    const char* cursor = text;
    for (int32_t i = 0; i < wanted; i++)
    {
        const char* end = cursor;
        const int32_t value = ParseDecimalInt(cursor, &end);
        if (end == cursor)
            break;
        components[i] = value;
        if (*end != ',')
            break;
        cursor = end + 1;
    }
    ValueAt<CColor>(object).SetRGBA(components[0], components[1], components[2], components[3]);
}

void ColorProperty::WriteBinary(const void* object, CObjectStream& stream) const
{
    const CColor& colour = ValueAt<CColor>(object);
    if (m_HasAlpha)
    {
        const uint8_t bytes[4] = {colour.m_Blue, colour.m_Green, colour.m_Red, colour.m_Alpha};
        stream.Write(bytes, sizeof bytes);
    }
    else
    {
        const uint8_t bytes[3] = {colour.m_Blue24, colour.m_Green24, colour.m_Red24};
        stream.Write(bytes, sizeof bytes);
    }
}

bool ColorProperty::ReadBinary(void* object, CObjectStream& stream) const
{
    uint8_t bytes[4] = {0, 0, 0, 255};
    stream.Read(bytes, m_HasAlpha ? 4 : 3);
    ValueAt<CColor>(object).SetRGBA(bytes[2], bytes[1], bytes[0], bytes[3]);
    return true;
}
