#include "game/bricks/brick_plug_in_change_self.h"

#include <cmath>

#include "engine/app/game_base.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/unsigned_int_property.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_plug_in_sequence.h"
#include "game/bricks/brick_plug_in_simultaneous.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/playfield/first_behaviour.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite_list.h"

VP_IMPLEMENT_CLASS(CBrickPlugInChangeSelfAfterDelay, CBrickPlugIn, 1.0f)

namespace {

// Takes the plug-in out of the container under the root that holds it,
// however deep; true once found.
bool DetachFromScript(CBrickPlugInProxy& container, CBrickPlugIn* plugIn)
{
    for (uint32_t i = 0; i < container.GetChildCount(); i++)
    {
        CBrickPlugIn* child = container.GetChild(i);
        if (child == plugIn)
        {
            if (container.IsKindOf(CBrickPlugInSequence::SGetClassInfo()))
                static_cast<CBrickPlugInSequence&>(container).RemoveStep(plugIn);
            else if (container.IsKindOf(CBrickPlugInSimultaneous::SGetClassInfo()))
                static_cast<CBrickPlugInSimultaneous&>(container).RemovePlugIn(plugIn);
            return true;
        }
        if (child != nullptr && child->IsKindOf(CBrickPlugInProxy::SGetClassInfo()) &&
            DetachFromScript(*static_cast<CBrickPlugInProxy*>(child), plugIn))
            return true;
    }
    return false;
}

} // namespace

void CBrickPlugInChangeSelfAfterDelay::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->SetCategory("Internal");
    classInfo->SetHelpText("This plug-in is automatically added to a bricks during game play when a Change Area "
                           "brick is destroyed.  It is not design to be manually applied to brick in the level "
                           "editor.");
    classInfo->AddProperty(new UnsignedIntProperty("Updates Until Change", "60ths of a second",
                                                   VP_MEMBER(m_UpdatesUntilChange), EDITOR_EDITABLE, 10, nullptr, 0,
                                                   0));
    classInfo->AddProperty(new LibraryItemProperty("Change To Brick Style", VP_MEMBER(m_ChangeToBrickStyle),
                                                   &GetBrickStyleSheetLibrary(), EDITOR_EDITABLE, nullptr, nullptr,
                                                   false));
}

CBrickPlugInChangeSelfAfterDelay::CBrickPlugInChangeSelfAfterDelay()
    : m_UpdatesUntilChange(10)
    , m_ChangeToBrickStyle(0)
{
    ConstructProperties(SGetClassInfo());
}

CBrickPlugInChangeSelfAfterDelay::~CBrickPlugInChangeSelfAfterDelay()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickPlugInChangeSelfAfterDelay::Update(PlugInStepRecord&)
{
    if (m_UpdatesUntilChange > 0)
        m_UpdatesUntilChange--;
}

void CBrickPlugInChangeSelfAfterDelay::AfterUpdate(bool& stop)
{
    CBrickBase* owner = GetOwner();
    if (m_UpdatesUntilChange != 0 || owner == nullptr)
        return;
    stop = true;
    DetachFromScript(owner->GetPlugIns(), this);
    ReplaceBrickWithStyle(owner, m_ChangeToBrickStyle);
    delete this;
}

CBrickPlugInChangeSelfAfterDelay* CreateChangeSelfAfterDelay(float seconds, int32_t styleIndex)
{
    auto* plugIn = new CBrickPlugInChangeSelfAfterDelay();
    plugIn->SetDefaults();
    plugIn->m_ChangeToBrickStyle = styleIndex;
    plugIn->m_UpdatesUntilChange = static_cast<uint32_t>(std::lround(seconds * 60.0f));
    return plugIn;
}

bool ReplaceBrickWithStyle(CBrickBase* brick, int32_t styleIndex)
{
    CGameBase* game = GetGameObject();
    CPlayfield* playfield = GetPlayfield();
    CGameSprite* oldSprite = brick->GetSprite();
    if (game == nullptr || playfield == nullptr || oldSprite == nullptr)
        return false;
    CGameSprite* newSprite = MakeBrickSpriteFromStyle(GetBrickStyleSheetLibrary(), styleIndex);
    CBrickBase* newBrick = newSprite != nullptr ? FirstBehaviourAs<CBrickBase>(newSprite) : nullptr;
    if (newBrick == nullptr)
    {
        delete newSprite;
        return false;
    }
    newBrick->CopyFrom(*brick);
    newBrick->SetStyleSheetIfCompatible(styleIndex);
    newSprite->m_Position = oldSprite->m_Position;
    newSprite->m_DrawnPosition = oldSprite->m_DrawnPosition;
    playfield->m_pBricks->Replace(oldSprite, newSprite);
    game->DeferDelete(oldSprite);
    newBrick->GetPlugIns().SetOwner(newBrick);
    return true;
}
