#include "engine/object/properties/object_array_property.h"

#include <memory>

#include "engine/core/strings/decimal_number.h"
#include "engine/core/lists/virtual_array.h"
#include "engine/object/block_entries.h"
#include "engine/object/class_info.h"
#include "engine/object/object_files.h"
#include "engine/object/object_stream.h"
#include "engine/object/properties/property_reading.h"
#include "engine/object/typed_object_receiver.h"

namespace
{
using CRecord = CObjectValueArray<CObject>;

const int32_t COUNT_IN_RECORD = static_cast<int32_t>(offsetof(CRecord, m_Count));
const int32_t CAPACITY_IN_RECORD = static_cast<int32_t>(offsetof(CRecord, m_Capacity));
const int32_t DATA_IN_RECORD = static_cast<int32_t>(offsetof(CRecord, m_pItems));

// Item names in the binary form are at most 1023 bytes.
const uint32_t BINARY_NAME_BUFFER = 1024;

// Element lines of the text form are named "Array Item" unless a table
// names them.
const char* const ELEMENT_NAME = "Array Item";
}

ObjectArrayProperty::ObjectArrayProperty(const char* fullName, int32_t offset, const CClassInfo* elementClass,
                                         int32_t editorMode, VirtualArray* itemNames)
    : Property(fullName, nullptr, offset + COUNT_IN_RECORD, static_cast<int32_t>(sizeof(uint32_t)), editorMode)
    , m_CountOffset(offset + COUNT_IN_RECORD)
    , m_CapacityOffset(offset + CAPACITY_IN_RECORD)
    , m_DataOffset(offset + DATA_IN_RECORD)
    , m_pElementClass(elementClass)
    , m_Stride(static_cast<int32_t>(elementClass->GetInstanceSize()))
    , m_pItemNames(itemNames)
{
}

CObject*& ObjectArrayProperty::DataField(void* object) const
{
    return *reinterpret_cast<CObject**>(static_cast<char*>(object) + m_DataOffset);
}

uint32_t& ObjectArrayProperty::CountField(void* object) const
{
    return *reinterpret_cast<uint32_t*>(static_cast<char*>(object) + m_CountOffset);
}

uint32_t& ObjectArrayProperty::CapacityField(void* object) const
{
    return *reinterpret_cast<uint32_t*>(static_cast<char*>(object) + m_CapacityOffset);
}

uint32_t ObjectArrayProperty::GetCount(const void* object) const
{
    return CountField(const_cast<void*>(object));
}

CObject* ObjectArrayProperty::ElementAt(CObject* items, uint32_t index) const
{
    return reinterpret_cast<CObject*>(reinterpret_cast<char*>(items) + static_cast<size_t>(index) * m_Stride);
}

CObject* ObjectArrayProperty::GetElement(const void* object, uint32_t index) const
{
    return ElementAt(DataField(const_cast<void*>(object)), index);
}

void ObjectArrayProperty::SetCount(void* object, uint32_t count, int32_t position) const
{
    const uint32_t old = GetCount(object);
    if (count == old)
        return;
    const uint32_t capacity = CapacityField(object);
    const uint32_t removed = count < old ? old - count : 0;
    const uint32_t added = count > old ? count - old : 0;
    // Out-of-range positions act at the end.
    const uint32_t last = removed != 0 ? count : old;
    const uint32_t at = position >= 0 && static_cast<uint32_t>(position) <= last ? static_cast<uint32_t>(position)
                                                                                    : last;
    const uint32_t newCapacity = capacity < count ? 2 * count : capacity;

    CObject* items = DataField(object);
    if (newCapacity == capacity)
    {
        if (removed != 0)
        {
            for (uint32_t i = at; i + removed < old; i++)
                ElementAt(items, i)->CopyFrom(*ElementAt(items, i + removed));
        }
        else
        {
            for (uint32_t i = old; i-- > at;)
                ElementAt(items, i + added)->CopyFrom(*ElementAt(items, i));
        }
    }
    else
    {
        CObject* fresh = m_pElementClass->CreateObjectArray(newCapacity);
        for (uint32_t i = 0; i < at; i++)
            ElementAt(fresh, i)->CopyFrom(*ElementAt(items, i));
        for (uint32_t i = at + removed; i < old; i++)
            ElementAt(fresh, i - removed + added)->CopyFrom(*ElementAt(items, i));
        if (items != nullptr)
            m_pElementClass->DestroyObjectArray(items);
        DataField(object) = fresh;
        items = fresh;
    }
    for (uint32_t i = at; i < at + added; i++)
        ElementAt(items, i)->SetDefaults();
    CountField(object) = count;
    CapacityField(object) = newCapacity;
}

