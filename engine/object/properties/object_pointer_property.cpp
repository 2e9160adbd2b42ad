#include "engine/object/properties/object_pointer_property.h"

#include <cstring>

#include "engine/core/program/error_report.h"
#include "engine/core/lists/virtual_array.h"
#include "engine/object/class_info.h"
#include "engine/object/class_registry.h"
#include "engine/object/editor_hooks.h"
#include "engine/object/object_stream.h"
#include "engine/object/properties/property_reading.h"
#include "engine/object/typed_object_receiver.h"

namespace
{
// Class names in the binary form are at most 99 bytes.
const uint32_t BINARY_CLASS_NAME_BUFFER = 100;

[[noreturn]] void ReportInvalidClass(const CString& text)
{
    ShowErrorReport("Invalid class type", text.GetText());
    ExitAfterFatalError();
}
}

ObjectPointerProperty::ObjectPointerProperty(const char* fullName, CObjectPointerMember member,
                                             const CClassInfo* baseClass, int32_t editorMode,
                                             const CClassInfo* defaultClass)
    : Property(fullName, nullptr, member.offset, member.size, editorMode)
    , m_pBaseClass(baseClass)
    , m_pDefaultClass(defaultClass)
    , m_AllowNone(true)
    , m_ClassChangeable(true)
{
}

CObject* ObjectPointerProperty::GetValue(const CObject* owner) const
{
    const void* storage = owner->GetDynamicValue(this);
    return storage != nullptr ? ValueAt<CObject*>(storage) : nullptr;
}

void ObjectPointerProperty::SetValue(CObject* owner, CObject* pointed) const
{
    Replace(GetValueStorage(owner), pointed);
}

void ObjectPointerProperty::DeletePointed(CObject* pointed)
{
    GetEditorHooks().ForgetObjectInPropertyHistory(pointed);
    delete pointed;
}

void ObjectPointerProperty::Replace(void* object, CObject* pointed) const
{
    // The new object is in place before the old one goes, so nothing the
    // old one's destruction sets off can find a dying object through it.
    CObject*& value = ValueAt<CObject*>(object);
    CObject* old = value;
    value = pointed;
    if (old != nullptr && old != pointed)
        DeletePointed(old);
}

Property* ObjectPointerProperty::Clone() const
{
    return new ObjectPointerProperty(*this);
}

bool ObjectPointerProperty::HasSingleLineValue() const
{
    return true;
}

void ObjectPointerProperty::CopyValue(void* destination, const void* source, const Property* sourceProperty) const
{
    const CObject* pointed = sourceProperty->ValueAt<CObject*>(source);
    Replace(destination, pointed != nullptr ? pointed->CreateSameClass() : nullptr);
}

bool ObjectPointerProperty::ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const
{
    const CObject* a = ValueAt<CObject*>(objectA);
    const CObject* b = propertyOfB->ValueAt<CObject*>(objectB);
    if (a == nullptr || b == nullptr)
        return a == b;
    return a->AllPropertiesEqual(*b);
}

void ObjectPointerProperty::ConstructValue(void* object) const
{
    ValueAt<CObject*>(object) = nullptr;
}

void ObjectPointerProperty::DestroyValue(void* object) const
{
    Replace(object, nullptr);
}

void ObjectPointerProperty::SetDefault(void* object) const
{
    CObject* pointed = nullptr;
    if (m_pDefaultClass != nullptr)
    {
        pointed = m_pDefaultClass->CreateObject();
        pointed->SetDefaults();
    }
    Replace(object, pointed);
}

void ObjectPointerProperty::AfterLoad(void* object, bool withReceiver) const
{
    CObject*& pointed = ValueAt<CObject*>(object);
    if (pointed == nullptr)
        return;
    if (withReceiver)
    {
        CTypedObjectReceiver receiver(&pointed, m_pBaseClass);
        pointed->AfterLoad(&receiver);
    }
    else
    {
        pointed->AfterLoad(nullptr);
    }
}

void ObjectPointerProperty::ToText(const void* object, CString& out) const
{
    const CObject* pointed = ValueAt<CObject*>(object);
    if (pointed != nullptr)
        out = pointed->GetClassInfo()->GetClassName();
    else
        out.Empty();
}

void ObjectPointerProperty::FromText(void* object, const char* text, CObjectStream* stream) const
{
    ReadNameValue(object, nullptr, text, stream, -1);
}

CObject* ObjectPointerProperty::CreateNamedClass(const char* className) const
{
    const CClassInfo* classInfo = GetClassRegistry().Find(className);
    const char* baseName = m_pBaseClass->GetClassName();
    const char* fileName = CurrentFileName().GetText();
    CString text;
    if (classInfo == nullptr)
    {
        text.Format("Tried to use an unknown class \"%s\" for a \"%s\" (%s). Last file opened = \"%s\"", className,
                    GetName(), baseName, fileName);
        ReportInvalidClass(text);
    }
    if (!classInfo->IsKindOf(m_pBaseClass))
    {
        text.Format("Tried to use a %s for a %s when a %s is expected. Last file opened = \"%s\"",
                    classInfo->GetClassName(), GetName(), baseName, fileName);
        ReportInvalidClass(text);
    }
    if (classInfo->IsAbstract())
    {
        text.Format("Tried to use the abstract class \"%s\" for a \"%s\" (%s). Last file opened = \"%s\"",
                    classInfo->GetClassName(), GetName(), baseName, fileName);
        ReportInvalidClass(text);
    }
    return classInfo->CreateObject();
}

