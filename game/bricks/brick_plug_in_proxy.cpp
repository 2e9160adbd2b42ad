#include "game/bricks/brick_plug_in_proxy.h"

VP_IMPLEMENT_ABSTRACT_CLASS(CBrickPlugInProxy, CBrickPlugIn, 1.0f)

void CBrickPlugInProxy::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->SetCategory("Script");
}

CBrickPlugInProxy::CBrickPlugInProxy()
{
    ConstructProperties(SGetClassInfo());
}

CBrickPlugInProxy::~CBrickPlugInProxy()
{
    DestroyProperties(SGetClassInfo());
}

template <typename Operation>
bool CBrickPlugInProxy::ForEachChild(bool activeOnly, Operation operation)
{
    auto count = [this, activeOnly]() { return activeOnly ? GetActiveChildCount() : GetChildCount(); };
    for (uint32_t i = 0; i < count(); i++)
    {
        CBrickPlugIn* child = activeOnly ? GetActiveChild(i) : GetChild(i);
        if (child != nullptr && !operation(*child))
            return false;
    }
    return true;
}

void CBrickPlugInProxy::OnMessage(CMessage& message)
{
    ForEachChild(true, [&message](CBrickPlugIn& child) {
        child.OnMessage(message);
        return true;
    });
}

void CBrickPlugInProxy::SetOwner(CBrickBase* owner)
{
    CBrickPlugIn::SetOwner(owner);
    ForEachChild(false, [owner](CBrickPlugIn& child) {
        child.SetOwner(owner);
        return true;
    });
}

void CBrickPlugInProxy::Update(PlugInStepRecord& record)
{
    ForEachChild(true, [&record](CBrickPlugIn& child) {
        child.Update(record);
        return true;
    });
}

void CBrickPlugInProxy::Start(CSprite* sprite)
{
    ForEachChild(true, [sprite](CBrickPlugIn& child) {
        child.Start(sprite);
        return true;
    });
}

void CBrickPlugInProxy::AfterUpdate(bool& stop)
{
    ForEachChild(true, [&stop](CBrickPlugIn& child) {
        child.AfterUpdate(stop);
        return !stop;
    });
}

void CBrickPlugInProxy::DrawEditorOverlay(EditorDrawContext& context)
{
    ForEachChild(false, [&context](CBrickPlugIn& child) {
        child.DrawEditorOverlay(context);
        return true;
    });
}

void CBrickPlugInProxy::AfterDraw(CFrameInterface* frame)
{
    ForEachChild(true, [frame](CBrickPlugIn& child) {
        child.AfterDraw(frame);
        return true;
    });
}

uint32_t CBrickPlugInProxy::GetActiveChildCount() const
{
    return GetChildCount();
}

CBrickPlugIn* CBrickPlugInProxy::GetActiveChild(uint32_t index) const
{
    return GetChild(index);
}
