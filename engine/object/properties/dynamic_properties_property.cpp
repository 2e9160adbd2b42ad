#include "engine/object/properties/dynamic_properties_property.h"

#include "engine/core/strings/decimal_number.h"
#include "engine/object/block_entries.h"
#include "engine/object/class_info.h"
#include "engine/object/dynamic_property_table.h"
#include "engine/object/dynamic_value_set.h"
#include "engine/object/object.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "engine/object/object_stream.h"
#include "engine/object/text_lines.h"

namespace
{
// Names in the binary form are at most this long, terminator included.
const uint32_t BINARY_NAME_BUFFER = 100;

// Values are written and read under the same rules as the object's own
// properties.
bool WritesValue(const Property* property, const void* value)
{
    return property->IsWrittenInText() && property->ShouldWrite(value);
}

// The count on the text line is that of the values the block holds.
uint32_t CountWrittenValues(const CDynamicValueSet* set)
{
    uint32_t count = 0;
    for (uint32_t i = 0; set != nullptr && i < set->GetCount(); i++)
        if (WritesValue(set->GetProperty(i), set->GetStorage(i)))
            count++;
    return count;
}

bool HasSavedValues(const CDynamicValueSet* set)
{
    return set != nullptr && set->HasSavedValues();
}
}

DynamicPropertiesProperty::DynamicPropertiesProperty(CPropertyMember<CDynamicValueSet*> member)
    : Property("Dynamic Properties", nullptr, member.offset, member.size, EDITOR_EDITABLE)
{
}

Property* DynamicPropertiesProperty::Clone() const
{
    return new DynamicPropertiesProperty(*this);
}

bool DynamicPropertiesProperty::HasSingleLineValue() const
{
    return false;
}

void DynamicPropertiesProperty::CreateEditor(CPropertyWindow* window, void* object, const Property*,
                                             const char*) const
{
    const CDynamicValueSet* set = ValueAt<CDynamicValueSet*>(object);
    if (set == nullptr)
        return;
    for (uint32_t i = 0; i < set->GetCount(); i++)
    {
        const Property* property = set->GetProperty(i);
        if (property->GetEditorMode() != EDITOR_HIDDEN)
            property->CreateEditor(window, set->GetStorage(i), property, property->GetName());
    }
}

void DynamicPropertiesProperty::CopyValue(void* destination, const void* source, const Property* sourceProperty) const
{
    const CDynamicValueSet* sourceSet = sourceProperty->ValueAt<CDynamicValueSet*>(source);
    if (sourceSet == nullptr)
    {
        SetDefault(destination);
        return;
    }
    CDynamicValueSet*& set = ValueAt<CDynamicValueSet*>(destination);
    if (set == nullptr)
        set = new CDynamicValueSet();
    set->CopyFrom(*sourceSet);
}

bool DynamicPropertiesProperty::ValuesEqual(const void* objectA, const void* objectB,
                                            const Property* propertyOfB) const
{
    const CDynamicValueSet* a = ValueAt<CDynamicValueSet*>(objectA);
    const CDynamicValueSet* b = propertyOfB->ValueAt<CDynamicValueSet*>(objectB);
    if (a == nullptr || b == nullptr)
        return !HasSavedValues(a) && !HasSavedValues(b);
    return a->Equals(*b);
}

void DynamicPropertiesProperty::ConstructValue(void* object) const
{
    ValueAt<CDynamicValueSet*>(object) = nullptr;
}

void DynamicPropertiesProperty::DestroyValue(void* object) const
{
    CDynamicValueSet*& set = ValueAt<CDynamicValueSet*>(object);
    delete set;
    set = nullptr;
}

void DynamicPropertiesProperty::SetDefault(void* object) const
{
    CDynamicValueSet* set = ValueAt<CDynamicValueSet*>(object);
    if (set == nullptr)
        return;
    set->RemoveSavedValues();
    if (set->GetCount() == 0)
        DestroyValue(object);
}

void DynamicPropertiesProperty::AfterLoad(void* object, bool withReceiver) const
{
    CDynamicValueSet* set = ValueAt<CDynamicValueSet*>(object);
    if (set != nullptr)
        set->AfterLoad(withReceiver);
}

void DynamicPropertiesProperty::ToText(const void* object, CString& out) const
{
    const uint32_t count = CountWrittenValues(ValueAt<CDynamicValueSet*>(object));
    if (count != 0)
        out.Format("%u", count);
    else
        out.Empty();
}

void DynamicPropertiesProperty::FromText(void* object, const char* text, CObjectStream* stream) const
{
    SetDefault(object);
    if (ParseDecimalInt(text) == 0 || stream == nullptr)
        return;
    if (ValueAt<CDynamicValueSet*>(object) == nullptr)
        ValueAt<CDynamicValueSet*>(object) = new CDynamicValueSet();

    // A count with no block after it must not take the owner's next lines.
    const int32_t afterCount = stream->Tell();
    CString line;
    if (!stream->ReadNonBlankLine(line) || SkipLineIndent(line.GetText())[0] != '{')
    {
        stream->Seek(static_cast<uint32_t>(afterCount));
        return;
    }
    ReadBlock(static_cast<CObject*>(object), *stream);
}

