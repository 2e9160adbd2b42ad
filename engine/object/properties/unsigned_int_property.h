#pragma once

#include <cstdint>

#include "engine/core/lists/named_value_list.h"
#include "engine/object/properties/property.h"
#include "engine/object/reflection.h"
#include "engine/object/properties/unit_converter.h"

// An unsigned 32-bit member with optional named special values ("Unlimited"
// for 0). A named value is written as its name and survives reading as its
// name or its number, also outside the range.
class UnsignedIntProperty : public Property
{
public:
    using Setter = void (*)(void* object, uint32_t value);

    // Equal minimum and maximum give the whole range 0 .. 0xFFFFFFFF.
    UnsignedIntProperty(const char* fullName, CPropertyMember<uint32_t> member, int32_t editorMode,
                        uint32_t defaultValue, Setter setter, uint32_t minimum, uint32_t maximum);
    // With a unit text equal minimum and maximum give 0 .. 0xFFFFFFFE.
    UnsignedIntProperty(const char* fullName, const char* unitText, CPropertyMember<uint32_t> member,
                        int32_t editorMode, uint32_t defaultValue, Setter setter, uint32_t minimum, uint32_t maximum);
    UnsignedIntProperty(const UnsignedIntProperty& other);
    ~UnsignedIntProperty() override;

    // The order of the calls is the order of the editor's buttons.
    uint32_t AddNamedValue(uint32_t value, const char* name);
    // Null until the first named value.
    CNamedValueList* GetNamedValues() const { return m_pNamedValues; }
    void SetConverter(const CIntUnitConverter* converter) { m_pConverter = converter; }
    const CIntUnitConverter* GetConverter() const { return m_pConverter; }
    uint32_t GetMinimum() const { return m_Minimum; }
    uint32_t GetMaximum() const { return m_Maximum; }
    float GetStep() const { return m_Step; }
    uint32_t GetDefault() const { return m_Default; }

    void SetFromDisplayText(void* object, const char* text) const;
    // Through the setter when there is one (the editor's named buttons).
    void Store(void* object, uint32_t value) const;

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
    int32_t FindNamedValue(uint32_t value) const;
    // Without a range, or with one reaching past the signed integers, the
    // delta form sends the whole 32-bit word.
    bool SendsWholeWord() const;

    uint32_t m_Minimum;
    uint32_t m_Maximum;
    float m_Step;
    uint32_t m_Default;
    const CIntUnitConverter* m_pConverter;
    Setter m_pSetter;
    CNamedValueList* m_pNamedValues;
};
