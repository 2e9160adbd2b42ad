#include "game/bricks/action.h"

#include "engine/core/program/profiler.h"

VP_IMPLEMENT_ABSTRACT_CLASS(CAction, CObject, 1.0f)

namespace {

CProfileSection g_ActionExecuteSection("Action_Execute");

} // namespace

void CAction::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->SetCategory("Miscellaneous");
}

CAction::CAction()
    : m_Depth(0)
{
    ConstructProperties(SGetClassInfo());
}

CAction::~CAction()
{
    DestroyProperties(SGetClassInfo());
}

void CAction::Execute(bool& handled)
{
    CProfileScope scope(g_ActionExecuteSection);
    if (m_Depth >= MAX_NESTED_EXECUTIONS)
        return;
    m_Depth++;
    DoExecute(handled);
    m_Depth--;
}

void CAction::DrawEditorOverlay(CFrameInterface*)
{
}
