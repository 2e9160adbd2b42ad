#include "game/bricks/brick_plug_in_self_removal.h"

#include "engine/core/geometry/polygon2d.h"
#include "game/bricks/brick_base.h"
#include "game/playfield/game_sprite.h"

VP_IMPLEMENT_CLASS(CBrickPlugInDestroySelf, CBrickPlugIn, 1.0f)
VP_IMPLEMENT_CLASS(CBrickPlugInDestroySelfIfOffScreen, CBrickPlugIn, 1.0f)
VP_IMPLEMENT_CLASS(CBrickPlugInDeleteSelf, CBrickPlugIn, 1.0f)

namespace {

void DestroyOwner(CBrickBase* owner)
{
    if (owner != nullptr)
        owner->Destroy(BrickDestroyInfo{nullptr, false});
}

} // namespace

void CBrickPlugInDestroySelf::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->SetCategory("Script");
    classInfo->SetHelpText(
        "This plug-in is most useful when used in a sequence. It will try to destroy the brick it is plugged into and "
        "do whatever is supposed to happen when they brick is destroyed. e.g. A power-up brick will spawn a power-up.  "
        "This plug-in will not be able to destroy indestructible bricks such as ball deflectors and teleporters.  Use "
        "the \"Delete Self\" plug-in to get rid of those types of bricks or to get rid of any brick without doing its "
        "destroyed behavior.");
}

CBrickPlugInDestroySelf::CBrickPlugInDestroySelf()
{
    ConstructProperties(SGetClassInfo());
}

CBrickPlugInDestroySelf::~CBrickPlugInDestroySelf()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickPlugInDestroySelf::Update(PlugInStepRecord&)
{
    DestroyOwner(GetOwner());
}

void CBrickPlugInDestroySelfIfOffScreen::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->SetCategory("Script");
    classInfo->SetHelpText(
        "This plug-in is most useful when used simultaneously with a movement that follows other bricks. When this "
        "plug-in is used, this brick will destroy itself if the movement of the leader brick causes this brick to "
        "move off screen. If/When this brick destroys itself, it will do whatever is supposed to happen when the "
        "brick is destroyed. e.g. A power-up brick will spawn a power-up.  This plug-in will not be able to destroy "
        "indestructible bricks such as ball deflectors and teleporters");
}

CBrickPlugInDestroySelfIfOffScreen::CBrickPlugInDestroySelfIfOffScreen()
{
    ConstructProperties(SGetClassInfo());
}

CBrickPlugInDestroySelfIfOffScreen::~CBrickPlugInDestroySelfIfOffScreen()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickPlugInDestroySelfIfOffScreen::Update(PlugInStepRecord&)
{
    CBrickBase* owner = GetOwner();
    CGameSprite* sprite = owner != nullptr ? owner->GetSprite() : nullptr;
    Polygon2D* polygon = sprite != nullptr ? sprite->GetCollisionPolygon() : nullptr;
    if (polygon == nullptr)
        return;
    CRect bounds;
    polygon->GetBoundsAt(sprite->m_Position, bounds);
    // The play area spans x 11..626 and y 10..600.
    if (bounds.right < 11 || bounds.left > 626 || bounds.bottom < 10 || bounds.top > 600)
        DestroyOwner(owner);
}

void CBrickPlugInDeleteSelf::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->SetCategory("Script");
    classInfo->SetHelpText(
        "This plug-in is most useful when used in a sequence. It will delete the brick it is plugged into without "
        "doing whatever is supposed to happen when the brick is destroyed. e.g. A power-up brick will NOT spawn a "
        "power-up if it is deleted.  Use the \"Destroy Self\" plug-in to if you want a brick to do its destroyed "
        "behavior.");
}

CBrickPlugInDeleteSelf::CBrickPlugInDeleteSelf()
{
    ConstructProperties(SGetClassInfo());
}

CBrickPlugInDeleteSelf::~CBrickPlugInDeleteSelf()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickPlugInDeleteSelf::Update(PlugInStepRecord&)
{
    CBrickBase* owner = GetOwner();
    if (owner != nullptr && owner->GetSprite() != nullptr)
        owner->GetSprite()->Kill();
}
