#include "engine/object/properties/array_property.h"

#include <algorithm>
#include <cstring>

#include "engine/core/strings/decimal_number.h"
#include "engine/core/program/error_report.h"
#include "engine/core/memory/memory_pools.h"
#include "engine/core/program/profiler.h"
#include "engine/core/lists/virtual_array.h"
#include "engine/object/object_stream.h"
#include "engine/object/properties/property_reading.h"
#include "engine/object/text_lines.h"

namespace
{
CProfileSection s_SetCountSection("ArrayProperty_SetCount");
CProfileSection s_ReallocSection("ArrayProperty_SetCount_Realloc");

// A registration whose element kind does not match the data pointer would
// lay elements out at the wrong stride.
void CheckElementSize(const char* arrayName, const CArrayDataMember& data, const Property* element)
{
    if (data.elementSize == element->GetValueSize())
        return;
    CString text;
    text.Format("The array \"%s\" holds elements of %d bytes, but its element property \"%s\" describes %d.",
                arrayName, data.elementSize, element->GetName(), element->GetValueSize());
    ShowErrorReport("Programming BUG", text.GetText());
    ExitAfterFatalError();
}
}

ArrayProperty::ArrayProperty(const char* fullName, CPropertyMember<uint32_t> count,
                             CPropertyMember<uint32_t> capacity, CArrayDataMember data, const char* memberName,
                             bool pooled, Property* element, int32_t editorMode)
    : Property(fullName, nullptr, count.offset, count.size, editorMode)
    , m_CapacityOffset(capacity.offset)
    , m_DataOffset(data.offset)
    , m_pElement(element)
    , m_Stride(element->GetValueSize())
    , m_Pooled(pooled)
{
    CheckElementSize(fullName, data, element);
    const int32_t first = std::min({count.offset, capacity.offset, data.offset});
    const int32_t end = std::max({count.offset + count.size, capacity.offset + capacity.size,
                                  data.offset + static_cast<int32_t>(sizeof(void*))});
    SetMember(memberName, first, end - first);
}

ArrayProperty::ArrayProperty(const char* fullName, CPropertyMember<uint32_t> count, CArrayDataMember data,
                             Property* element, int32_t editorMode)
    : Property(fullName, nullptr, count.offset, count.size, editorMode)
    , m_CapacityOffset(0)
    , m_DataOffset(data.offset)
    , m_pElement(element)
    , m_Stride(element->GetValueSize())
    , m_Pooled(false)
{
    CheckElementSize(fullName, data, element);
}

ArrayProperty::ArrayProperty(const ArrayProperty& other)
    : Property(other)
    , m_CapacityOffset(other.m_CapacityOffset)
    , m_DataOffset(other.m_DataOffset)
    , m_pElement(other.m_pElement->Clone())
    , m_Stride(other.m_Stride)
    , m_Pooled(other.m_Pooled)
{
}

ArrayProperty::~ArrayProperty()
{
    delete m_pElement;
}

uint32_t ArrayProperty::GetCount(const void* object) const
{
    return ValueAt<uint32_t>(object);
}

uint32_t ArrayProperty::GetCapacity(const void* object) const
{
    if (!HasCapacityField())
        return GetCount(object);
    return CapacityField(const_cast<void*>(object));
}

uint32_t& ArrayProperty::CapacityField(void* object) const
{
    return *reinterpret_cast<uint32_t*>(static_cast<char*>(object) + m_CapacityOffset);
}

char*& ArrayProperty::DataField(void* object) const
{
    return *reinterpret_cast<char**>(static_cast<char*>(object) + m_DataOffset);
}

void* ArrayProperty::GetElement(void* object, uint32_t index) const
{
    return DataField(object) + static_cast<size_t>(index) * static_cast<size_t>(m_Stride);
}

const void* ArrayProperty::GetElement(const void* object, uint32_t index) const
{
    return GetElement(const_cast<void*>(object), index);
}

char* ArrayProperty::AllocateStorage(uint32_t capacity) const
{
    if (capacity == 0)
        return nullptr;
    if (m_Pooled)
        return static_cast<char*>(GetMemoryPools().Allocate(static_cast<size_t>(capacity) * m_Stride));
    return static_cast<char*>(m_pElement->AllocateArray(capacity));
}

void ArrayProperty::FreeStorage(char* storage, uint32_t capacity) const
{
    if (storage == nullptr)
        return;
    if (m_Pooled)
        GetMemoryPools().Free(storage, static_cast<size_t>(capacity) * m_Stride);
    else
        m_pElement->FreeArray(storage);
}

// Swapping rather than copying leaves every slot holding exactly one value,
// so storage handed out with live values is given back with live values.
void ArrayProperty::SwapElements(char* a, char* b) const
{
    std::swap_ranges(a, a + m_Stride, b);
}

void ArrayProperty::NewElement(char* element) const
{
    m_pElement->ConstructValue(element);
    m_pElement->SetDefault(element);
}

