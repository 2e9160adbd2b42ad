#include "engine/object/properties/property_editor.h"

#include "engine/core/strings/ref_string.h"
#include "engine/object/editor_hooks.h"
#include "engine/object/properties/property.h"

PropertyEditor::PropertyEditor(const Property* property, const Property* groupProperty, CPropertyWindow* window,
                               void* object)
    : m_pLabelWindow(nullptr)
    , m_pWindow(window)
    , m_pObject(object)
    , m_pProperty(property)
    , m_pGroupProperty(groupProperty)
{
}

PropertyEditor::~PropertyEditor() = default;

bool PropertyEditor::Cut(bool testOnly)
{
    if (!Copy(testOnly))
        return false;
    Clear(testOnly);
    return true;
}

bool PropertyEditor::GetClipboardValueText(CString& text) const
{
    if (!IsClipboardEnabled())
        return false;
    m_pProperty->ToText(m_pObject, text);
    return !text.IsEmpty();
}

bool PropertyEditor::Copy(bool testOnly)
{
    CString text;
    if (!GetClipboardValueText(text))
        return false;
    if (!testOnly)
        GetEditorHooks().SetClipboardText(text);
    return true;
}

bool PropertyEditor::Paste(bool testOnly)
{
    if (!IsClipboardEnabled())
        return false;
    CString text;
    if (!GetEditorHooks().GetClipboardText(text))
        return false;
    if (!testOnly)
    {
        m_pProperty->FromText(m_pObject, text.GetText(), nullptr);
        Refresh();
    }
    return true;
}

bool PropertyEditor::Clear(bool testOnly)
{
    CString text;
    if (!GetClipboardValueText(text))
        return false;
    if (!testOnly)
    {
        m_pProperty->FromText(m_pObject, "", nullptr);
        Refresh();
    }
    return true;
}

bool PropertyEditor::IsClipboardEnabled() const
{
    return false;
}

void PropertyEditor::OnValueChanged()
{
}

void PropertyEditor::ApplyText(const char* text)
{
    m_pProperty->FromText(m_pObject, text, nullptr);
}

void PropertyEditor::ReopenWindow()
{
    GetEditorHooks().ReopenPropertyWindow(m_pWindow);
}

CJWindow* PropertyEditor::GetPageClient()
{
    return GetEditorHooks().GetPageClient(m_pWindow, this);
}
