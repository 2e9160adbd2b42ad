#include "game/bricks/brick_plug_in_starfish.h"

#include "engine/graphics/frame.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/list_item_property.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_messages.h"
#include "game/bricks/starfish_attach.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/playfield.h"
#include "game/playfield/playfield_hooks.h"
#include "game/playfield/sprite_part.h"

VP_IMPLEMENT_CLASS(CBrickPlugInStarFish, CBrickPlugIn, 1.0f)

void CBrickPlugInStarFish::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->SetCategory("Underwater");
    classInfo->AddProperty(new LibraryItemProperty("Image", VP_MEMBER(m_Image), &GetSequenceList(), EDITOR_EDITABLE,
                                                   "Starfish1", nullptr, false));
}

CBrickPlugInStarFish::CBrickPlugInStarFish()
    : m_Done(false)
{
    ConstructProperties(SGetClassInfo());
}

CBrickPlugInStarFish::~CBrickPlugInStarFish()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickPlugInStarFish::OnMessage(CMessage& message)
{
    if (m_Done || message.GetTypeId() != GetBrickDestroyedMessageId())
        return;
    const CBrickBase* owner = GetOwner();
    const CGameSprite* sprite = owner != nullptr ? owner->GetSprite() : nullptr;
    CPlayfield* playfield = GetPlayfield();
    if (sprite == nullptr || playfield == nullptr)
        return;
    if (!playfield->IsNonGameRound())
        GetPlayfieldHooks().ShowTutorialPage("Starfish");
    HandOverStarfish(sprite->m_Position);
    m_Done = true;
}

void CBrickPlugInStarFish::AfterDraw(CFrameInterface* frame)
{
    const CBrickBase* owner = GetOwner();
    CGameSprite* sprite = owner != nullptr ? owner->GetSprite() : nullptr;
    CSequenceList& sequences = GetSequenceList();
    if (m_Done || sprite == nullptr || sprite->GetPartCount() == 0 || sequences.GetCount() == 0)
        return;
    const CSequence* sequence = sequences.GetItemObject(static_cast<uint32_t>(m_Image));
    CFrame* image = sequence != nullptr
                        ? sequence->GetFrameAtFraction(static_cast<float>(sprite->GetPart(0)->GetProgress()))
                        : nullptr;
    if (image != nullptr)
        frame->BlitAt(image, sprite->m_DrawnPosition.x, sprite->m_DrawnPosition.y, sequence->GetBlitType());
}