void ArrayProperty::SetCount(void* object, uint32_t count, int32_t position, bool exact) const
{
    CProfileScope profile(s_SetCountSection);
    const uint32_t old = GetCount(object);
    if (count == old)
        return;
    const uint32_t capacity = GetCapacity(object);
    const bool removing = count < old;
    const uint32_t changed = removing ? old - count : count - old;
    // Out-of-range positions act at the end.
    const uint32_t last = removing ? count : old;
    const uint32_t at = position >= 0 && static_cast<uint32_t>(position) <= last ? static_cast<uint32_t>(position)
                                                                                    : last;

    uint32_t newCapacity = count;
    if (HasCapacityField() && !exact)
    {
        newCapacity = capacity;
        if (count < capacity / 16 && capacity > 20)
            newCapacity = count + count / 16;
        if (count > capacity)
            newCapacity = 2 * count;
    }

    char* data = DataField(object);
    auto slot = [this](char* storage, uint32_t index) { return storage + static_cast<size_t>(index) * m_Stride; };
    if (HasCapacityField() && newCapacity == capacity)
    {
        if (removing)
        {
            for (uint32_t i = at; i < at + changed; i++)
                m_pElement->DestroyValue(slot(data, i));
            for (uint32_t i = at; i + changed < old; i++)
                SwapElements(slot(data, i), slot(data, i + changed));
        }
        else
        {
            for (uint32_t i = old; i-- > at;)
                SwapElements(slot(data, i), slot(data, i + changed));
            for (uint32_t i = at; i < at + changed; i++)
                NewElement(slot(data, i));
        }
    }
    else
    {
        CProfileScope reallocProfile(s_ReallocSection);
        char* fresh = AllocateStorage(newCapacity);
        for (uint32_t i = 0; i < at; i++)
            SwapElements(slot(fresh, i), slot(data, i));
        if (removing)
        {
            for (uint32_t i = at; i < at + changed; i++)
                m_pElement->DestroyValue(slot(data, i));
            for (uint32_t i = at + changed; i < old; i++)
                SwapElements(slot(fresh, i - changed), slot(data, i));
        }
        else
        {
            for (uint32_t i = at; i < old; i++)
                SwapElements(slot(fresh, i + changed), slot(data, i));
            for (uint32_t i = at; i < at + changed; i++)
                NewElement(slot(fresh, i));
        }
        FreeStorage(data, capacity);
        DataField(object) = fresh;
    }

    CountField(object) = count;
    if (HasCapacityField())
        CapacityField(object) = newCapacity;
}

void* ArrayProperty::AppendElement(void* object) const
{
    const uint32_t count = GetCount(object);
    SetCount(object, count + 1);
    return GetElement(object, count);
}

Property* ArrayProperty::Clone() const
{
    return new ArrayProperty(*this);
}

bool ArrayProperty::HasSingleLineValue() const
{
    return false;
}

void ArrayProperty::CreateEditor(CPropertyWindow* window, void* object, const Property* groupProperty,
                                 const char*) const
{
    if (m_pElement->GetEditorMode() == EDITOR_HIDDEN)
        return;
    CString label;
    for (uint32_t i = 0; i < GetCount(object); i++)
    {
        label.Format("%s %u", m_pElement->GetName(), i + 1);
        m_pElement->CreateEditor(window, GetElement(object, i), groupProperty, label.GetText());
    }
}

void ArrayProperty::CopyValue(void* destination, const void* source, const Property* sourceProperty) const
{
    const ArrayProperty& sourceArray = static_cast<const ArrayProperty&>(*sourceProperty);
    const uint32_t count = sourceArray.GetCount(source);
    SetCount(destination, 0);
    SetCount(destination, count);
    for (uint32_t i = 0; i < count; i++)
        m_pElement->CopyValue(GetElement(destination, i), sourceArray.GetElement(source, i), sourceArray.m_pElement);
}

bool ArrayProperty::ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const
{
    const ArrayProperty& arrayB = static_cast<const ArrayProperty&>(*propertyOfB);
    const uint32_t count = GetCount(objectA);
    if (count != arrayB.GetCount(objectB))
        return false;
    for (uint32_t i = 0; i < count; i++)
        if (!m_pElement->ValuesEqual(GetElement(objectA, i), arrayB.GetElement(objectB, i), arrayB.m_pElement))
            return false;
    return true;
}

void ArrayProperty::ConstructValue(void* object) const
{
    DataField(object) = nullptr;
    CountField(object) = 0;
    if (HasCapacityField())
        CapacityField(object) = 0;
}

void ArrayProperty::DestroyValue(void* object) const
{
    for (uint32_t i = 0; i < GetCount(object); i++)
        m_pElement->DestroyValue(GetElement(object, i));
    FreeStorage(DataField(object), GetCapacity(object));
    ConstructValue(object);
}

void ArrayProperty::SetDefault(void* object) const
{
    SetCount(object, 0);
}

void ArrayProperty::AfterLoad(void* object, bool withReceiver) const
{
    for (uint32_t i = 0; i < GetCount(object); i++)
        m_pElement->AfterLoad(GetElement(object, i), withReceiver);
}

void ArrayProperty::ToText(const void* object, CString& out) const
{
    out.Format("%u", GetCount(object));
}

