#include "engine/object/properties/point_property.h"

#include "engine/core/strings/decimal_number.h"
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

float ParseFloat(const char* text, const char** end)
{
    return ParseDecimalSingle(text, end);
}
}

template <typename TPoint>
PointPropertyBase<TPoint>::PointPropertyBase(const char* fullName, CPropertyMember<TPoint> member, int32_t editorMode,
                                             const TPoint& defaultPoint, Setter setter)
    : Property(fullName, nullptr, member.offset, member.size, editorMode)
    , m_Default(defaultPoint)
    , m_pSetter(setter)
{
}

template <typename TPoint>
bool PointPropertyBase<TPoint>::HasSingleLineValue() const
{
    return true;
}

template <typename TPoint>
void PointPropertyBase<TPoint>::CopyValue(void* destination, const void* source, const Property* sourceProperty) const
{
    Store(destination, sourceProperty->ValueAt<TPoint>(source));
}

template <typename TPoint>
void PointPropertyBase<TPoint>::Store(void* object, const TPoint& point) const
{
    if (m_pSetter != nullptr)
        m_pSetter(object, point);
    else
        ValueAt<TPoint>(object) = point;
}

template <typename TPoint>
void PointPropertyBase<TPoint>::SetDefault(void* object) const
{
    ValueAt<TPoint>(object) = m_Default;
}

template <typename TPoint>
bool PointPropertyBase<TPoint>::IsDefault(const void* object) const
{
    const TPoint& point = ValueAt<TPoint>(object);
    return point.x == m_Default.x && point.y == m_Default.y;
}

template class PointPropertyBase<CPoint>;
template class PointPropertyBase<Vector2>;

PointProperty::PointProperty(const char* fullName, CPropertyMember<CPoint> member, int32_t editorMode,
                             const CPoint* defaultPoint, Setter setter)
    : PointPropertyBase(fullName, member, editorMode, defaultPoint != nullptr ? *defaultPoint : CPoint{0, 0}, setter)
{
}

PointProperty::PointProperty(const char* fullName, CPropertyMember<CPoint> member, int32_t editorMode,
                             int32_t defaultX, int32_t defaultY, Setter setter)
    : PointPropertyBase(fullName, member, editorMode, CPoint{defaultX, defaultY}, setter)
{
}

Property* PointProperty::Clone() const
{
    return new PointProperty(*this);
}

void PointProperty::ToText(const void* object, CString& out) const
{
    const CPoint& point = ValueAt<CPoint>(object);
    out.Format("%d,%d", point.x, point.y);
}

void PointProperty::FromText(void* object, const char* text, CObjectStream*) const
{
    CPoint point;
    ReadPair(text, ParseInt, point.x, point.y);
    Store(object, point);
}

void PointProperty::WriteBinary(const void* object, CObjectStream& stream) const
{
    const CPoint& point = ValueAt<CPoint>(object);
    stream.WriteInt(point.x);
    stream.WriteInt(point.y);
}

bool PointProperty::ReadBinary(void* object, CObjectStream& stream) const
{
    CPoint point = ValueAt<CPoint>(object);
    stream.ReadInt(point.x);
    stream.ReadInt(point.y);
    Store(object, point);
    return true;
}

FloatPointProperty::FloatPointProperty(const char* fullName, CPropertyMember<Vector2> member, int32_t editorMode,
                                       float defaultX, float defaultY, Setter setter)
    : PointPropertyBase(fullName, member, editorMode, Vector2{defaultX, defaultY}, setter)
{
}

Property* FloatPointProperty::Clone() const
{
    return new FloatPointProperty(*this);
}

void FloatPointProperty::ToText(const void* object, CString& out) const
{
    const Vector2& point = ValueAt<Vector2>(object);
    out.Format("%f,%f", static_cast<double>(point.x), static_cast<double>(point.y));
}

void FloatPointProperty::FromText(void* object, const char* text, CObjectStream*) const
{
    Vector2 point;
    ReadPair(text, ParseFloat, point.x, point.y);
    Store(object, point);
}

void FloatPointProperty::WriteBinary(const void* object, CObjectStream& stream) const
{
    const Vector2& point = ValueAt<Vector2>(object);
    stream.WriteFloat(point.x);
    stream.WriteFloat(point.y);
}

bool FloatPointProperty::ReadBinary(void* object, CObjectStream& stream) const
{
    Vector2 point = ValueAt<Vector2>(object);
    stream.ReadFloat(point.x);
    stream.ReadFloat(point.y);
    Store(object, point);
    return true;
}
