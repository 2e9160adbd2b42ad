#include "game/bricks/target_name_field.h"

#include <algorithm>

#include "engine/core/localization/localized_string.h"
#include "engine/graphics/fonts/font.h"
#include "engine/object/editor_hooks.h"
#include "engine/object/properties/property.h"
#include "engine/ui/button.h"
#include "engine/ui/edit_box.h"
#include "game/bricks/target_name_picker.h"
#include "game/bricks/target_names.h"

namespace {
CLocalizedString s_PickCaption("Pick");

// The controls follow one another along the page.
constexpr int32_t NEXT_TO_PREVIOUS = 14;
// A named box is wide enough for long names; an empty one is sized by a
// sample of a usual name's length.
const char* const WIDE_SAMPLE = "Max Edit Field Width Example Text WWW";
const char* const EMPTY_SAMPLE = "Let's give them some room";
}

TargetNameField::TargetNameField(const Property* property, const Property* groupProperty, CPropertyWindow* window,
                                 void* object)
    : PropertyEditor(property, groupProperty, window, object)
{
}

CString TargetNameField::GetValueText() const
{
    CString text;
    GetProperty()->ToText(GetObject(), text);
    return text;
}

void TargetNameField::CreateControl(bool enabled)
{
    CJWindow* page = GetPageClient();
    if (page == nullptr)
        return;
    CString name = GetValueText();
    if (name.IsEmpty())
    {
        m_pEditBox = new CJEditBox(page, EMPTY_SAMPLE);
        m_pEditBox->ClearText();
    }
    else
    {
        m_pEditBox = new CJEditBox(page, name);
        if (CFont* font = m_pEditBox->GetFont())
            m_pEditBox->SetWidth(std::max(m_pEditBox->GetWidth(), font->GetTextWidth(CString(WIDE_SAMPLE))));
    }
    m_pEditBox->SetEnabled(enabled);
    m_pPickButton = new CJButton(page, s_PickCaption.GetText());
    m_QuantityText = BrickQuantityText(name);
    m_pQuantityButton = new CJButton(page, m_QuantityText);
    page->AddChild(m_pEditBox, NEXT_TO_PREVIOUS);
    page->AddChild(m_pPickButton, NEXT_TO_PREVIOUS);
    page->AddChild(m_pQuantityButton, NEXT_TO_PREVIOUS);
    m_pQuantityButton->SetEnabled(CountBricksNamed(name) > 0);
}

bool TargetNameField::OnControlEvent(CJWindow* source, int32_t code)
{
    if (source == nullptr)
        return false;
    if (source == m_pEditBox && code == 1)
    {
        ApplyText(m_pEditBox->GetText().GetText());
        ShowQuantity();
        return true;
    }
    if (source == m_pPickButton && code == 0)
    {
        OpenPicker();
        return true;
    }
    if (source == m_pQuantityButton && code == 0)
    {
        SelectNamedBricks();
        return true;
    }
    return false;
}

void TargetNameField::SetEnabled(bool enabled)
{
    if (m_pEditBox != nullptr)
        m_pEditBox->SetEnabled(enabled);
}

void TargetNameField::Refresh()
{
    if (m_pEditBox == nullptr)
        return;
    m_pEditBox->SetText(GetValueText());
    ShowQuantity();
}

void TargetNameField::ShowQuantity()
{
    const CString& name = m_pEditBox->GetText();
    m_QuantityText = BrickQuantityText(name);
    m_pQuantityButton->SetText(m_QuantityText);
    m_pQuantityButton->SetEnabled(CountBricksNamed(name) > 0);
}

void TargetNameField::OpenPicker()
{
    const CEditorHooks& hooks = GetEditorHooks();
    CJWindow* levelEditor = hooks.GetLevelEditorWindow();
    if (levelEditor == nullptr)
        return;
    levelEditor->AddChildFront(
        new TargetNamePicker(levelEditor, hooks.GetPropertyWindowFrame(GetWindow()), m_pEditBox));
}

void TargetNameField::SelectNamedBricks()
{
    CDynamicArray<CObject*> bricks;
    CollectBricksNamed(m_pEditBox->GetText(), bricks);
    // Closing the inspector deletes this field: nothing of it is used
    // afterwards.
    const CEditorHooks& hooks = GetEditorHooks();
    hooks.CloseOpenPropertyWindow();
    hooks.SetSelection(bricks);
}
