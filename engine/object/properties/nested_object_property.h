#pragma once

#include <type_traits>

#include "engine/object/object.h"
#include "engine/object/properties/property.h"
#include "engine/object/reflection.h"

// A member that is a whole reflected object embedded in its owner (the
// player record's "Career Totals"). The owner constructs and destroys it;
// the property reads, writes, copies, compares and edits it. Its text value
// is the embedded object's block, its class name on the property's line.
class NestedObjectProperty : public Property
{
public:
    template <typename T>
    NestedObjectProperty(const char* fullName, CPropertyMember<T> member, int32_t editorMode)
        : NestedObjectProperty(fullName, member.offset, member.size, T::SGetClassInfo(), editorMode)
    {
        static_assert(std::is_base_of_v<CObject, T>, "a nested object is a reflected object");
    }

    const CClassInfo* GetObjectClass() const { return m_pClassInfo; }

    Property* Clone() const override;
    bool HasSingleLineValue() const override;
    // The embedded object's members appear as rows of their own on the
    // page of the enclosing property's group.
    void CreateEditor(CPropertyWindow* window, void* object, const Property* groupProperty,
                      const char* label) const override;
    void OnEditorOpened(CPropertyWindow* window, void* object) const override;
    void CopyValue(void* destination, const void* source, const Property* sourceProperty) const override;
    bool ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const override;
    void SetDefault(void* object) const override;
    void AfterLoad(void* object, bool withReceiver) const override;
    void ToText(const void* object, CString& out) const override;
    // Reads the block that follows; the class name on the line is not
    // examined. A line without its block reads nothing further.
    void FromText(void* object, const char* text, CObjectStream* stream) const override;
    bool IsDefault(const void* object) const override;
    void WriteValueLine(const void* object, CObjectStream& stream) const override;
    void WriteBinary(const void* object, CObjectStream& stream) const override;
    bool ReadBinary(void* object, CObjectStream& stream) const override;
    void PreloadReferences(void* object) const override;
    void VisitReferences(void* object, CReferenceVisitor& visitor) const override;
    // Arrays of embedded objects hold live objects of the class.
    void* AllocateArray(uint32_t count) const override;
    void FreeArray(void* storage) const override;

private:
    NestedObjectProperty(const char* fullName, int32_t offset, int32_t size, const CClassInfo* classInfo,
                         int32_t editorMode);

    CObject& Embedded(void* object) const { return *reinterpret_cast<CObject*>(&ValueAt<char>(object)); }
    const CObject& Embedded(const void* object) const
    {
        return *reinterpret_cast<const CObject*>(&ValueAt<char>(object));
    }

    const CClassInfo* m_pClassInfo;
};
