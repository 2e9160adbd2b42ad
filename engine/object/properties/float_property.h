#pragma once

#include "engine/core/lists/named_value_list.h"
#include "engine/object/properties/property.h"
#include "engine/object/reflection.h"
#include "engine/object/properties/unit_converter.h"

// A 32-bit float member with range, editor step, unit converter and named
// special values ("Never" for -2). Files hold the stored value as "%g"
// writes it (six significant digits), so a value may come back a few bits
// off after a save and a load.
class FloatProperty : public Property
{
public:
    using Setter = void (*)(void* object, float value);

    FloatProperty(const char* fullName, CPropertyMember<float> member, int32_t editorMode, float defaultValue,
                  Setter setter, float minimum, float maximum, float step);
    FloatProperty(const char* fullName, const char* unitText, CPropertyMember<float> member, int32_t editorMode,
                  float defaultValue, Setter setter, float minimum, float maximum, float step);
    FloatProperty(const FloatProperty& other);
    ~FloatProperty() override;

    uint32_t AddNamedValue(float value, const char* name);
    // Null until the first named value.
    CNamedFloatList* GetNamedValues() const { return m_pNamedValues; }
    void SetConverter(const CUnitConverter* converter) { m_pConverter = converter; }
    const CUnitConverter* GetConverter() const { return m_pConverter; }
    float GetMinimum() const { return m_Minimum; }
    float GetMaximum() const { return m_Maximum; }
    float GetStep() const { return m_Step; }
    float GetDefault() const { return m_Default; }

    void SetFromDisplayText(void* object, const char* text) const;
    // Through the setter when there is one (the editor's named buttons).
    void Store(void* object, float value) const;

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
    int32_t FindNamedValue(float value) const;

    float m_Minimum;
    float m_Maximum;
    float m_Step;
    float m_Default;
    Setter m_pSetter;
    const CUnitConverter* m_pConverter;
    CNamedFloatList* m_pNamedValues;
};
