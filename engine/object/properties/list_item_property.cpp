#include "engine/object/properties/list_item_property.h"

#include "engine/core/lists/virtual_array.h"
#include "engine/object/current_file_scope.h"
#include "engine/object/editor_hooks.h"
#include "engine/object/object_stream.h"
#include "engine/object/properties/property_reading.h"
#include "engine/object/reference_visitor.h"

namespace
{
// Names in the binary form are at most 255 bytes.
const uint32_t BINARY_NAME_BUFFER = 256;

// Stands in CurrentFileName while a default name is resolved, so that a
// default missing from its list is reported against the program itself.
const char* const BUILT_IN_DEFAULTS = "(the program's built-in default values)";

bool IsBlankText(const char* text)
{
    for (; *text != '\0'; text++)
        if (*text != '\t' && *text != ' ' && *text != '\r' && *text != '\n')
            return false;
    return true;
}
}

ListItemProperty::ListItemProperty(const char* fullName, CPropertyMember<int32_t> member, int32_t editorMode,
                                   const char* defaultName, Setter setter, bool reopenOption)
    : Property(fullName, nullptr, member.offset, member.size, editorMode)
    , m_pDefaultName(defaultName)
    , m_ReopenOption(reopenOption)
    , m_EditButton(true)
    , m_NewButton(true)
    , m_pSetter(setter)
    , m_pChooserFilter(nullptr)
    , m_ChooserWidth(-1)
    , m_FallbackToDefault(false)
{
}

void* ListItemProperty::GetChooserFilter() const
{
    return m_pChooserFilter;
}

void ListItemProperty::Store(void* object, int32_t index) const
{
    if (m_pSetter != nullptr)
        m_pSetter(object, index);
    else
        ValueAt<int32_t>(object) = index;
}

bool ListItemProperty::HasDefaultName() const
{
    return m_pDefaultName != nullptr && m_pDefaultName[0] != '\0';
}

int32_t ListItemProperty::ResolveName(const void* object, const char* text) const
{
    if (IsBlankText(text))
        return 0;
    CPropertyFileContext context(*this);
    VirtualArray* list = GetList(object);
    const int32_t index = list->Find(text, -1);
    if (index != -1)
        return index;
    if (m_FallbackToDefault)
        return HasDefaultName() ? list->FindOrFail(m_pDefaultName, -1) : 0;
    return list->FindOrFail(text, -1);
}

int32_t ListItemProperty::ResolveDefault(const void* object) const
{
    if (!HasDefaultName())
        return 0;
    CCurrentFileScope context(BUILT_IN_DEFAULTS);
    return ResolveName(object, m_pDefaultName);
}

void ListItemProperty::CreateEditor(CPropertyWindow* window, void* object, const Property* groupProperty,
                                    const char* label) const
{
    const CEditorHooks& hooks = GetEditorHooks();
    PropertyEditor* editor = hooks.CreateObjectReferenceEditor(this, groupProperty, window, object);
    if (editor != nullptr)
        hooks.AddLabelledField(window, editor, label);
}

bool ListItemProperty::HasSingleLineValue() const
{
    return true;
}

void ListItemProperty::CopyValue(void* destination, const void* source, const Property* sourceProperty) const
{
    Store(destination, sourceProperty->ValueAt<int32_t>(source));
}

bool ListItemProperty::ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const
{
    return ValueAt<int32_t>(objectA) == propertyOfB->ValueAt<int32_t>(objectB);
}

void ListItemProperty::SetDefault(void* object) const
{
    if (!HasDefaultName())
        ValueAt<int32_t>(object) = 0;
    else
        Store(object, ResolveDefault(object));
}

void ListItemProperty::ToText(const void* object, CString& out) const
{
    VirtualArray* list = GetList(object);
    const int32_t index = ValueAt<int32_t>(object);
    if (index >= 0 && static_cast<uint32_t>(index) < list->GetCount())
        out = list->GetNameString(static_cast<uint32_t>(index));
    else
        out.Empty();
}

void ListItemProperty::FromText(void* object, const char* text, CObjectStream*) const
{
    Store(object, ResolveName(object, text));
}

bool ListItemProperty::ShouldWrite(const void* object) const
{
    if (GetAlwaysWrite())
        return true;
    const int32_t defaultIndex = HasDefaultName() ? GetList(object)->Find(m_pDefaultName, -1) : 0;
    return ValueAt<int32_t>(object) != defaultIndex;
}

bool ListItemProperty::IsDefault(const void* object) const
{
    return ValueAt<int32_t>(object) == ResolveDefault(object);
}

void ListItemProperty::WriteBinary(const void* object, CObjectStream& stream) const
{
    CString name;
    ToText(object, name);
    stream.WriteCountedString(name.GetText());
}

bool ListItemProperty::ReadBinary(void* object, CObjectStream& stream) const
{
    char name[BINARY_NAME_BUFFER];
    stream.ReadCountedStringInto(name, sizeof name);
    if (stream.HasReadCameShort())
        return false;
    if (IsBlankText(name))
    {
        ValueAt<int32_t>(object) = 0;
        return true;
    }
    const int32_t index = GetList(object)->Find(name, -1);
    if (index == -1)
        return false;
    ValueAt<int32_t>(object) = index;
    return true;
}

void ListItemProperty::PreloadReferences(void* object) const
{
    VirtualArray* list = GetList(object);
    const int32_t index = ValueAt<int32_t>(object);
    if (index >= 0 && static_cast<uint32_t>(index) < list->GetCount())
        list->TouchItem(static_cast<uint32_t>(index));
}

void ListItemProperty::VisitReferences(void* object, CReferenceVisitor& visitor) const
{
    visitor.VisitListReference(ValueAt<int32_t>(object), this, object);
}

LibraryItemProperty::LibraryItemProperty(const char* fullName, CPropertyMember<int32_t> member, VirtualArray* list,
                                         int32_t editorMode, const char* defaultName, Setter setter,
                                         bool reopenOption)
    : ListItemProperty(fullName, member, editorMode, defaultName, setter, reopenOption)
    , m_pList(list)
{
}

VirtualArray* LibraryItemProperty::GetList(const void*) const
{
    return m_pList;
}

Property* LibraryItemProperty::Clone() const
{
    return new LibraryItemProperty(*this);
}
