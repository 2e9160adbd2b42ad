#include "game/bricks/brick_plug_in.h"

VP_IMPLEMENT_ABSTRACT_CLASS(CBrickPlugIn, CObject, 1.0f)

void CBrickPlugIn::RegisterProperties(CClassInfo*)
{
}

CBrickPlugIn::CBrickPlugIn()
    : m_pOwner(nullptr)
{
    ConstructProperties(SGetClassInfo());
}

CBrickPlugIn::~CBrickPlugIn()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickPlugIn::OnMessage(CMessage&)
{
}

void CBrickPlugIn::SetOwner(CBrickBase* owner)
{
    m_pOwner = owner;
}

void CBrickPlugIn::Update(PlugInStepRecord&)
{
}

void CBrickPlugIn::Start(CSprite*)
{
}

void CBrickPlugIn::AfterUpdate(bool&)
{
}

void CBrickPlugIn::DrawEditorOverlay(EditorDrawContext&)
{
}

void CBrickPlugIn::AfterDraw(CFrameInterface*)
{
}
