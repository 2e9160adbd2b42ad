#include "game/bricks/action_multiple_actions.h"

#include "engine/core/maths/random_r250.h"
#include "engine/object/properties/array_property.h"
#include "engine/object/properties/object_pointer_property.h"

VP_IMPLEMENT_ABSTRACT_CLASS(CActionMultipleActions, CAction, 1.0f)
VP_IMPLEMENT_CLASS(CActionSimultaneousActions, CActionMultipleActions, 1.0f)
VP_IMPLEMENT_CLASS(CActionRandomAction, CActionMultipleActions, 1.0f)

namespace {

const ArrayProperty* g_pActionsProperty = nullptr;

} // namespace

void CActionMultipleActions::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->SetCategory("Script");
    auto* element =
        new ObjectPointerProperty("Action", ArrayElementMember<CAction*>(), CAction::SGetClassInfo(), EDITOR_EDITABLE,
                                  nullptr);
    auto* actions = new ArrayProperty("Action", VP_MEMBER(m_Count), VP_MEMBER(m_Capacity), VP_MEMBER(m_pActions),
                                      "m_pActions", true, element, EDITOR_EDITABLE);
    g_pActionsProperty = actions;
    classInfo->AddProperty(actions);
}

CActionMultipleActions::CActionMultipleActions()
    : m_pActions(nullptr)
    , m_Count(0)
    , m_Capacity(0)
{
    ConstructProperties(SGetClassInfo());
}

CActionMultipleActions::~CActionMultipleActions()
{
    DestroyProperties(SGetClassInfo());
}

void CActionMultipleActions::AddAction(CAction* action)
{
    *static_cast<CAction**>(g_pActionsProperty->AppendElement(this)) = action;
}

CAction* CActionMultipleActions::TakeChild(uint32_t index)
{
    CAction* child = m_pActions[index];
    // A null slot deletes nothing when the array shrinks.
    m_pActions[index] = nullptr;
    g_pActionsProperty->SetCount(this, m_Count - 1, static_cast<int32_t>(index));
    return child;
}

void CActionMultipleActions::GetDescription(CString& out, const char* wordToRemove) const
{
    GetClassInfo()->GetDisplayName(out, wordToRemove);
    out += "(";
    bool first = true;
    for (uint32_t i = 0; i < m_Count; i++)
    {
        if (m_pActions[i] == nullptr)
            continue;
        CString kind;
        m_pActions[i]->GetClassInfo()->GetDisplayName(kind, "Action");
        if (!first)
            out += ",";
        out += kind;
        first = false;
    }
    out += ")";
}

void CActionSimultaneousActions::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->SetHelpText(
        "Execute two or more action in any spot that normally allows only a single action to be executed.");
}

CActionSimultaneousActions::CActionSimultaneousActions()
{
    ConstructProperties(SGetClassInfo());
}

CActionSimultaneousActions::~CActionSimultaneousActions()
{
    DestroyProperties(SGetClassInfo());
}

void CActionSimultaneousActions::DoExecute(bool& handled)
{
    const uint32_t count = m_Count;
    for (uint32_t i = 0; i < count; i++)
        if (m_pActions[i] != nullptr)
            m_pActions[i]->Execute(handled);
}

void CActionRandomAction::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->SetHelpText("Pick which action to execute at random.  Each time this action is executed it randomly "
                           "decides with action to execute next.  It is posable for the once action to be execute "
                           "twice in a row or more and another action never executed.");
}

CActionRandomAction::CActionRandomAction()
{
    ConstructProperties(SGetClassInfo());
}

CActionRandomAction::~CActionRandomAction()
{
    DestroyProperties(SGetClassInfo());
}

void CActionRandomAction::DoExecute(bool& handled)
{
    if (m_Count == 0)
        return;
    CAction* child = m_pActions[GameRandom().Below(m_Count)];
    if (child != nullptr)
        child->Execute(handled);
}
