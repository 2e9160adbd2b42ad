#pragma once

#include <cstdint>

#include "engine/object/properties/property.h"
#include "engine/object/reflection.h"

// The place of an array's data pointer, whatever its element type.
struct CArrayDataMember
{
    template <typename T>
    CArrayDataMember(CPropertyMember<T*> member)
        : offset(member.offset)
        , elementSize(static_cast<int32_t>(sizeof(T)))
    {
    }

    int32_t offset;
    int32_t elementSize;
};

// An element property addresses one element: its value starts there.
template <typename T>
constexpr CPropertyMember<T> ArrayElementMember()
{
    return DynamicValueMember<T>();
}

// A growable array of values inside the owner, each described by one
// element property of any other kind (numbers, texts, list items, object
// pointers...). The member is a data pointer, an element count and,
// optionally, a capacity, which need not be adjacent. The array owns its
// element property and hands it the address of one element at a time.
//
// Storage is a block of the memory pools (pooled) or comes from the element
// kind's array allocation. Elements are moved by swapping their bytes, so
// element values must survive being moved byte-wise; slots beyond the count
// hold no element, and an element kind of a pooled array must be able to
// construct its value in such raw storage.
//
// Text form: the name, "=" and "Array", then a block holding "Item Count"
// (for two elements or more) and one line per element under the element's
// name. Each element may also stand on its own line in the owner's block
// (the flat form), which appends it.
class ArrayProperty : public Property
{
public:
    // With a capacity field: the array doubles as it grows and gives memory
    // back only when the count falls far below the capacity.
    ArrayProperty(const char* fullName, CPropertyMember<uint32_t> count, CPropertyMember<uint32_t> capacity,
                  CArrayDataMember data, const char* memberName, bool pooled, Property* element, int32_t editorMode);
    // No capacity field and not pooled: the storage always fits the count.
    ArrayProperty(const char* fullName, CPropertyMember<uint32_t> count, CArrayDataMember data, Property* element,
                  int32_t editorMode);
    ArrayProperty(const ArrayProperty& other);
    ~ArrayProperty() override;

    // Resizes the array, inserting or removing elements at the position (-1
    // for the end). New elements are constructed and defaulted. Exact makes
    // the capacity equal to the new count.
    void SetCount(void* object, uint32_t count, int32_t position = -1, bool exact = false) const;
    // The new last element.
    void* AppendElement(void* object) const;
    uint32_t GetCount(const void* object) const;
    void* GetElement(void* object, uint32_t index) const;
    const void* GetElement(const void* object, uint32_t index) const;
    const Property* GetElementProperty() const { return m_pElement; }

    Property* Clone() const override;
    bool HasSingleLineValue() const override;
    // One row per element; the count and append rows come with the window
    // toolkit.
    void CreateEditor(CPropertyWindow* window, void* object, const Property* groupProperty,
                      const char* label) const override;
    void CopyValue(void* destination, const void* source, const Property* sourceProperty) const override;
    bool ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const override;
    void ConstructValue(void* object) const override;
    void DestroyValue(void* object) const override;
    void SetDefault(void* object) const override;
    void AfterLoad(void* object, bool withReceiver) const override;
    void ToText(const void* object, CString& out) const override;
    // Without a stream (the editor) the text is the new count.
    void FromText(void* object, const char* text, CObjectStream* stream) const override;
    void ReadNameValue(void* object, const char* name, const char* value, CObjectStream* stream,
                       int32_t lineStart) const override;
    bool ShouldWrite(const void* object) const override;
    bool IsDefault(const void* object) const override;
    void WriteValueLine(const void* object, CObjectStream& stream) const override;
    void WriteXmlElement(const void* object, CObjectStream& stream) const override;
    void WriteBinary(const void* object, CObjectStream& stream) const override;
    bool ReadBinary(void* object, CObjectStream& stream) const override;
    // Delta forms on the recorded-call stream (delta_array.cpp).
    void WriteDelta(const void* object, CMessageStream& stream, const void* reference) const override;
    void ReadDelta(void* object, CMessageStream& stream) const override;
    bool ClaimsName(const char* name) const override;
    void PreloadReferences(void* object) const override;
    void VisitReferences(void* object, CReferenceVisitor& visitor) const override;

private:
    bool HasCapacityField() const { return m_CapacityOffset != 0; }
    uint32_t& CountField(void* object) const { return ValueAt<uint32_t>(object); }
    uint32_t GetCapacity(const void* object) const;
    uint32_t& CapacityField(void* object) const;
    char*& DataField(void* object) const;
    char* AllocateStorage(uint32_t capacity) const;
    void FreeStorage(char* storage, uint32_t capacity) const;
    void SwapElements(char* a, char* b) const;
    void NewElement(char* element) const;
    void ReadBlock(void* object, CObjectStream& stream) const;

    int32_t m_CapacityOffset;
    int32_t m_DataOffset;
    Property* m_pElement;
    int32_t m_Stride;
    bool m_Pooled;
};
