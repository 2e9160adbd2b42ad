#pragma once

#include <cstdint>

#include "engine/object/properties/property.h"
#include "engine/object/reflection.h"
#include "engine/object/properties/unit_converter.h"

// A signed 64-bit member (file times in the player records). Text is read
// digit by digit into 64 bits, never through a double.
class Int64Property : public Property
{
public:
    using Setter = void (*)(void* object, int64_t value);

    Int64Property(const char* fullName, CPropertyMember<int64_t> member, int32_t editorMode, int64_t defaultValue,
                  Setter setter, int64_t minimum, int64_t maximum, int64_t step);

    const CInt64UnitConverter* GetConverter() const { return m_pConverter; }
    int64_t GetMinimum() const { return m_Minimum; }
    int64_t GetMaximum() const { return m_Maximum; }
    int64_t GetStep() const { return m_Step; }
    int64_t GetDefault() const { return m_Default; }

    void SetFromDisplayText(void* object, const char* text) const;

    Property* Clone() const override;
    bool HasSingleLineValue() const override;
    void CopyValue(void* destination, const void* source, const Property* sourceProperty) const override;
    bool ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const override;
    void SetDefault(void* object) const override;
    void ToText(const void* object, CString& out) const override;
    void FromText(void* object, const char* text, CObjectStream* stream) const override;
    bool IsDefault(const void* object) const override;
    void WriteBinary(const void* object, CObjectStream& stream) const override;
    bool ReadBinary(void* object, CObjectStream& stream) const override;
    void WriteDelta(const void* object, CMessageStream& stream, const void* reference) const override;
    void ReadDelta(void* object, CMessageStream& stream) const override;

private:
    void Store(void* object, int64_t value) const;

    int64_t m_Minimum;
    int64_t m_Maximum;
    int64_t m_Step;
    int64_t m_Default;
    Setter m_pSetter;
    const CInt64UnitConverter* m_pConverter;
};
