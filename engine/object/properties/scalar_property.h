#pragma once

#include <cstdint>

#include "engine/object/properties/property.h"
#include "engine/object/properties/unit_converter.h"
#include "engine/object/reflection.h"

class CObjectStream;

// The binary form of one plain value, shared by the scalar kinds: a bool is
// one byte, 32-bit values one little-endian word (an unsigned value keeps
// its bits), a 64-bit value two words. A read always succeeds; a stream that
// comes short leaves its own mark.
void WriteScalar(CObjectStream& stream, bool value);
void WriteScalar(CObjectStream& stream, int32_t value);
void WriteScalar(CObjectStream& stream, uint32_t value);
void WriteScalar(CObjectStream& stream, int64_t value);
void WriteScalar(CObjectStream& stream, float value);
void ReadScalar(CObjectStream& stream, bool& value);
void ReadScalar(CObjectStream& stream, int32_t& value);
void ReadScalar(CObjectStream& stream, uint32_t& value);
void ReadScalar(CObjectStream& stream, int64_t& value);
void ReadScalar(CObjectStream& stream, float& value);

// A member held in one plain variable of type T (a bool, an integer, a
// float). Copying through the setter, comparing, defaults and the binary form
// are the same for each such kind, so they live here once; a kind adds its
// text and delta forms. Kind is the final class, which Clone copies.
template <typename T, typename Kind>
class ScalarProperty : public Property
{
public:
    using Setter = void (*)(void* object, T value);

    T GetDefault() const { return m_Default; }
    // Through the setter when there is one (the editor's controls).
    void Store(void* object, T value) const
    {
        if (m_pSetter != nullptr)
            m_pSetter(object, value);
        else
            ValueAt<T>(object) = value;
    }

    Property* Clone() const override { return new Kind(static_cast<const Kind&>(*this)); }
    bool HasSingleLineValue() const override { return true; }
    void CopyValue(void* destination, const void* source, const Property* sourceProperty) const override
    {
        Store(destination, sourceProperty->ValueAt<T>(source));
    }
    bool ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const override
    {
        return ValueAt<T>(objectA) == propertyOfB->ValueAt<T>(objectB);
    }
    void SetDefault(void* object) const override { ValueAt<T>(object) = m_Default; }
    bool IsDefault(const void* object) const override { return ValueAt<T>(object) == m_Default; }
    void WriteBinary(const void* object, CObjectStream& stream) const override
    {
        WriteScalar(stream, ValueAt<T>(object));
    }
    // Stores directly, never through the setter.
    bool ReadBinary(void* object, CObjectStream& stream) const override
    {
        ReadScalar(stream, ValueAt<T>(object));
        return true;
    }

protected:
    ScalarProperty(const char* fullName, const char* unitText, CPropertyMember<T> member, int32_t editorMode,
                   T defaultValue, Setter setter)
        : Property(fullName, unitText, member.offset, member.size, editorMode)
        , m_Default(defaultValue)
        , m_pSetter(setter)
    {
    }

    T m_Default;
    Setter m_pSetter;
};

// A number the level designer edits: a range (equal minimum and maximum mean
// none), the editor's step, and the converter between the stored value and
// the Shown one the editor displays.
template <typename T, typename Shown, typename Step, typename Kind>
class NumberProperty : public ScalarProperty<T, Kind>
{
public:
    using Setter = typename ScalarProperty<T, Kind>::Setter;
    using Converter = CUnitConverterOf<Shown>;

    void SetConverter(const Converter* converter) { m_pConverter = converter; }
    const Converter* GetConverter() const { return m_pConverter; }
    T GetMinimum() const { return m_Minimum; }
    T GetMaximum() const { return m_Maximum; }
    Step GetStep() const { return m_Step; }

protected:
    NumberProperty(const char* fullName, const char* unitText, CPropertyMember<T> member, int32_t editorMode,
                   T defaultValue, Setter setter, T minimum, T maximum, Step step, const Converter* converter)
        : ScalarProperty<T, Kind>(fullName, unitText, member, editorMode, defaultValue, setter)
        , m_Minimum(minimum)
        , m_Maximum(maximum)
        , m_Step(step)
        , m_pConverter(converter)
    {
    }

    T m_Minimum;
    T m_Maximum;
    Step m_Step;
    const Converter* m_pConverter;
};
