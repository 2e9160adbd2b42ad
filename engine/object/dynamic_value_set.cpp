#include "engine/object/dynamic_value_set.h"

#include "engine/object/properties/property.h"

CDynamicValueSet::~CDynamicValueSet()
{
    for (const Entry& entry : m_Entries)
        Release(entry);
}

void* CDynamicValueSet::Find(const Property* property) const
{
    for (const Entry& entry : m_Entries)
        if (entry.pProperty == property)
            return entry.pStorage;
    return nullptr;
}

void* CDynamicValueSet::Create(const Property* property)
{
    void* storage = property->AllocateValue();
    property->ConstructValue(storage);
    m_Entries.Append(Entry{property, storage});
    return storage;
}

void CDynamicValueSet::Release(const Entry& entry)
{
    entry.pProperty->DestroyValue(entry.pStorage);
    entry.pProperty->FreeValue(entry.pStorage);
}

void* CDynamicValueSet::GetOrCreate(const Property* property)
{
    void* storage = Find(property);
    return storage != nullptr ? storage : Create(property);
}

void* CDynamicValueSet::CreateIfAbsent(const Property* property)
{
    return Find(property) != nullptr ? nullptr : Create(property);
}

void* CDynamicValueSet::CreateDefaultIfAbsent(const Property* property)
{
    void* storage = CreateIfAbsent(property);
    if (storage != nullptr)
        property->SetDefault(storage);
    return storage;
}

bool CDynamicValueSet::Remove(const Property* property)
{
    for (uint32_t i = 0; i < m_Entries.GetCount(); i++)
    {
        if (m_Entries[i].pProperty == property)
        {
            const Entry entry = m_Entries[i];
            m_Entries.RemoveAt(i);
            Release(entry);
            return true;
        }
    }
    return false;
}

bool CDynamicValueSet::IsSaved(const Property* property)
{
    return property->SavesInText() || property->SavesInBinary();
}

void CDynamicValueSet::RemoveSavedValues()
{
    for (uint32_t i = m_Entries.GetCount(); i-- > 0;)
    {
        const Entry entry = m_Entries[i];
        if (!IsSaved(entry.pProperty))
            continue;
        m_Entries.RemoveAt(i);
        Release(entry);
    }
}

bool CDynamicValueSet::HasSavedValues() const
{
    for (const Entry& entry : m_Entries)
        if (IsSaved(entry.pProperty))
            return true;
    return false;
}

void CDynamicValueSet::CopyFrom(const CDynamicValueSet& other)
{
    RemoveSavedValues();
    for (const Entry& entry : other.m_Entries)
        if (IsSaved(entry.pProperty))
            entry.pProperty->CopyValue(Create(entry.pProperty), entry.pStorage, entry.pProperty);
}

bool CDynamicValueSet::Equals(const CDynamicValueSet& other) const
{
    uint32_t i = 0;
    uint32_t j = 0;
    for (;;)
    {
        while (i < GetCount() && !IsSaved(m_Entries[i].pProperty))
            i++;
        while (j < other.GetCount() && !IsSaved(other.m_Entries[j].pProperty))
            j++;
        if (i == GetCount() || j == other.GetCount())
            return i == GetCount() && j == other.GetCount();
        const Entry& mine = m_Entries[i++];
        const Entry& theirs = other.m_Entries[j++];
        if (mine.pProperty != theirs.pProperty ||
            !mine.pProperty->ValuesEqual(mine.pStorage, theirs.pStorage, theirs.pProperty))
            return false;
    }
}

void CDynamicValueSet::AfterLoad(bool withReceiver)
{
    for (const Entry& entry : m_Entries)
        entry.pProperty->AfterLoad(entry.pStorage, withReceiver);
}

void CDynamicValueSet::PreloadReferences()
{
    for (const Entry& entry : m_Entries)
        entry.pProperty->PreloadReferences(entry.pStorage);
}

void CDynamicValueSet::VisitReferences(CReferenceVisitor& visitor)
{
    for (const Entry& entry : m_Entries)
        entry.pProperty->VisitReferences(entry.pStorage, visitor);
}
