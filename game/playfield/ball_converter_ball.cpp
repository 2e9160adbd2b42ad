#include "game/playfield/ball_converter_ball.h"

#include "engine/core/maths/random_r250.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "game/bricks/brick_base.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/loose_ball.h"
#include "game/playfield/rotate_vector.h"

namespace {

const float RADIANS_PER_DEGREE = 0.017453292f;
const float STEPS_PER_SECOND = 60.0f;

} // namespace

VP_IMPLEMENT_CLASS(CBallConverterBall, CBallPlugIn, 0.0f)

void CBallConverterBall::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Overlay Sequence", VP_MEMBER(m_OverlaySequence),
                                                   &GetSequenceList(), EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new FloatProperty("Starting Speed", VP_MEMBER(m_StartingSpeed), EDITOR_EDITABLE, 200.0f,
                                             nullptr, 0.0f, 0.0f, 1.0f));
    classInfo->AddProperty(new FloatProperty("Starting Angle", VP_MEMBER(m_StartingAngle), EDITOR_EDITABLE, 45.0f,
                                             nullptr, 0.0f, 0.0f, 1.0f));
}

CBallConverterBall::CBallConverterBall()
{
    ConstructProperties(SGetClassInfo());
}

CBallConverterBall::~CBallConverterBall()
{
    DestroyProperties(SGetClassInfo());
}

void CBallConverterBall::OnAttached()
{
}

void CBallConverterBall::DrawOverlay(CFrameInterface* frame)
{
    const CPoint at = GetBall()->GetSprite()->m_DrawnPosition;
    DrawSequenceOverlay(frame, m_OverlaySequence, at.x, at.y);
}

void CBallConverterBall::OnBrickHit(CBrickBase* brick)
{
    const float angle =
        GameRandom().BetweenFloat(-m_StartingAngle, m_StartingAngle) * RADIANS_PER_DEGREE;
    AddLooseSmallBall(brick->GetSprite()->m_Position,
                      RotateVector(Vector2{0.0f, m_StartingSpeed / STEPS_PER_SECOND}, angle));
}
