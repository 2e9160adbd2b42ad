#pragma once

#include <type_traits>

#include "engine/object/object.h"
#include "engine/object/properties/property.h"
#include "engine/object/reflection.h"

// The place of an owned pointer to any reflected class (CAction*,
// CBrickPlugIn*); the pointed class's CObject part sits at its start.
struct CObjectPointerMember
{
    template <typename T>
    CObjectPointerMember(CPropertyMember<T*> member)
        : offset(member.offset)
        , size(member.size)
    {
        static_assert(std::is_base_of_v<CObject, T>, "an object pointer points at a reflected object");
    }

    int32_t offset;
    int32_t size;
};

// An owned pointer to an object of any non-abstract class derived from a
// base class, made by class name when the text names it and deleted with
// the owner. Its text is the class name on the property's own line,
// followed by the object's block; "(none)" is an empty value.
//
// Every path that deletes the pointed object first lets the property
// window's history forget it.
class ObjectPointerProperty : public Property
{
public:
    // With a default class, the default value is a new object of it.
    ObjectPointerProperty(const char* fullName, CObjectPointerMember member, const CClassInfo* baseClass,
                          int32_t editorMode, const CClassInfo* defaultClass);

    void SetAllowNone(bool allow) { m_AllowNone = allow; }
    void SetClassChangeable(bool changeable) { m_ClassChangeable = changeable; }
    bool GetAllowNone() const { return m_AllowNone; }
    bool GetClassChangeable() const { return m_ClassChangeable; }
    const CClassInfo* GetBaseClass() const { return m_pBaseClass; }

    // For a dynamic object-pointer property: the object the owner's value
    // points at, null when the owner holds no value.
    CObject* GetValue(const CObject* owner) const;
    // Creates the owner's value on first use and replaces (deletes) the
    // object it pointed at.
    void SetValue(CObject* owner, CObject* pointed) const;

    Property* Clone() const override;
    bool HasSingleLineValue() const override;
    void CopyValue(void* destination, const void* source, const Property* sourceProperty) const override;
    bool ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const override;
    void ConstructValue(void* object) const override;
    void DestroyValue(void* object) const override;
    void SetDefault(void* object) const override;
    void AfterLoad(void* object, bool withReceiver) const override;
    void ToText(const void* object, CString& out) const override;
    void FromText(void* object, const char* text, CObjectStream* stream) const override;
    // The value names a class and a block follows; or, for a claimed line,
    // the line is the first of the pointed object's own lines written
    // inline in the owner's block. An unknown, unrelated or abstract class
    // is fatal.
    void ReadNameValue(void* object, const char* name, const char* value, CObjectStream* stream,
                       int32_t lineStart) const override;
    bool ShouldWrite(const void* object) const override;
    bool IsDefault(const void* object) const override;
    void WriteValueLine(const void* object, CObjectStream& stream) const override;
    void WriteValueInline(const void* object, CObjectStream& stream) const override;
    void WriteBinary(const void* object, CObjectStream& stream) const override;
    // Caches are rebuilt rather than trusted: a class name that is unknown,
    // abstract or not derived from the base class answers false.
    bool ReadBinary(void* object, CObjectStream& stream) const override;
    // Delta forms on the recorded-call stream (delta_object_pointer.cpp).
    void WriteDelta(const void* object, CMessageStream& stream, const void* reference) const override;
    void ReadDelta(void* object, CMessageStream& stream) const override;
    // The pointed object's lines may stand inline in the owner's block;
    // they are recognised by the base class's first own property.
    bool ClaimsName(const char* name) const override;
    void PreloadReferences(void* object) const override;
    void VisitReferences(void* object, CReferenceVisitor& visitor) const override;

private:
    void Replace(void* object, CObject* pointed) const;
    // The one way a pointed object is deleted.
    static void DeletePointed(CObject* pointed);
    CObject* CreateNamedClass(const char* className) const;
    void ReadPointedObject(void* object, CObjectStream& stream, bool isInline, int32_t lineStart) const;

    const CClassInfo* m_pBaseClass;
    const CClassInfo* m_pDefaultClass;
    bool m_AllowNone;
    bool m_ClassChangeable;
};
