#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"

class CReferenceVisitor;
class Property;

// An object's values of dynamic properties (such as "Comment"), in the
// order they were created, looked up by property. The object owns its set;
// the set owns the values.
//
// A value whose property is saved nowhere (the weak-pointer registrations
// of a live object) belongs to the object in memory, not to its data:
// copying, defaulting and comparing leave such values alone.
class CDynamicValueSet
{
public:
    CDynamicValueSet() = default;
    ~CDynamicValueSet();
    CDynamicValueSet(const CDynamicValueSet&) = delete;
    CDynamicValueSet& operator=(const CDynamicValueSet&) = delete;

    void* Find(const Property* property) const;
    void* GetOrCreate(const Property* property);
    // Null when the set already holds a value for the property.
    void* CreateIfAbsent(const Property* property);
    void* CreateDefaultIfAbsent(const Property* property);
    bool Remove(const Property* property);

    // Replaces this set's saved values by copies of the other's, in order.
    void CopyFrom(const CDynamicValueSet& other);
    // The same saved properties in the same order with equal values.
    bool Equals(const CDynamicValueSet& other) const;
    // Releases every saved value; the others stay.
    void RemoveSavedValues();
    bool HasSavedValues() const;
    static bool IsSaved(const Property* property);

    void AfterLoad(bool withReceiver);
    void PreloadReferences();
    void VisitReferences(CReferenceVisitor& visitor);

    uint32_t GetCount() const { return m_Entries.GetCount(); }
    const Property* GetProperty(uint32_t index) const { return m_Entries[index].pProperty; }
    void* GetStorage(uint32_t index) const { return m_Entries[index].pStorage; }

private:
    struct Entry
    {
        const Property* pProperty;
        void* pStorage;
    };

    void* Create(const Property* property);
    void Release(const Entry& entry);

    CPoolArray<Entry> m_Entries;
};
