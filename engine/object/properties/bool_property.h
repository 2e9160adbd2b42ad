#pragma once

#include "engine/object/properties/property.h"
#include "engine/object/properties/scalar_property.h"
#include "engine/object/reflection.h"

// A one-byte boolean. Any non-zero number in the text is true; words are
// not numbers, so "TRUE" reads as false. While the always-write flag is off
// a value equal to the default is left out of the text form.
class BoolProperty : public ScalarProperty<bool, BoolProperty>
{
public:
    BoolProperty(const char* fullName, CPropertyMember<bool> member, int32_t editorMode, bool defaultValue,
                 Setter setter);

    void ToText(const void* object, CString& out) const override;
    void FromText(void* object, const char* text, CObjectStream* stream) const override;
    bool ShouldWrite(const void* object) const override;
    void WriteDelta(const void* object, CMessageStream& stream, const void* reference) const override;
    void ReadDelta(void* object, CMessageStream& stream) const override;
};

// One bit (the mask) of a 32-bit flag word; the other bits belong to other
// properties or to the class.
class BitFlagProperty : public Property
{
public:
    using Setter = void (*)(void* object, bool value);

    BitFlagProperty(const char* fullName, CPropertyMember<uint32_t> member, uint32_t mask, int32_t editorMode,
                    bool defaultValue, Setter setter);
    BitFlagProperty(const char* fullName, CPropertyMember<int32_t> member, uint32_t mask, int32_t editorMode,
                    bool defaultValue, Setter setter);

    bool IsSet(const void* object) const { return (ValueAt<uint32_t>(object) & m_Mask) != 0; }
    // Through the setter when there is one (the editor's check box).
    void Store(void* object, bool value) const;

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
    uint32_t GetBitMask() const override;

private:
    void SetBits(void* object, bool value) const;

    bool m_Default;
    uint32_t m_Mask;
    Setter m_pSetter;
};