void DynamicPropertiesProperty::ReadBlock(CObject* object, CObjectStream& stream) const
{
    CDynamicPropertyTable* table = object->GetClassInfo()->GetDynamicPropertyTable();
    CString line;
    CString name;
    const char* value = nullptr;
    while (ReadNextBlockEntry(stream, line, name, value))
    {
        const Property* property = table->FindByName(name.GetText());
        if (property != nullptr)
            property->FromText(object->GetOrCreateDynamicValue(property), value, &stream);
        else
            object->ReadCustomProperties(name.GetText(), value, stream);
    }
}

bool DynamicPropertiesProperty::ShouldWrite(const void* object) const
{
    return CountWrittenValues(ValueAt<CDynamicValueSet*>(object)) != 0;
}

bool DynamicPropertiesProperty::IsDefault(const void* object) const
{
    return !HasSavedValues(ValueAt<CDynamicValueSet*>(object));
}

void DynamicPropertiesProperty::WriteValueLine(const void* object, CObjectStream& stream) const
{
    const CDynamicValueSet* set = ValueAt<CDynamicValueSet*>(object);
    const uint32_t count = CountWrittenValues(set);
    CString countText;
    countText.Format("%u", count);
    stream.WriteLine(countText);
    if (count == 0)
        return;

    stream.WriteLine("{");
    stream.Indent();
    for (uint32_t i = 0; i < set->GetCount(); i++)
    {
        const Property* property = set->GetProperty(i);
        const void* value = set->GetStorage(i);
        if (!WritesValue(property, value))
            continue;
        property->WriteName(value, stream);
        property->WriteValueLine(value, stream);
    }
    stream.Unindent();
    stream.WriteLine("}");
}

void DynamicPropertiesProperty::WriteBinary(const void* object, CObjectStream& stream) const
{
    const CDynamicValueSet* set = ValueAt<CDynamicValueSet*>(object);
    const uint32_t entries = set != nullptr ? set->GetCount() : 0;
    uint32_t count = 0;
    for (uint32_t i = 0; i < entries; i++)
        if (set->GetProperty(i)->IsWrittenInBinary())
            count++;
    stream.WriteInt(static_cast<int32_t>(count));
    for (uint32_t i = 0; i < entries; i++)
    {
        const Property* property = set->GetProperty(i);
        if (!property->IsWrittenInBinary())
            continue;
        stream.WriteCountedString(property->GetName());
        property->WriteBinary(set->GetStorage(i), stream);
    }
}

bool DynamicPropertiesProperty::ReadBinary(void* object, CObjectStream& stream) const
{
    SetDefault(object);
    int32_t count = 0;
    stream.ReadInt(count);
    if (stream.HasReadCameShort())
        return false;
    if (count == 0)
        return true;

    CObject* owner = static_cast<CObject*>(object);
    CDynamicPropertyTable* table = owner->GetClassInfo()->GetDynamicPropertyTable();
    if (ValueAt<CDynamicValueSet*>(object) == nullptr)
        ValueAt<CDynamicValueSet*>(object) = new CDynamicValueSet();
    for (uint32_t i = 0; i < static_cast<uint32_t>(count); i++)
    {
        char name[BINARY_NAME_BUFFER];
        stream.ReadCountedStringInto(name, sizeof name);
        if (stream.HasReadCameShort())
            return false;
        const Property* property = table->FindByName(name);
        if (property == nullptr)
            return false;
        void* value = owner->AddDynamicValue(property);
        if (value == nullptr || !property->ReadBinary(value, stream))
            return false;
    }
    return true;
}

void DynamicPropertiesProperty::PreloadReferences(void* object) const
{
    CDynamicValueSet* set = ValueAt<CDynamicValueSet*>(object);
    if (set != nullptr)
        set->PreloadReferences();
}

void DynamicPropertiesProperty::VisitReferences(void* object, CReferenceVisitor& visitor) const
{
    CDynamicValueSet* set = ValueAt<CDynamicValueSet*>(object);
    if (set != nullptr)
        set->VisitReferences(visitor);
}

// Only whether the object holds dynamic values travels; the values do not.
void DynamicPropertiesProperty::WriteDelta(const void* object, CMessageStream& stream, const void*) const
{
    stream.WriteBool(ValueAt<CDynamicValueSet*>(object) != nullptr);
}

void DynamicPropertiesProperty::ReadDelta(void* object, CMessageStream& stream) const
{
    bool hasSet = false;
    stream.ReadBool(hasSet);
    if (!hasSet)
        SetDefault(object);
    else if (ValueAt<CDynamicValueSet*>(object) == nullptr)
        ValueAt<CDynamicValueSet*>(object) = new CDynamicValueSet();
}
