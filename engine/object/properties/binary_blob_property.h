#pragma once

#include <cstdint>

#include "engine/object/properties/property.h"
#include "engine/object/reflection.h"

// An owned block of bytes (a level's compressed thumbnail) written into the
// text file with a printable escape: a header line with the byte count,
// then a block of data lines that hold no blank, tab, line end or brace, so
// they survive trimming and brace counting. The binary form carries no
// blob, so an object holding one always loads from its text.
//
// Blobs take no part in copies and comparisons.
class BinaryBlobProperty : public Property
{
public:
    BinaryBlobProperty(const char* fullName, CPropertyMember<uint8_t*> data, CPropertyMember<uint32_t> count,
                       int32_t editorMode);

    Property* Clone() const override;
    bool HasSingleLineValue() const override;
    void CopyValue(void* destination, const void* source, const Property* sourceProperty) const override;
    void ConstructValue(void* object) const override;
    void DestroyValue(void* object) const override;
    void SetDefault(void* object) const override;
    // The empty block.
    bool IsDefault(const void* object) const override;
    void ToText(const void* object, CString& out) const override;
    // A count that is negative or larger than the rest of the file is
    // broken data. Storing stops at the count.
    void FromText(void* object, const char* text, CObjectStream* stream) const override;
    void WriteValueLine(const void* object, CObjectStream& stream) const override;
    void WriteBinary(const void* object, CObjectStream& stream) const override;
    bool ReadBinary(void* object, CObjectStream& stream) const override;

private:
    uint8_t*& DataField(void* object) const { return ValueAt<uint8_t*>(object); }
    uint32_t& CountField(void* object) const;
    void ReadDataLines(uint8_t* bytes, uint32_t count, CObjectStream& stream) const;

    int32_t m_CountOffset;
};
