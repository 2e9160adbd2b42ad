#pragma once

#include <cstdint>

#include "engine/object/properties/property.h"
#include "engine/object/reflection.h"
#include "engine/object/properties/unit_converter.h"

class CObject;

// A signed 32-bit member. Equal minimum and maximum mean no range; values
// read from text are clamped into the range, values typed into the editor
// are not (its spin box keeps them in range).
class IntProperty : public Property
{
public:
    using Setter = void (*)(void* object, int32_t value);

    IntProperty(const char* fullName, CPropertyMember<int32_t> member, int32_t editorMode, int32_t defaultValue,
                Setter setter, int32_t minimum, int32_t maximum);
    IntProperty(const char* fullName, const char* unitText, CPropertyMember<int32_t> member, int32_t editorMode,
                int32_t defaultValue, Setter setter, int32_t minimum, int32_t maximum);

    void SetConverter(const CIntUnitConverter* converter) { m_pConverter = converter; }
    const CIntUnitConverter* GetConverter() const { return m_pConverter; }
    int32_t GetMinimum() const { return m_Minimum; }
    int32_t GetMaximum() const { return m_Maximum; }
    float GetStep() const { return m_Step; }
    int32_t GetDefault() const { return m_Default; }

    // The editor's text is in shown units.
    void SetFromDisplayText(void* object, const char* text) const;
    // For a dynamic integer property: the object's value, else the default.
    int32_t GetDynamicValue(const CObject* object) const;
    void SetDynamicValue(CObject* object, int32_t value) const;

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
    void Store(void* object, int32_t value) const;

    int32_t m_Minimum;
    int32_t m_Maximum;
    float m_Step;
    int32_t m_Default;
    Setter m_pSetter;
    const CIntUnitConverter* m_pConverter;
};