void ObjectArrayProperty::MakeFreshElements(void* object, uint32_t count) const
{
    DestroyValue(object);
    if (count == 0)
        return;
    CObject* items = m_pElementClass->CreateObjectArray(count);
    for (uint32_t i = 0; i < count; i++)
        ElementAt(items, i)->SetDefaults();
    DataField(object) = items;
    CountField(object) = count;
    CapacityField(object) = count;
}

Property* ObjectArrayProperty::Clone() const
{
    return new ObjectArrayProperty(*this);
}

bool ObjectArrayProperty::HasSingleLineValue() const
{
    return false;
}

void ObjectArrayProperty::CreateEditor(CPropertyWindow* window, void* object, const Property* groupProperty,
                                       const char*) const
{
    CString label;
    for (uint32_t i = 0; i < GetCount(object); i++)
    {
        CObject* element = GetElement(object, i);
        for (uint32_t p = 0; p < m_pElementClass->GetPropertyCount(); p++)
        {
            const Property* property = m_pElementClass->GetProperty(p);
            if (property->GetEditorMode() == EDITOR_HIDDEN)
                continue;
            if (m_pItemNames != nullptr && i < m_pItemNames->GetCount())
                label.Format("%s %s", m_pItemNames->GetNameString(i).GetText(), property->GetName());
            else
                label.Format("%s %u", property->GetName(), i + 1);
            property->CreateEditor(window, element, groupProperty, label.GetText());
        }
    }
}

void ObjectArrayProperty::OnEditorOpened(CPropertyWindow* window, void* object) const
{
    for (uint32_t i = 0; i < GetCount(object); i++)
    {
        CObject* element = GetElement(object, i);
        element->OnEditorOpened(window);
        for (uint32_t p = 0; p < m_pElementClass->GetPropertyCount(); p++)
        {
            const Property* property = m_pElementClass->GetProperty(p);
            if (property->GetEditorMode() != EDITOR_HIDDEN)
                property->OnEditorOpened(window, element);
        }
    }
}

void ObjectArrayProperty::CopyValue(void* destination, const void* source, const Property* sourceProperty) const
{
    const ObjectArrayProperty& sourceArray = static_cast<const ObjectArrayProperty&>(*sourceProperty);
    const uint32_t count = sourceArray.GetCount(source);
    SetCount(destination, 0);
    SetCount(destination, count);
    for (uint32_t i = 0; i < count; i++)
        GetElement(destination, i)->CopyFrom(*sourceArray.GetElement(source, i));
}

bool ObjectArrayProperty::ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const
{
    const ObjectArrayProperty& arrayB = static_cast<const ObjectArrayProperty&>(*propertyOfB);
    const uint32_t count = GetCount(objectA);
    if (count != arrayB.GetCount(objectB))
        return false;
    for (uint32_t i = 0; i < count; i++)
        if (!GetElement(objectA, i)->AllPropertiesEqual(*arrayB.GetElement(objectB, i)))
            return false;
    return true;
}

void ObjectArrayProperty::ConstructValue(void* object) const
{
    DataField(object) = nullptr;
    CountField(object) = 0;
    CapacityField(object) = 0;
}

void ObjectArrayProperty::DestroyValue(void* object) const
{
    CObject* items = DataField(object);
    if (items != nullptr)
        m_pElementClass->DestroyObjectArray(items);
    ConstructValue(object);
}

void ObjectArrayProperty::SetDefault(void* object) const
{
    DestroyValue(object);
    if (m_pItemNames != nullptr)
        SetCount(object, m_pItemNames->GetCount());
}

void ObjectArrayProperty::AfterLoad(void* object, bool withReceiver) const
{
    for (uint32_t i = 0; i < GetCount(object); i++)
    {
        if (withReceiver)
        {
            CTypedObjectReceiver discard;
            GetElement(object, i)->AfterLoad(&discard);
        }
        else
        {
            GetElement(object, i)->AfterLoad(nullptr);
        }
    }
}

void ObjectArrayProperty::ToText(const void* object, CString& out) const
{
    out.Format("%u", GetCount(object));
}

void ObjectArrayProperty::FromText(void* object, const char* text, CObjectStream* stream) const
{
    if (stream != nullptr)
    {
        ReadBlock(object, *stream);
        return;
    }
    // The editor's count; a count no array can hold is ignored.
    const int32_t count = ParseDecimalInt(text);
    if (IsStorableCount(count, static_cast<uint32_t>(m_Stride)))
        SetCount(object, static_cast<uint32_t>(count));
}

