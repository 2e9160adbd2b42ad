#include "engine/object/class_info.h"

#include <cstring>

#include "engine/object/dynamic_property_table.h"
#include "engine/object/properties/property.h"

namespace
{
bool IsUpperCaseLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}
}

CClassInfo::CClassInfo(CClassInfo** out, const char* name, float declaredVersion, CClassInfo* parent,
                       uint32_t instanceSize, bool isAbstract, CreateObjectFunction create,
                       CreateObjectArrayFunction createArray, DestroyObjectArrayFunction destroyArray,
                       RegisterPropertiesFunction registerProperties)
    : m_pName(name)
    , m_Version(declaredVersion)
    , m_Strict(false)
    , m_pParent(parent)
    , m_pDynamicProperties(new CDynamicPropertyTable(false))
    , m_InheritedCount(0)
    , m_Abstract(isAbstract)
    , m_InstanceSize(instanceSize)
    , m_NextPropertyHint(0)
    , m_pCreate(create)
    , m_pCreateArray(createArray)
    , m_pDestroyArray(destroyArray)
{
    if (parent != nullptr)
    {
        parent->m_Children.Append(this);
        const CDynamicPropertyTable& inherited = *parent->m_pDynamicProperties;
        for (uint32_t i = 0; i < inherited.GetEntryCount(); i++)
            AddDynamicProperty(inherited.GetProperty(i), inherited.GetFlags(i));
        m_Category = parent->m_CategoryPath;
        m_CategoryPath = parent->m_CategoryPath;
    }
    else
    {
        m_Category = "Miscellaneous";
        m_CategoryPath = "Miscellaneous";
    }

    *out = this;

    if (parent != nullptr)
    {
        m_InheritedCount = parent->GetPropertyCount();
        m_Properties.ReserveExact(m_InheritedCount);
        for (uint32_t i = 0; i < m_InheritedCount; i++)
            m_Properties.Add(parent->GetProperty(i)->Clone());
    }

    registerProperties(this);

    // Any change to the property list of a class or of an ancestor changes the
    // version, so binary caches of the old layout stop matching.
    double version = static_cast<double>(declaredVersion) + 7.0 * (GetPropertyCount() - m_InheritedCount);
    if (parent != nullptr)
        version += 3.0 * static_cast<double>(parent->m_Version);
    m_Version = static_cast<float>(version);
}

CClassInfo::~CClassInfo()
{
    if (m_pParent != nullptr)
    {
        const int32_t index = m_pParent->m_Children.IndexOf(this);
        if (index >= 0)
            m_pParent->m_Children.RemoveAt(static_cast<uint32_t>(index));
    }
    for (Property* property : m_Properties)
        delete property;
    delete m_pDynamicProperties;
}

const char* CClassInfo::GetName(uint32_t index)
{
    return index < GetPropertyCount() ? m_Properties[index]->GetName() : nullptr;
}

CString CClassInfo::GetNameString(uint32_t index)
{
    return CString(GetName(index));
}

uint32_t CClassInfo::GetCount()
{
    return GetPropertyCount();
}

CObject* CClassInfo::CreateObject() const
{
    return m_pCreate != nullptr ? m_pCreate() : nullptr;
}

CObject* CClassInfo::CreateObjectArray(uint32_t count) const
{
    return m_pCreateArray != nullptr ? m_pCreateArray(count) : nullptr;
}

void CClassInfo::DestroyObjectArray(CObject* first) const
{
    if (first != nullptr && m_pDestroyArray != nullptr)
        m_pDestroyArray(first);
}

uint32_t CClassInfo::AddProperty(Property* property, int32_t firstRegistrationWord, int32_t secondRegistrationWord)
{
    property->SetRegistration(firstRegistrationWord, secondRegistrationWord);
    return m_Properties.Add(property) + 1;
}

Property* CClassInfo::GetLastProperty() const
{
    const uint32_t count = GetPropertyCount();
    return count != 0 ? m_Properties[count - 1] : nullptr;
}

