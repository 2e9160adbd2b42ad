#include "game/bricks/script_reference_to_target.h"

#include "engine/object/editor_hooks.h"
#include "engine/object/properties/text_property.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/target_name_field.h"

namespace {
// A text in files; in the inspector, a field that counts and picks the
// bricks the name names.
class TargetNameProperty : public TextProperty
{
public:
    using TextProperty::TextProperty;

    Property* Clone() const override { return new TargetNameProperty(*this); }
    void CreateEditor(CPropertyWindow* window, void* object, const Property* groupProperty,
                      const char* label) const override
    {
        GetEditorHooks().AddLabelledField(window, new TargetNameField(this, groupProperty, window, object), label);
    }
};
}

VP_IMPLEMENT_CLASS(CScriptReferenceToTarget, CObject, 1.0f)

void CScriptReferenceToTarget::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new TargetNameProperty("Name", VP_MEMBER(m_Name), EDITOR_EDITABLE, ""));
}

CScriptReferenceToTarget::CScriptReferenceToTarget()
{
    ConstructProperties(SGetClassInfo());
}

CScriptReferenceToTarget::~CScriptReferenceToTarget()
{
    DestroyProperties(SGetClassInfo());
}

bool CScriptReferenceToTarget::Matches(const CBrickBase* brick) const
{
    return !m_Name.IsEmpty() && brick != nullptr && brick->GetName().CompareNoCase(m_Name) == 0;
}

bool CScriptReferenceToTarget::ReadLegacyName(const char* legacyKey, const char* name, const char* value)
{
    if (CString(name).CompareNoCase(legacyKey) != 0)
        return false;
    m_Name = value;
    return true;
}