void ArrayProperty::FromText(void* object, const char* text, CObjectStream* stream) const
{
    ReadNameValue(object, nullptr, text, stream, -1);
}

void ArrayProperty::ReadNameValue(void* object, const char* name, const char* value, CObjectStream* stream,
                                  int32_t lineStart) const
{
    if (stream == nullptr)
    {
        // The editor's count; a count no array can hold is ignored.
        const int32_t count = ParseDecimalInt(value);
        if (IsStorableCount(count, static_cast<uint32_t>(m_Stride)))
            SetCount(object, static_cast<uint32_t>(count));
        return;
    }
    const bool ownName = name == nullptr || HasName(name);
    if (!ownName || CompareItemNames(value, "Array") != 0)
    {
        void* element = AppendElement(object);
        m_pElement->ReadNameValue(element, name, value, stream, lineStart);
        return;
    }
    ReadBlock(object, *stream);
}

void ArrayProperty::ReadBlock(void* object, CObjectStream& stream) const
{
    SetCount(object, 0);
    if (!NextLineOpensBlock(stream))
        return;
    CString line;
    stream.ReadNonBlankLine(line);

    // Lines inside blocks nested in this one (an element's object, or a
    // block after a key this array does not know) belong to those blocks.
    int32_t depth = 0;
    uint32_t elementLines = 0;
    CString key;
    while (stream.ReadLine(line))
    {
        const char* text = SkipLineIndent(line.GetText());
        if (text[0] == '\0')
            continue;
        if (text[0] == '{')
        {
            depth++;
            continue;
        }
        if (text[0] == '}')
        {
            if (depth == 0)
                return;
            depth--;
            continue;
        }
        const char* equals = strchr(text, '=');
        if (depth > 0 || equals == nullptr)
            continue;
        key.Assign(text, static_cast<uint32_t>(equals - text));
        const char* value = equals + 1;
        if (CompareItemNames(key.GetText(), "Item Count") == 0 || CompareItemNames(key.GetText(), "Array Count") == 0)
        {
            SetCount(object, ReadDeclaredElementCount(*this, value, static_cast<uint32_t>(m_Stride)));
        }
        else if (m_pElement->HasName(key.GetText()))
        {
            const uint32_t index = elementLines++;
            if (GetCount(object) < index + 1)
                SetCount(object, index + 1);
            m_pElement->FromText(GetElement(object, index), value, &stream);
        }
    }
}

bool ArrayProperty::ShouldWrite(const void* object) const
{
    return GetCount(object) != 0 || GetAlwaysWrite();
}

bool ArrayProperty::IsDefault(const void* object) const
{
    return GetCount(object) == 0;
}

void ArrayProperty::WriteValueLine(const void* object, CObjectStream& stream) const
{
    const uint32_t count = GetCount(object);
    stream.WriteLine("Array");
    stream.WriteLine("{");
    stream.Indent();
    if (count >= 2)
    {
        CString countLine;
        countLine.Format("Item Count=%u", count);
        stream.WriteLine(countLine);
    }
    for (uint32_t i = 0; i < count; i++)
    {
        const void* element = GetElement(object, i);
        m_pElement->WriteName(element, stream);
        m_pElement->WriteValueLine(element, stream);
    }
    stream.Unindent();
    stream.WriteLine("}");
}

void ArrayProperty::WriteXmlElement(const void* object, CObjectStream& stream) const
{
    for (uint32_t i = 0; i < GetCount(object); i++)
        m_pElement->WriteXmlElement(GetElement(object, i), stream);
}

void ArrayProperty::WriteBinary(const void* object, CObjectStream& stream) const
{
    const uint32_t count = GetCount(object);
    stream.WriteInt(static_cast<int32_t>(count));
    for (uint32_t i = 0; i < count; i++)
        m_pElement->WriteBinary(GetElement(object, i), stream);
}

bool ArrayProperty::ReadBinary(void* object, CObjectStream& stream) const
{
    SetCount(object, 0);
    int32_t count = 0;
    stream.ReadInt(count);
    // Every element takes at least one byte, so a count beyond the bytes
    // left can only come from damage.
    if (stream.HasReadCameShort() || !IsStorableCount(count, static_cast<uint32_t>(m_Stride)) ||
        static_cast<uint32_t>(count) > stream.GetBytesLeft())
        return false;
    SetCount(object, static_cast<uint32_t>(count), -1, true);
    for (uint32_t i = 0; i < static_cast<uint32_t>(count); i++)
        if (!m_pElement->ReadBinary(GetElement(object, i), stream))
            return false;
    return true;
}

bool ArrayProperty::ClaimsName(const char* name) const
{
    return CompareItemNames(name, m_pElement->GetName()) == 0;
}

void ArrayProperty::PreloadReferences(void* object) const
{
    for (uint32_t i = 0; i < GetCount(object); i++)
        m_pElement->PreloadReferences(GetElement(object, i));
}

void ArrayProperty::VisitReferences(void* object, CReferenceVisitor& visitor) const
{
    for (uint32_t i = 0; i < GetCount(object); i++)
        m_pElement->VisitReferences(GetElement(object, i), visitor);
}
