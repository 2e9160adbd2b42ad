#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "engine/object/object.h"
#include "engine/object/properties/property.h"
#include "engine/object/reflection.h"

class VirtualArray;

// The member an object array lives in: elements of one reflected class,
// kept by value and made by the class's create-array function.
template <typename T>
struct CObjectValueArray
{
    T* m_pItems;
    uint32_t m_Count;
    uint32_t m_Capacity;
};

// A growable array of embedded objects of one class (a background's sprite
// generators, a particle generator's particle types). The array is written
// as a block of element blocks; an optional item-name table gives every
// element a name instead of a position and fixes their number.
//
// Elements are live objects from the class's create-array function up to
// the capacity; they move with CObject::CopyFrom, and every element that
// becomes part of the array starts from its defaults.
class ObjectArrayProperty : public Property
{
public:
    template <typename T>
    ObjectArrayProperty(const char* fullName, CPropertyMember<CObjectValueArray<T>> member, const char* memberName,
                        int32_t editorMode, VirtualArray* itemNames)
        : ObjectArrayProperty(fullName, member.offset, T::SGetClassInfo(), editorMode, itemNames)
    {
        static_assert(std::is_base_of_v<CObject, T>, "object arrays hold reflected objects");
        SetMember(memberName, member.offset, member.size);
    }

    // Inserts or removes elements at the position (-1: the end). A full
    // array doubles its capacity; it never shrinks.
    void SetCount(void* object, uint32_t count, int32_t position = -1) const;
    uint32_t GetCount(const void* object) const;
    CObject* GetElement(const void* object, uint32_t index) const;
    const CClassInfo* GetElementClass() const { return m_pElementClass; }
    VirtualArray* GetItemNames() const { return m_pItemNames; }
    bool IsCountEditable() const { return m_pItemNames == nullptr; }

    Property* Clone() const override;
    bool HasSingleLineValue() const override;
    // One row per property of each element; the count, insert, delete and
    // append controls come with the window toolkit.
    void CreateEditor(CPropertyWindow* window, void* object, const Property* groupProperty,
                      const char* label) const override;
    void OnEditorOpened(CPropertyWindow* window, void* object) const override;
    void CopyValue(void* destination, const void* source, const Property* sourceProperty) const override;
    bool ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const override;
    void ConstructValue(void* object) const override;
    void DestroyValue(void* object) const override;
    // With an item-name table, one defaulted element per name.
    void SetDefault(void* object) const override;
    void AfterLoad(void* object, bool withReceiver) const override;
    void ToText(const void* object, CString& out) const override;
    // Without a stream (the editor) the text is the new count.
    void FromText(void* object, const char* text, CObjectStream* stream) const override;
    bool IsDefault(const void* object) const override;
    void WriteValueLine(const void* object, CObjectStream& stream) const override;
    void WriteBinary(const void* object, CObjectStream& stream) const override;
    bool ReadBinary(void* object, CObjectStream& stream) const override;
    void PreloadReferences(void* object) const override;
    void VisitReferences(void* object, CReferenceVisitor& visitor) const override;

private:
    ObjectArrayProperty(const char* fullName, int32_t offset, const CClassInfo* elementClass, int32_t editorMode,
                        VirtualArray* itemNames);

    CObject*& DataField(void* object) const;
    uint32_t& CountField(void* object) const;
    uint32_t& CapacityField(void* object) const;
    CObject* ElementAt(CObject* items, uint32_t index) const;
    // Elements 0..count-1 become fresh, defaulted objects.
    void MakeFreshElements(void* object, uint32_t count) const;
    void ReadBlock(void* object, CObjectStream& stream) const;
    void WriteElementName(uint32_t index, CObjectStream& stream) const;

    int32_t m_CountOffset;
    int32_t m_CapacityOffset;
    int32_t m_DataOffset;
    const CClassInfo* m_pElementClass;
    int32_t m_Stride;
    VirtualArray* m_pItemNames;
};