void ObjectArrayProperty::ReadBlock(void* object, CObjectStream& stream) const
{
    enum { APPEND, BY_INDEX, BY_NAME } placement = m_pItemNames != nullptr ? BY_NAME : APPEND;
    if (placement == APPEND)
        SetCount(object, 0);
    if (!NextLineOpensBlock(stream))
        return;
    CString line;
    stream.ReadNonBlankLine(line);

    uint32_t nextIndex = 0;
    CString name;
    const char* value = nullptr;
    while (ReadNextBlockEntry(stream, line, name, value))
    {
        if (CompareItemNames(name.GetText(), "Array Count") == 0 || CompareItemNames(name.GetText(), "Item Count") == 0)
        {
            const uint32_t count = ReadDeclaredElementCount(*this, value, static_cast<uint32_t>(m_Stride));
            if (placement == BY_NAME)
                continue;
            if (count != GetCount(object) || CapacityField(object) != GetCount(object))
                MakeFreshElements(object, count);
            placement = BY_INDEX;
            nextIndex = 0;
            continue;
        }

        if (!NextLineOpensBlock(stream))
            continue;
        if (placement == BY_NAME)
        {
            const int32_t found = m_pItemNames->Find(name.GetText(), -1);
            if (found == -1 || static_cast<uint32_t>(found) >= GetCount(object))
            {
                // An element this array has no place for: read and dropped.
                std::unique_ptr<CObject> dropped(m_pElementClass->CreateObject());
                ReadObjectFromStream(dropped.get(), stream);
                continue;
            }
            ReadObjectFromStream(GetElement(object, static_cast<uint32_t>(found)), stream);
            continue;
        }
        uint32_t index = GetCount(object);
        if (placement == BY_INDEX)
            index = nextIndex++;
        // More element lines than announced grow the array.
        if (index >= GetCount(object))
            SetCount(object, index + 1);
        ReadObjectFromStream(GetElement(object, index), stream);
    }
}

bool ObjectArrayProperty::IsDefault(const void* object) const
{
    return GetCount(object) == 0;
}

void ObjectArrayProperty::WriteElementName(uint32_t index, CObjectStream& stream) const
{
    if (m_pItemNames != nullptr && index < m_pItemNames->GetCount())
        stream.WriteString(m_pItemNames->GetNameString(index));
    else
        stream.WriteText(ELEMENT_NAME);
    stream.WriteText("=");
}

void ObjectArrayProperty::WriteValueLine(const void* object, CObjectStream& stream) const
{
    const uint32_t count = GetCount(object);
    stream.WriteLine("Array");
    stream.WriteLine("{");
    stream.Indent();
    CString countLine;
    countLine.Format("Array Count=%u", count);
    stream.WriteLine(countLine);
    for (uint32_t i = 0; i < count; i++)
    {
        WriteElementName(i, stream);
        GetElement(object, i)->WriteText(stream, true);
    }
    stream.Unindent();
    stream.WriteLine("}");
}

void ObjectArrayProperty::WriteBinary(const void* object, CObjectStream& stream) const
{
    const uint32_t count = GetCount(object);
    stream.WriteInt(static_cast<int32_t>(count));
    for (uint32_t i = 0; i < count; i++)
    {
        if (m_pItemNames != nullptr)
            stream.WriteCountedString(i < m_pItemNames->GetCount() ? m_pItemNames->GetName(i) : "");
        GetElement(object, i)->WriteBinary(stream);
    }
}

bool ObjectArrayProperty::ReadBinary(void* object, CObjectStream& stream) const
{
    int32_t stored = 0;
    stream.ReadInt(stored);
    // Every element takes bytes of its own, so a count beyond the bytes
    // left can only come from damage.
    if (stream.HasReadCameShort() || !IsStorableCount(stored, static_cast<uint32_t>(m_Stride)) ||
        static_cast<uint32_t>(stored) > stream.GetBytesLeft())
        return false;
    const uint32_t count = m_pItemNames != nullptr ? m_pItemNames->GetCount() : static_cast<uint32_t>(stored);
    MakeFreshElements(object, count);
    if (count == 0)
        return true;

    for (uint32_t i = 0; i < static_cast<uint32_t>(stored); i++)
    {
        uint32_t index = i;
        if (m_pItemNames != nullptr)
        {
            char name[BINARY_NAME_BUFFER];
            stream.ReadCountedStringInto(name, sizeof name);
            if (stream.HasReadCameShort())
                return false;
            const int32_t found = m_pItemNames->Find(name, -1);
            if (found == -1)
                return false;
            index = static_cast<uint32_t>(found);
        }
        if (!GetElement(object, index)->ReadBinary(stream))
            return false;
    }
    return true;
}

void ObjectArrayProperty::PreloadReferences(void* object) const
{
    for (uint32_t i = 0; i < GetCount(object); i++)
        GetElement(object, i)->PreloadReferences();
}

void ObjectArrayProperty::VisitReferences(void* object, CReferenceVisitor& visitor) const
{
    for (uint32_t i = 0; i < GetCount(object); i++)
        GetElement(object, i)->VisitReferences(visitor);
}
