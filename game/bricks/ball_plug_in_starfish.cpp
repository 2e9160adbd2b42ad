#include "game/bricks/ball_plug_in_starfish.h"

#include "engine/core/messages/message_type.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/list_item_property.h"
#include "game/bricks/starfish_attach.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/sprite.h"

VP_IMPLEMENT_CLASS(CBallPlugInStarFish, CBallPlugIn, 1.0f)

void CBallPlugInStarFish::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->SetCategory("Underwater");
    classInfo->AddProperty(new LibraryItemProperty("Image", VP_MEMBER(m_Image), &GetSequenceList(), EDITOR_EDITABLE,
                                                   "Starfish Ball Overlay", nullptr, false));
    classInfo->AddProperty(new LibraryItemProperty("Small Image", VP_MEMBER(m_SmallImage), &GetSequenceList(),
                                                   EDITOR_EDITABLE, "Starfish overlay small", nullptr, false));
}

CBallPlugInStarFish::CBallPlugInStarFish()
{
    ConstructProperties(SGetClassInfo());
}

CBallPlugInStarFish::~CBallPlugInStarFish()
{
    DestroyProperties(SGetClassInfo());
}

void CBallPlugInStarFish::OnMessage(CMessage& message)
{
    static const int32_t ballOutOfPlay = GetMessageTypeId("BallOutOfPlay");
    // The lost ball still carries this starfish, so the hand-over passes it
    // by; the plug-in itself goes with its ball.
    if (message.GetTypeId() == ballOutOfPlay && GetBall() != nullptr)
        HandOverStarfish(GetBall()->GetSprite()->m_Position);
}

void CBallPlugInStarFish::DrawOverlay(CFrameInterface* frame)
{
    CBallAI* ball = GetBall();
    if (ball == nullptr)
        return;
    const CPoint at = ball->GetSprite()->m_DrawnPosition;
    DrawSequenceOverlay(frame, ball->IsSmall() ? m_SmallImage : m_Image, at.x, at.y);
}

void CBallPlugInStarFish::OnAttached()
{
}
