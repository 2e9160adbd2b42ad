#include "game/bricks/target_name_picker.h"

#include "engine/core/localization/localized_string.h"
#include "engine/object/editor_hooks.h"
#include "engine/ui/button.h"
#include "engine/ui/edit_box.h"
#include "engine/ui/key_codes.h"
#include "engine/ui/message_box.h"
#include "engine/ui/static_text.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/target_names.h"

namespace {
CLocalizedString s_Title("Select Layer Part");

const char* const SIZING_SAMPLE = "Long long long long long long long long long string";
constexpr int32_t BELOW_TITLE = 1;
constexpr int32_t NEXT_TO_PREVIOUS = 14;
constexpr int32_t EXTRA_ROOM = 50;

// An earlier selected brick bears the name already.
bool NamedEarlier(const CDynamicArray<CObject*>& selection, uint32_t index, const CString& name)
{
    for (uint32_t i = 0; i < index; i++)
    {
        const CBrickBase* brick = AsBrick(selection[i]);
        if (brick != nullptr && brick->GetName().CompareNoCase(name) == 0)
            return true;
    }
    return false;
}
}

TargetNamePicker::TargetNamePicker(CJWindow* levelEditor, CJWindow* inspector, CJEditBox* targetEditBox)
    : CJDialog(levelEditor, s_Title.GetText())
    , m_HiddenWindow(inspector)
    , m_TargetEditBox(targetEditBox)
    , m_UpdatingSelection(false)
{
    AddCloseBox();
    AddTransparencyToggle();
    if (inspector != nullptr)
        inspector->Show(false, false);
    GetEditorHooks().SetActiveTool(this);

    m_pEditBox = new CJEditBox(this, SIZING_SAMPLE);
    m_pEditBox->SetText(targetEditBox != nullptr ? targetEditBox->GetText() : CString());
    AddChild(m_pEditBox, BELOW_TITLE);
    m_pOkButton = new CJButton(this, OkButtonCaption());
    AddChild(m_pOkButton, NEXT_TO_PREVIOUS);
    m_QuantityText = BrickQuantityText(m_pEditBox->GetText());
    m_pQuantityLabel = new CJStaticText(this, m_QuantityText);
    AddChild(m_pQuantityLabel, NEXT_TO_PREVIOUS);

    SetSize(GetWidth() + EXTRA_ROOM, GetHeight() + EXTRA_ROOM);
    LoadPlacement(nullptr, false);
    SelectNamedBricks();
}

TargetNamePicker::~TargetNamePicker()
{
    const CEditorHooks& hooks = GetEditorHooks();
    if (hooks.GetLevelEditorWindow() != nullptr)
        hooks.ClearActiveTool();
    if (CJWindow* inspector = m_HiddenWindow.Get(); inspector != nullptr && !inspector->IsDying())
        inspector->Show(true, true);
}

bool TargetNamePicker::IsTargetGone() const
{
    if (!m_TargetEditBox)
        return true;
    // A window queued for deletion takes its subtree along.
    for (const CJWindow* window = m_TargetEditBox.Get(); window != nullptr; window = window->GetParent())
    {
        if (window->IsDying())
            return true;
    }
    return false;
}

void TargetNamePicker::Update(float step)
{
    CJDialog::Update(step);
    if (!IsDying() && IsTargetGone())
        Destroy();
}

void TargetNamePicker::OnCommand(CJWindow* source, int32_t code)
{
    if (IsDying())
        return;
    CJWindow* levelEditor = GetEditorHooks().GetLevelEditorWindow();
    bool fromEditor = source != nullptr && source == levelEditor;
    if (source == m_pEditBox && code == 1)
    {
        ShowQuantity();
        SelectNamedBricks();
    }
    else if (fromEditor && code == 1)
    {
        if (!m_UpdatingSelection)
            RebuildTextFromSelection();
    }
    else if ((fromEditor || source == m_pOkButton) && code == 0)
        WriteBackAndClose();
    else
        CJDialog::OnCommand(source, code);
}

bool TargetNamePicker::KeyDown(int32_t key)
{
    if (CJDialog::KeyDown(key))
        return true;
    if (key == KEY_ENTER)
    {
        WriteBackAndClose();
        return true;
    }
    if (key == KEY_ESCAPE)
    {
        Destroy();
        return true;
    }
    return false;
}

void TargetNamePicker::WriteBackAndClose()
{
    if (!IsTargetGone())
    {
        CJEditBox* target = m_TargetEditBox.Get();
        target->SetText(m_pEditBox->GetText());
        // The field applies the reported text to the property.
        target->SendCommand(1);
    }
    Destroy();
}

void TargetNamePicker::RebuildTextFromSelection()
{
    const CEditorHooks& hooks = GetEditorHooks();
    CDynamicArray<CObject*> selection;
    hooks.GetSelection(selection);
    CString text;
    for (uint32_t i = 0; i < selection.GetCount(); i++)
    {
        CBrickBase* brick = AsBrick(selection[i]);
        if (brick == nullptr)
            continue;
        if (brick->GetName().IsEmpty())
            hooks.AssignUniqueName(brick);
        if (NamedEarlier(selection, i, brick->GetName()))
            continue;
        if (!text.IsEmpty())
            text.Append(", ");
        text.Append(brick->GetName());
    }
    m_pEditBox->SetText(text);
    ShowQuantity();
    SelectNamedBricks();
}

void TargetNamePicker::ShowQuantity()
{
    m_QuantityText = BrickQuantityText(m_pEditBox->GetText());
    m_pQuantityLabel->SetText(m_QuantityText);
}

void TargetNamePicker::SelectNamedBricks()
{
    CDynamicArray<CObject*> bricks;
    CollectBricksNamed(m_pEditBox->GetText(), bricks);
    m_UpdatingSelection = true;
    GetEditorHooks().SetSelection(bricks);
    m_UpdatingSelection = false;
}
