#include "engine/object/point_property.h"

#include "engine/core/decimal_number.h"
#include "engine/object/object_stream.h"

namespace
{
// "x,y": the second number follows the first one's comma. A number that is
// not there reads as 0.
template <typename Parse, typename Value>
void ReadPair(const char* text, Parse parse, Value& x, Value& y)
{
    const char* end = text;
    x = static_cast<Value>(parse(text, &end));
    y = 0;
    if (end != text && *end == ',')
        y = static_cast<Value>(parse(end + 1, nullptr));
}

int32_t ParseInt(const char* text, const char** end)
{
    return ParseDecimalInt(text, end);
}

double ParseFloat(const char* text, const char** end)
{
    return ParseDecimalFloat(text, end);
}
}

PointProperty::PointProperty(const char* fullName, CPropertyMember<CPoint> member, int32_t editorMode,
                             const CPoint* defaultPoint, Setter setter)
    : Property(fullName, nullptr, member.offset, member.size, editorMode)
    , m_Default(defaultPoint != nullptr ? *defaultPoint : CPoint{0, 0})
    , m_pSetter(setter)
{
}

PointProperty::PointProperty(const char* fullName, CPropertyMember<CPoint> member, int32_t editorMode,
                             int32_t defaultX, int32_t defaultY, Setter setter)
    : Property(fullName, nullptr, member.offset, member.size, editorMode)
    , m_Default{defaultX, defaultY}
    , m_pSetter(setter)
{
}

Property* PointProperty::Clone() const
{
    return new PointProperty(*this);
}

bool PointProperty::HasSingleLineValue() const
{
    return true;
}

void PointProperty::CopyValue(void* destination, const void* source, const Property* sourceProperty) const
{
    const CPoint& point = sourceProperty->ValueAt<CPoint>(source);
    if (m_pSetter != nullptr)
        m_pSetter(destination, point);
    else
        ValueAt<CPoint>(destination) = point;
}

void PointProperty::SetDefault(void* object) const
{
    ValueAt<CPoint>(object) = m_Default;
}

void PointProperty::ToText(const void* object, CString& out) const
{
    const CPoint& point = ValueAt<CPoint>(object);
    out.Format("%d,%d", point.x, point.y);
}

void PointProperty::FromText(void* object, const char* text, CObjectStream*) const
{
    CPoint& point = ValueAt<CPoint>(object);
    ReadPair(text, ParseInt, point.x, point.y);
}

bool PointProperty::IsDefault(const void* object) const
{
    const CPoint& point = ValueAt<CPoint>(object);
    return point.x == m_Default.x && point.y == m_Default.y;
}

void PointProperty::WriteBinary(const void* object, CObjectStream& stream) const
{
    const CPoint& point = ValueAt<CPoint>(object);
    stream.WriteInt(point.x);
    stream.WriteInt(point.y);
}

bool PointProperty::ReadBinary(void* object, CObjectStream& stream) const
{
    CPoint& point = ValueAt<CPoint>(object);
    stream.ReadInt(point.x);
    stream.ReadInt(point.y);
    return true;
}

FloatPointProperty::FloatPointProperty(const char* fullName, CPropertyMember<Vector2> member, int32_t editorMode,
                                       float defaultX, float defaultY, Setter setter)
    : Property(fullName, nullptr, member.offset, member.size, editorMode)
    , m_Default{defaultX, defaultY}
    , m_pSetter(setter)
{
}

Property* FloatPointProperty::Clone() const
{
    return new FloatPointProperty(*this);
}

bool FloatPointProperty::HasSingleLineValue() const
{
    return true;
}

void FloatPointProperty::CopyValue(void* destination, const void* source, const Property* sourceProperty) const
{
    const Vector2& point = sourceProperty->ValueAt<Vector2>(source);
    if (m_pSetter != nullptr)
        m_pSetter(destination, point);
    else
        ValueAt<Vector2>(destination) = point;
}

void FloatPointProperty::SetDefault(void* object) const
{
    ValueAt<Vector2>(object) = m_Default;
}

void FloatPointProperty::ToText(const void* object, CString& out) const
{
    const Vector2& point = ValueAt<Vector2>(object);
    out.Format("%f,%f", static_cast<double>(point.x), static_cast<double>(point.y));
}

void FloatPointProperty::FromText(void* object, const char* text, CObjectStream*) const
{
    Vector2& point = ValueAt<Vector2>(object);
    ReadPair(text, ParseFloat, point.x, point.y);
}

bool FloatPointProperty::IsDefault(const void* object) const
{
    const Vector2& point = ValueAt<Vector2>(object);
    return point.x == m_Default.x && point.y == m_Default.y;
}

void FloatPointProperty::WriteBinary(const void* object, CObjectStream& stream) const
{
    const Vector2& point = ValueAt<Vector2>(object);
    stream.WriteFloat(point.x);
    stream.WriteFloat(point.y);
}

bool FloatPointProperty::ReadBinary(void* object, CObjectStream& stream) const
{
    Vector2& point = ValueAt<Vector2>(object);
    stream.ReadFloat(point.x);
    stream.ReadFloat(point.y);
    return true;
}
