#pragma once

#include <cstddef>
#include <cstdint>
#include <new>

#include "engine/core/strings/ref_string.h"
#include "engine/object/reflection.h"

class CDynamicValueSet;
class CMessageStream;
class CObjectStream;
class CPropertyWindow;
class CReferenceVisitor;
class CTypedObjectReceiver;
class Property;

// The root of every reflected class. Through these operations and the
// class's descriptor, generic code constructs, defaults, copies, compares,
// describes, loads and saves any object without knowing its type: every
// operation walks the class's property list in order.
//
// Loading order, everywhere: create (or take) the object, BeforeLoad,
// SetDefaults, ReadText or ReadBinary, then AfterLoad only when the read
// succeeded.
class CObject
{
public:
    using ThisClass = CObject;

    CObject();
    virtual ~CObject();

    static void* operator new(size_t size);
    static void operator delete(void* block, size_t size);
    static void* operator new[](size_t size);
    static void operator delete[](void* block, size_t size);
    // Classes with members aligned beyond the C heap's promise (SIMD tables)
    // come here, so that created by name they are as aligned as declared.
    static void* operator new(size_t size, std::align_val_t alignment);
    static void operator delete(void* block, size_t size, std::align_val_t alignment);
    static void* operator new[](size_t size, std::align_val_t alignment);
    static void operator delete[](void* block, size_t size, std::align_val_t alignment);

    static CClassInfo* SGetClassInfo();
    virtual CClassInfo* GetClassInfo() const;

    virtual void AddCustomEditorControls(CPropertyWindow* window);
    virtual void OnEditorOpened(CPropertyWindow* window);
    // Called when a library item is first used.
    virtual void PreloadReferences();
    virtual void VisitReferences(CReferenceVisitor& visitor);
    // Open flags OR-ed into every save of this object.
    virtual uint32_t GetSaveFlags() const;
    // Extra lines at the end of the text form.
    virtual void WriteCustomProperties(CObjectStream& stream);
    virtual bool WantsIndentation() const;
    // Lines that no property claimed: dynamic properties, else skipped with
    // the block that may follow (fatal only for a strict class).
    virtual void ReadCustomProperties(const char* name, const char* value, CObjectStream& stream);
    virtual void WriteCustomXml(CObjectStream& stream);
    virtual void WriteCustomPropBin(CObjectStream& stream);
    // Its answer is the answer of the binary read.
    virtual bool ReadCustomPropBin(CObjectStream& stream);
    // The delta form on the recorded-call stream, against a reference object
    // (or none) that the reader's object starts equal to.
    virtual void WriteDelta(CMessageStream& stream, const CObject* reference);
    virtual void ReadDelta(CMessageStream& stream);
    virtual void BeforeLoad();
    virtual void AfterLoad(CTypedObjectReceiver* receiver);
    virtual void SetDefaults();
    // Copies the properties of the two classes' common ancestor and defaults
    // the rest.
    virtual void CopyFrom(const CObject& other);
    virtual uint32_t GetInstanceSize() const;
    // The display name, then the texts of the first two editor-visible
    // properties, each followed by a blank.
    virtual void GetDescription(CString& out, const char* wordToRemove) const;

    bool IsKindOf(const CClassInfo* classInfo) const;
    CObject* CreateSameClass() const;
    CObject* CreateSameClassEmpty() const;

    void WriteText(CObjectStream& stream, bool withHeader);
    // Inline objects end where a line does not belong to them; others end at
    // their closing brace.
    bool ReadText(CObjectStream& stream, bool isInline);
    void WriteBinary(CObjectStream& stream);
    // False for data of another format or class version, or cut short; the
    // caller rebuilds the object from its source.
    bool ReadBinary(CObjectStream& stream);
    void WriteXml(CObjectStream& stream);

    bool AllPropertiesDefault() const;
    bool AllPropertiesEqual(const CObject& other) const;
    void AppendPropertyText(const Property* property, CString& out, bool append) const;
    void ReadPropertyText(const Property* property, const char* text, CObjectStream* stream);

    // Values of dynamic properties, looked up by property.
    void* GetDynamicValue(const Property* property) const;
    bool HasDynamicValue(const Property* property) const;
    void* GetOrCreateDynamicValue(const Property* property);
    // Null when the object already holds a value for the property.
    void* AddDynamicValue(const Property* property);
    void* AddDefaultDynamicValue(const Property* property);
    bool RemoveDynamicValue(const Property* property);
    CDynamicValueSet* GetDynamicValues() const { return m_pDynamicValues; }

protected:
    // Each class's constructor ends with ConstructProperties and its
    // destructor starts with DestroyProperties, both with its own class:
    // every level handles only the properties it added.
    void ConstructProperties(const CClassInfo* classInfo);
    void DestroyProperties(const CClassInfo* classInfo);

private:
    friend class DynamicPropertiesProperty;

    static void RegisterProperties(CClassInfo* classInfo);
    void SkipUnknownBlock(CObjectStream& stream);

    static constinit inline CClassInfo* s_pClassInfo = nullptr;

    CDynamicValueSet* m_pDynamicValues;
};