void ObjectPointerProperty::ReadNameValue(void* object, const char* name, const char* value, CObjectStream* stream,
                                          int32_t lineStart) const
{
    CObject* pointed = ValueAt<CObject*>(object);
    if (name != nullptr && !HasName(name))
    {
        // An abstract base class gives no object to hold lines written
        // inline; such a line is dropped.
        if (pointed == nullptr)
        {
            pointed = m_pBaseClass->CreateObject();
            if (pointed == nullptr)
                return;
            Replace(object, pointed);
        }
        if (stream != nullptr)
            ReadPointedObject(object, *stream, true, lineStart);
        return;
    }

    if (value[0] == '\0')
    {
        Replace(object, nullptr);
        return;
    }
    if (pointed == nullptr || CompareItemNames(pointed->GetClassInfo()->GetClassName(), value) != 0)
    {
        Replace(object, CreateNamedClass(value));
    }
    if (stream != nullptr)
    {
        ReadPointedObject(object, *stream, false, lineStart);
    }
    else
    {
        // The editor's choice of a class: a fresh, defaulted object.
        CObject* chosen = ValueAt<CObject*>(object);
        chosen->BeforeLoad();
        chosen->SetDefaults();
    }
}

void ObjectPointerProperty::ReadPointedObject(void* object, CObjectStream& stream, bool isInline,
                                              int32_t lineStart) const
{
    CObject* pointed = ValueAt<CObject*>(object);
    pointed->BeforeLoad();
    pointed->SetDefaults();
    {
        CPropertyFileContext context(*this);
        if (isInline)
        {
            stream.Seek(static_cast<uint32_t>(lineStart));
            pointed->ReadText(stream, true);
        }
        else if (NextLineOpensBlock(stream))
        {
            pointed->ReadText(stream, false);
        }
    }
    AfterLoad(object, true);
}

bool ObjectPointerProperty::ShouldWrite(const void* object) const
{
    return ValueAt<CObject*>(object) != nullptr || GetAlwaysWrite();
}

bool ObjectPointerProperty::IsDefault(const void* object) const
{
    const CObject* pointed = ValueAt<CObject*>(object);
    if (m_pDefaultClass == nullptr || pointed == nullptr)
        return m_pDefaultClass == nullptr && pointed == nullptr;
    // What SetDefault makes: an object of the default class, all defaults.
    return pointed->GetClassInfo() == m_pDefaultClass && pointed->AllPropertiesDefault();
}

void ObjectPointerProperty::WriteValueLine(const void* object, CObjectStream& stream) const
{
    CObject* pointed = ValueAt<CObject*>(object);
    if (pointed != nullptr)
        pointed->WriteText(stream, true);
    else
        stream.WriteLine("");
}

void ObjectPointerProperty::WriteValueInline(const void* object, CObjectStream& stream) const
{
    CObject* pointed = ValueAt<CObject*>(object);
    if (pointed != nullptr)
        pointed->WriteXml(stream);
}

void ObjectPointerProperty::WriteBinary(const void* object, CObjectStream& stream) const
{
    CObject* pointed = ValueAt<CObject*>(object);
    stream.WriteCountedString(pointed != nullptr ? pointed->GetClassInfo()->GetClassName() : "");
    if (pointed != nullptr)
        pointed->WriteBinary(stream);
}

bool ObjectPointerProperty::ReadBinary(void* object, CObjectStream& stream) const
{
    Replace(object, nullptr);
    char className[BINARY_CLASS_NAME_BUFFER];
    stream.ReadCountedStringInto(className, sizeof className);
    if (stream.HasReadCameShort())
        return false;
    if (className[0] == '\0')
        return true;
    const CClassInfo* classInfo = GetClassRegistry().Find(className);
    if (classInfo == nullptr || classInfo->IsAbstract() || !classInfo->IsKindOf(m_pBaseClass))
        return false;
    CObject* pointed = classInfo->CreateObject();
    Replace(object, pointed);
    CPropertyFileContext context(*this);
    pointed->BeforeLoad();
    pointed->SetDefaults();
    return pointed->ReadBinary(stream);
}

bool ObjectPointerProperty::ClaimsName(const char* name) const
{
    return m_pBaseClass->GetPropertyCount() >= 2 &&
           CompareItemNames(name, m_pBaseClass->GetProperty(1)->GetName()) == 0;
}

void ObjectPointerProperty::PreloadReferences(void* object) const
{
    CObject* pointed = ValueAt<CObject*>(object);
    if (pointed != nullptr)
        pointed->PreloadReferences();
}

void ObjectPointerProperty::VisitReferences(void* object, CReferenceVisitor& visitor) const
{
    CObject* pointed = ValueAt<CObject*>(object);
    if (pointed != nullptr)
        pointed->VisitReferences(visitor);
}