Property* CClassInfo::FindProperty(const char* name, int32_t* index) const
{
    const uint32_t count = GetPropertyCount();
    if (index != nullptr)
        *index = -1;
    if (count == 0)
        return nullptr;

    // Files list properties in declaration order, so the one after the last
    // hit is almost always the next one asked for.
    uint32_t hint = m_NextPropertyHint.load(std::memory_order_relaxed);
    if (hint >= count)
        hint = 0;
    if (CompareItemNames(m_Properties[hint]->GetName(), name) == 0)
    {
        m_NextPropertyHint.store(hint + 1, std::memory_order_relaxed);
        if (index != nullptr)
            *index = static_cast<int32_t>(hint);
        return m_Properties[hint];
    }

    for (uint32_t i = 0; i < count; i++)
    {
        if (CompareItemNames(m_Properties[i]->GetName(), name) == 0)
        {
            m_NextPropertyHint.store(i + 1, std::memory_order_relaxed);
            if (index != nullptr)
                *index = static_cast<int32_t>(i);
            return m_Properties[i];
        }
    }

    for (uint32_t i = 0; i < count; i++)
    {
        const CString& legacyName = m_Properties[i]->GetLegacyName();
        if (legacyName.HasText() && CompareItemNames(legacyName.GetText(), name) == 0)
        {
            if (index != nullptr)
                *index = static_cast<int32_t>(i);
            return m_Properties[i];
        }
    }
    return nullptr;
}

Property* CClassInfo::FindPropertyClaiming(const char* name) const
{
    for (Property* property : m_Properties)
        if (property->ClaimsName(name))
            return property;
    return nullptr;
}

Property* CClassInfo::FindPropertyByOffset(int32_t offset) const
{
    for (Property* property : m_Properties)
        if (property->GetValueOffset() == offset)
            return property;
    return nullptr;
}

void CClassInfo::GetDisplayName(CString& out, const char* wordToRemove) const
{
    out = m_DisplayName;
    const bool derived = out.IsEmpty();
    if (derived)
        out = GetNameWithoutPrefix();

    if (wordToRemove != nullptr && strcmp(out.GetText(), wordToRemove) != 0)
    {
        if (!out.RemoveSuffix(CString(wordToRemove)))
            out.ReplaceFirst(CString(wordToRemove), CString());
    }

    if (derived)
    {
        for (uint32_t i = 1; i < out.GetLength(); i++)
        {
            if (IsUpperCaseLetter(static_cast<char>(out.GetAt(i))))
            {
                out.Insert(i, ' ');
                i++;
            }
        }
    }
}

const char* CClassInfo::GetNameWithoutPrefix() const
{
    if (m_pName[0] == 'C' && IsUpperCaseLetter(m_pName[1]))
        return m_pName + 1;
    return m_pName;
}

void CClassInfo::SetCategory(const char* category)
{
    m_Category = category;
    m_CategoryPath = category;
}

uint32_t CClassInfo::AddOldName(const char* name)
{
    m_OldNames.Append(name);
    return m_OldNames.GetCount();
}

bool CClassInfo::HasOldName(const char* name) const
{
    for (const char* oldName : m_OldNames)
        if (CompareItemNames(oldName, name) == 0)
            return true;
    return false;
}

uint32_t CClassInfo::AddIgnoredPropertyName(const char* name)
{
    m_IgnoredPropertyNames.Append(name);
    return m_IgnoredPropertyNames.GetCount();
}

bool CClassInfo::IsIgnoredPropertyName(const char* name) const
{
    for (const CClassInfo* info = this; info != nullptr; info = info->m_pParent)
        for (const char* ignored : info->m_IgnoredPropertyNames)
            if (CompareItemNames(ignored, name) == 0)
                return true;
    return false;
}

bool CClassInfo::IsKindOf(const CClassInfo* other) const
{
    if (other == nullptr)
        return true;
    for (const CClassInfo* info = this; info != nullptr; info = info->m_pParent)
        if (info == other)
            return true;
    return false;
}

void CClassInfo::AddDynamicProperty(Property* property, int32_t flags)
{
    property->MarkDynamic();
    m_pDynamicProperties->Add(property, flags);
    for (CClassInfo* child : m_Children)
        child->AddDynamicProperty(property, flags);
}
