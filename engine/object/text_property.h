#pragma once

#include "engine/core/ref_string.h"
#include "engine/object/property.h"
#include "engine/object/reflection.h"

// Arrays of texts move their elements byte-wise.
static_assert(sizeof(CString) == sizeof(void*), "a CString is one pointer to its shared representation");

// A CString member written on one line of the object text form. CObject's
// "Comment" is one. The text is written in the file's 8-bit form, with
// "UNICODE-HEX<" escapes for characters above 255, and decoded on reading.
class TextProperty : public Property
{
public:
    TextProperty(const char* fullName, CPropertyMember<CString> member, int32_t editorMode, const char* defaultText);

    void SetDefaultText(const CString& text) { m_DefaultText = text; }
    void SetDefaultText(const char* text) { m_DefaultText = text; }
    // The text of a dynamic text property on an object, else the default.
    const CString& GetDynamicValue(const CObject* object) const;

    Property* Clone() const override;
    bool HasSingleLineValue() const override;
    void CopyValue(void* destination, const void* source, const Property* sourceProperty) const override;
    // Case counts.
    bool ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const override;
    void ConstructValue(void* object) const override;
    void DestroyValue(void* object) const override;
    void SetDefault(void* object) const override;
    void ToText(const void* object, CString& out) const override;
    void FromText(void* object, const char* text, CObjectStream* stream) const override;
    bool ShouldWrite(const void* object) const override;
    bool IsDefault(const void* object) const override;
    void WriteBinary(const void* object, CObjectStream& stream) const override;
    bool ReadBinary(void* object, CObjectStream& stream) const override;
    // Values are live CStrings wherever they are stored.
    void* AllocateValue() const override;
    void FreeValue(void* value) const override;

private:
    CString m_DefaultText;
};
