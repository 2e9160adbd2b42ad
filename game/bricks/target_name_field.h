#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"
#include "engine/object/properties/property_editor.h"

class CJButton;
class CJEditBox;

// The inspector's editor of a target reference's "Name": the name, a
// "Pick" button that opens the picker over the level editor, and a button
// showing how many bricks bear the name, which selects them in the editor.
class TargetNameField : public PropertyEditor
{
public:
    TargetNameField(const Property* property, const Property* groupProperty, CPropertyWindow* window, void* object);

    void CreateControl(bool enabled) override;
    bool OnControlEvent(CJWindow* source, int32_t code) override;
    void SetEnabled(bool enabled) override;
    void Refresh() override;

    CJEditBox* GetEditBox() const { return m_pEditBox; }
    CJButton* GetPickButton() const { return m_pPickButton; }
    CJButton* GetQuantityButton() const { return m_pQuantityButton; }

private:
    CString GetValueText() const;
    void ShowQuantity();
    void OpenPicker();
    void SelectNamedBricks();

    // Controls of the inspector page, which the inspector deletes together
    // with this editor.
    CJEditBox* m_pEditBox = nullptr;
    CJButton* m_pPickButton = nullptr;
    CJButton* m_pQuantityButton = nullptr;
    CString m_QuantityText;
};
