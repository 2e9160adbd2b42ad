#pragma once

#include <atomic>
#include <cstdint>

#include "engine/core/memory/dynamic_array.h"
#include "engine/core/strings/ref_string.h"
#include "engine/core/lists/virtual_array.h"

class CDynamicPropertyTable;
class CObject;
class Property;

class CClassInfo;

using CreateObjectFunction = CObject* (*)();
using CreateObjectArrayFunction = CObject* (*)(uint32_t count);
// Arrays of objects are released through their own class, never through a
// base pointer.
using DestroyObjectArrayFunction = void (*)(CObject* first);
using RegisterPropertiesFunction = void (*)(CClassInfo* classInfo);

// The one descriptor of a reflected class: its name, version, category,
// parent and children, its property list (the parent's properties first, as
// clones, then its own), its dynamic properties, old names and the functions
// that make objects of it. It is a named list whose items are the
// properties, so generic code enumerates and finds properties by name.
//
// Descriptors are made by the class's getter (see reflection.h) and live
// until the process ends.
class CClassInfo : public SearchableVirtualArray
{
public:
    // Stores itself into *out before the register-properties function runs,
    // so that function (and any getter it calls) finds the class already
    // built. A null parent makes a root class.
    CClassInfo(CClassInfo** out, const char* name, float declaredVersion, CClassInfo* parent, uint32_t instanceSize,
               bool isAbstract, CreateObjectFunction create, CreateObjectArrayFunction createArray,
               DestroyObjectArrayFunction destroyArray, RegisterPropertiesFunction registerProperties);
    ~CClassInfo() override;

    // The named list over the properties.
    const char* GetName(uint32_t index) override;
    CString GetNameString(uint32_t index) override;
    uint32_t GetCount() override;

    // Null for an abstract class.
    CObject* CreateObject() const;
    CObject* CreateObjectArray(uint32_t count) const;
    void DestroyObjectArray(CObject* first) const;

    // For register-properties functions: appends a property (the class owns
    // it) and answers the new count; GetLastProperty answers it back for
    // help texts, legacy names and the like.
    uint32_t AddProperty(Property* property, int32_t firstRegistrationWord = 0, int32_t secondRegistrationWord = -1);
    Property* GetLastProperty() const;

    uint32_t GetPropertyCount() const { return m_Properties.GetCount(); }
    // The index of the first own property.
    uint32_t GetInheritedCount() const { return m_InheritedCount; }
    Property* GetProperty(uint32_t index) const { return m_Properties[index]; }

    // By name (case ignored), else by legacy name. Files written in
    // declaration order hit on the first probe: each class remembers where
    // its last hit was, and a nested object read in between leaves that
    // alone. Safe from several threads at once.
    Property* FindProperty(const char* name, int32_t* index = nullptr) const;
    Property* FindPropertyClaiming(const char* name) const;
    Property* FindPropertyByOffset(int32_t offset) const;

    // The display name, else the class name without its "C" prefix spelt
    // out with a blank before each capital ("CUILayout" gives "U I Layout").
    // A word to remove is cut from the end, else at its first occurrence.
    void GetDisplayName(CString& out, const char* wordToRemove = nullptr) const;
    // "Object" for "CObject"; a name such as "Cursor" keeps its first letter.
    const char* GetNameWithoutPrefix() const;
    const char* GetClassName() const { return m_pName; }

    void SetDisplayName(const char* name) { m_DisplayName = name; }
    void SetHelpText(const char* text) { m_HelpText = text; }
    // Sets the category and the category path alike.
    void SetCategory(const char* category);
    // A strict class refuses property lines it does not know.
    void SetStrict(bool strict) { m_Strict = strict; }

    float GetVersion() const { return m_Version; }
    const CString& GetHelpText() const { return m_HelpText; }
    const CString& GetCategory() const { return m_Category; }
    const CString& GetCategoryPath() const { return m_CategoryPath; }
    CClassInfo* GetParent() const { return m_pParent; }
    const CPoolArray<CClassInfo*>& GetChildren() const { return m_Children; }
    CDynamicPropertyTable* GetDynamicPropertyTable() const { return m_pDynamicProperties; }
    bool IsStrict() const { return m_Strict; }
    bool IsAbstract() const { return m_Abstract; }
    uint32_t GetInstanceSize() const { return m_InstanceSize; }

    // Names under which files of earlier versions refer to this class.
    uint32_t AddOldName(const char* name);
    bool HasOldName(const char* name) const;
    // Property lines of earlier versions that are now skipped without a word.
    uint32_t AddIgnoredPropertyName(const char* name);
    // Also true when an ancestor lists the name.
    bool IsIgnoredPropertyName(const char* name) const;

    // This class or a descendant of it; anything is a kind of null.
    bool IsKindOf(const CClassInfo* other) const;

    // Marks the property dynamic and adds it to this class's table and to
    // the tables of all descendants. Use AttachDynamicProperty.
    void AddDynamicProperty(Property* property, int32_t flags);

private:
    CDynamicArray<Property*> m_Properties;
    const char* m_pName;
    CString m_DisplayName;
    float m_Version;
    CString m_HelpText;
    CString m_Category;
    CString m_CategoryPath;
    bool m_Strict;
    CClassInfo* m_pParent;
    CPoolArray<CClassInfo*> m_Children;
    CDynamicPropertyTable* m_pDynamicProperties;
    uint32_t m_InheritedCount;
    bool m_Abstract;
    uint32_t m_InstanceSize;
    // Only a hint: readers on two threads may overwrite each other's, which
    // costs a scan, never a wrong answer.
    mutable std::atomic<uint32_t> m_NextPropertyHint;
    CPoolArray<const char*> m_OldNames;
    CPoolArray<const char*> m_IgnoredPropertyNames;
    CreateObjectFunction m_pCreate;
    CreateObjectArrayFunction m_pCreateArray;
    DestroyObjectArrayFunction m_pDestroyArray;
};
