#include "engine/object/properties/property.h"

#include <cstring>

#include "engine/core/memory/memory_pools.h"
#include "engine/core/lists/virtual_array.h"
#include "engine/object/class_info.h"
#include "engine/object/object.h"
#include "engine/object/object_stream.h"
#include "engine/object/xml_tag.h"

Property::Property(const char* fullName, const char* unitText, int32_t valueOffset, int32_t valueSize,
                   int32_t editorMode)
    : m_AlwaysWrite(true)
    , m_OmitWhenDefault(false)
    , m_ValueOffset(valueOffset)
    , m_ValueSize(valueSize)
    , m_SaveInText(true)
    , m_SaveInBinary(true)
    , m_SaveToNormal(true)
    , m_SaveToTracking(true)
    , m_MemberOffset(valueOffset)
    , m_MemberSize(valueSize)
    , m_Registration{0, -1}
    , m_EditorMode(editorMode)
    , m_UnitText(unitText)
    , m_Dynamic(false)
{
    const char* slash = strchr(fullName, '/');
    if (slash != nullptr)
    {
        m_Group.Assign(fullName, static_cast<uint32_t>(slash - fullName));
        m_Name = slash + 1;
    }
    else
    {
        m_Name = fullName;
    }
    m_MemberName = m_Name;
}

Property::~Property() = default;

void Property::CreateEditor(CPropertyWindow*, void*, const Property*, const char*) const
{
}

void Property::OnEditorOpened(CPropertyWindow*, void*) const
{
}

bool Property::ValuesEqual(const void*, const void*, const Property*) const
{
    return true;
}

void Property::ConstructValue(void*) const
{
}

void Property::DestroyValue(void*) const
{
}

void Property::AfterLoad(void*, bool) const
{
}

void Property::ReadNameValue(void* object, const char*, const char* value, CObjectStream* stream, int32_t) const
{
    FromText(object, value, stream);
}

bool Property::ShouldWrite(const void*) const
{
    return true;
}

bool Property::IsDefault(const void*) const
{
    return false;
}

void Property::WriteName(const void*, CObjectStream& stream) const
{
    stream.WriteString(m_Name);
    stream.WriteText("=");
}

void Property::WriteValueLine(const void* object, CObjectStream& stream) const
{
    // Every value line of every save passes through here: formatted into one
    // text per thread that keeps its room, a number's line costs no
    // allocation.
    thread_local CString t_Text;
    CString& text = t_Text;
    text.Truncate();
    ToText(object, text);
    text.ReplaceChar('\r', ' ');
    text.ReplaceChar('\n', ' ');
    stream.WriteTextLine(text);
}

void Property::WriteXmlElement(const void* object, CObjectStream& stream) const
{
    const CString tag = MakeXmlTag(m_Name.GetText());
    stream.WriteText("<");
    stream.WriteString(tag);
    stream.WriteText(">");
    WriteValueInline(object, stream);
    stream.WriteText("</");
    stream.WriteString(tag);
    stream.WriteLine(">");
}

void Property::WriteValueInline(const void* object, CObjectStream& stream) const
{
    CString text;
    ToText(object, text);
    stream.WriteString(text);
}

void Property::WriteDelta(const void*, CMessageStream&, const void*) const
{
}

void Property::ReadDelta(void*, CMessageStream&) const
{
}

uint32_t Property::GetBitMask() const
{
    return 0;
}

bool Property::CanAddToClass(const CClassInfo*) const
{
    return true;
}

bool Property::ClaimsName(const char*) const
{
    return false;
}

void Property::PreloadReferences(void*) const
{
}

void Property::VisitReferences(void*, CReferenceVisitor&) const
{
}

void* Property::AllocateValue() const
{
    return GetMemoryPools().Allocate(static_cast<size_t>(m_ValueSize));
}

void Property::FreeValue(void* value) const
{
    GetMemoryPools().Free(value, static_cast<size_t>(m_ValueSize));
}

void* Property::AllocateArray(uint32_t count) const
{
    return ::operator new[](static_cast<size_t>(count) * static_cast<size_t>(m_ValueSize));
}

void Property::FreeArray(void* storage) const
{
    ::operator delete[](storage);
}

void Property::CopyValueBytes(void* destination, const void* source) const
{
    memcpy(destination, source, static_cast<size_t>(m_MemberSize));
}

void* Property::GetValueStorage(CObject* object) const
{
    return object->GetOrCreateDynamicValue(this);
}

bool Property::HasValue(const CObject* object) const
{
    return object->HasDynamicValue(this);
}

bool Property::RemoveValue(CObject* object) const
{
    return object->RemoveDynamicValue(this);
}

bool Property::HasName(const char* name) const
{
    return CompareItemNames(name, m_Name.GetText()) == 0 ||
           (m_LegacyName.HasText() && CompareItemNames(name, m_LegacyName.GetText()) == 0);
}

void Property::SetRegistration(int32_t first, int32_t second)
{
    m_Registration[0] = first;
    m_Registration[1] = second;
}

void Property::SetSaveFlags(bool inText, bool inBinary, bool toNormalStreams, bool toTrackingStreams)
{
    m_SaveInText = inText;
    m_SaveInBinary = inBinary;
    m_SaveToNormal = toNormalStreams;
    m_SaveToTracking = toTrackingStreams;
}

void Property::SetMember(const char* memberName, int32_t memberOffset, int32_t memberSize)
{
    m_MemberName = memberName;
    m_MemberOffset = memberOffset;
    m_MemberSize = memberSize;
}

AttachDynamicProperty::AttachDynamicProperty(Property* property, CClassInfo* classInfo, int32_t flags,
                                             const char* helpText)
{
    classInfo->AddDynamicProperty(property, flags);
    if (helpText != nullptr)
        property->SetHelpText(helpText);
}
