#pragma once

// Item classes for library tests. Include it in one source file per
// program: it defines the classes as well.

#include <cstdint>
#include <initializer_list>
#include <string>

#include "engine/core/strings/ref_string.h"
#include "engine/core/files/stream.h"
#include "engine/object/object.h"
#include "engine/object/libraries/resource_library.h"
#include "engine/object/properties/text_property.h"

// An item with a display name and, for the tests of loops, the name of an
// item of the same library that it asks for once it has been read.
class CLibraryTestItem : public CObject
{
    VP_DECLARE_CLASS(CLibraryTestItem)
public:
    CLibraryTestItem() { ConstructProperties(SGetClassInfo()); }
    ~CLibraryTestItem() override { DestroyProperties(SGetClassInfo()); }

    void AfterLoad(CTypedObjectReceiver* receiver) override
    {
        CObject::AfterLoad(receiver);
        if (m_Requires.HasText() && s_pLibrary != nullptr)
            s_pLibrary->GetByName(m_Requires.GetText());
    }

    void PreloadReferences() override
    {
        s_PreloadCalls++;
        CObject::PreloadReferences();
    }

    CString m_Name;
    CString m_Requires;

    static inline CObjectLibrary* s_pLibrary = nullptr;
    static inline int32_t s_PreloadCalls = 0;
};

class CLibraryTestItemDerived : public CLibraryTestItem
{
    VP_DECLARE_CLASS(CLibraryTestItemDerived)
public:
    CLibraryTestItemDerived() { ConstructProperties(SGetClassInfo()); }
    ~CLibraryTestItemDerived() override { DestroyProperties(SGetClassInfo()); }
};

// Unrelated to the test item.
class CLibraryOtherItem : public CObject
{
    VP_DECLARE_CLASS(CLibraryOtherItem)
public:
    CLibraryOtherItem() { ConstructProperties(SGetClassInfo()); }
    ~CLibraryOtherItem() override { DestroyProperties(SGetClassInfo()); }
};

// Stands in for the round sets of the bricks subsystem: an abstract item
// class and the player-made kind, stored compressed.
class CLibraryTestRoundSet : public CObject
{
    VP_DECLARE_CLASS(CLibraryTestRoundSet)
public:
    CLibraryTestRoundSet() { ConstructProperties(SGetClassInfo()); }
    ~CLibraryTestRoundSet() override { DestroyProperties(SGetClassInfo()); }

    CString m_Rounds;
};

class CLibraryTestUserRoundSet : public CLibraryTestRoundSet
{
    VP_DECLARE_CLASS(CLibraryTestUserRoundSet)
public:
    CLibraryTestUserRoundSet() { ConstructProperties(SGetClassInfo()); }
    ~CLibraryTestUserRoundSet() override { DestroyProperties(SGetClassInfo()); }

    uint32_t GetSaveFlags() const override { return OPEN_COMPRESSED; }
    void FillWithTemplates() { m_Rounds = "Template Rounds"; }
};

VP_IMPLEMENT_CLASS(CLibraryTestItem, CObject, 1.0f)

void CLibraryTestItem::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new TextProperty("Name", VP_MEMBER(m_Name), EDITOR_EDITABLE, ""));
    classInfo->AddProperty(new TextProperty("Requires", VP_MEMBER(m_Requires), EDITOR_EDITABLE, ""));
}

VP_IMPLEMENT_CLASS(CLibraryTestItemDerived, CLibraryTestItem, 1.0f)

void CLibraryTestItemDerived::RegisterProperties(CClassInfo*)
{
}

VP_IMPLEMENT_CLASS(CLibraryOtherItem, CObject, 1.0f)

void CLibraryOtherItem::RegisterProperties(CClassInfo*)
{
}

VP_IMPLEMENT_ABSTRACT_CLASS(CLibraryTestRoundSet, CObject, 1.0f)

void CLibraryTestRoundSet::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new TextProperty("Rounds", VP_MEMBER(m_Rounds), EDITOR_EDITABLE, ""));
}

VP_IMPLEMENT_CLASS(CLibraryTestUserRoundSet, CLibraryTestRoundSet, 1.0f)

void CLibraryTestUserRoundSet::RegisterProperties(CClassInfo*)
{
}

// The text form of an object file of the class with the given properties
// ("Name=Red" lines).
inline std::string ObjectFileText(const char* className, std::initializer_list<const char*> lines = {})
{
    std::string text = std::string(className) + "\r\n{\r\n";
    for (const char* line : lines)
        text += std::string("\t") + line + "\r\n";
    return text + "}\r\n";
}
