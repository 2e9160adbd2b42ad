#include "engine/object/properties/nested_object_property.h"

#include "engine/object/class_info.h"
#include "engine/object/object_files.h"
#include "engine/object/object_stream.h"
#include "engine/object/properties/property_reading.h"
#include "engine/object/typed_object_receiver.h"

NestedObjectProperty::NestedObjectProperty(const char* fullName, int32_t offset, int32_t size,
                                           const CClassInfo* classInfo, int32_t editorMode)
    : Property(fullName, nullptr, offset, size, editorMode)
    , m_pClassInfo(classInfo)
{
}

Property* NestedObjectProperty::Clone() const
{
    return new NestedObjectProperty(*this);
}

bool NestedObjectProperty::HasSingleLineValue() const
{
    return false;
}

void NestedObjectProperty::CreateEditor(CPropertyWindow* window, void* object, const Property* groupProperty,
                                        const char* label) const
{
    CObject& embedded = Embedded(object);
    const CClassInfo* classInfo = embedded.GetClassInfo();
    for (uint32_t i = 0; i < classInfo->GetPropertyCount(); i++)
    {
        const Property* property = classInfo->GetProperty(i);
        if (property->GetEditorMode() == EDITOR_HIDDEN)
            continue;
        CString memberLabel(label);
        memberLabel.AppendDelimited(" ", property->GetNameString());
        property->CreateEditor(window, &embedded, groupProperty, memberLabel.GetText());
    }
}

void NestedObjectProperty::OnEditorOpened(CPropertyWindow* window, void* object) const
{
    CObject& embedded = Embedded(object);
    embedded.OnEditorOpened(window);
    const CClassInfo* classInfo = embedded.GetClassInfo();
    for (uint32_t i = 0; i < classInfo->GetPropertyCount(); i++)
    {
        const Property* property = classInfo->GetProperty(i);
        if (property->GetEditorMode() != EDITOR_HIDDEN)
            property->OnEditorOpened(window, &embedded);
    }
}

void NestedObjectProperty::CopyValue(void* destination, const void* source, const Property* sourceProperty) const
{
    const CObject& sourceObject = *reinterpret_cast<const CObject*>(&sourceProperty->ValueAt<char>(source));
    Embedded(destination).CopyFrom(sourceObject);
}

bool NestedObjectProperty::ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const
{
    const CObject& b = *reinterpret_cast<const CObject*>(&propertyOfB->ValueAt<char>(objectB));
    return Embedded(objectA).AllPropertiesEqual(b);
}

void NestedObjectProperty::SetDefault(void* object) const
{
    Embedded(object).SetDefaults();
}

void NestedObjectProperty::AfterLoad(void* object, bool withReceiver) const
{
    if (withReceiver)
    {
        CTypedObjectReceiver discard;
        Embedded(object).AfterLoad(&discard);
    }
    else
    {
        Embedded(object).AfterLoad(nullptr);
    }
}

void NestedObjectProperty::ToText(const void*, CString& out) const
{
    out.Empty();
}

void NestedObjectProperty::FromText(void* object, const char*, CObjectStream* stream) const
{
    if (stream != nullptr && NextLineOpensBlock(*stream))
        ReadObjectFromStream(&Embedded(object), *stream);
}

bool NestedObjectProperty::IsDefault(const void* object) const
{
    return Embedded(object).AllPropertiesDefault();
}

void NestedObjectProperty::WriteValueLine(const void* object, CObjectStream& stream) const
{
    Embedded(const_cast<void*>(object)).WriteText(stream, true);
}

void NestedObjectProperty::WriteBinary(const void* object, CObjectStream& stream) const
{
    Embedded(const_cast<void*>(object)).WriteBinary(stream);
}

bool NestedObjectProperty::ReadBinary(void* object, CObjectStream& stream) const
{
    return Embedded(object).ReadBinary(stream);
}

void NestedObjectProperty::PreloadReferences(void* object) const
{
    Embedded(object).PreloadReferences();
}

void NestedObjectProperty::VisitReferences(void* object, CReferenceVisitor& visitor) const
{
    Embedded(object).VisitReferences(visitor);
}

void* NestedObjectProperty::AllocateArray(uint32_t count) const
{
    return m_pClassInfo->CreateObjectArray(count);
}

void NestedObjectProperty::FreeArray(void* storage) const
{
    if (storage != nullptr)
        m_pClassInfo->DestroyObjectArray(static_cast<CObject*>(storage));
}
