#include "game/bricks/brick_layer_rules.h"

#include <cmath>

#include "engine/app/sound/sound_list.h"
#include "engine/blit/blit_transparent_mask.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_interface.h"
#include "engine/graphics/sequence.h"
#include "game/playfield/first_behaviour.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/sprite_list.h"

float RampedLayingSpeed(float speed, uint32_t placed, uint32_t firstRampFrom, float firstRampStep)
{
    float ramped = speed;
    if (placed >= firstRampFrom && ramped < 7.0f)
        ramped += firstRampStep;
    if (placed >= 20 && ramped < 11.0f)
        ramped += 0.01f;
    return ramped;
}

bool IsHiddenMachineBrick(const CSprite* sprite)
{
    const CBrickBase* brick = FirstBehaviourAs<CBrickBase>(sprite);
    return brick != nullptr && !sprite->IsActive() && !brick->AppearsWithoutBrickLayer() &&
           brick->m_SpawnedByBrickLayer;
}

void RevealAllLaidBricks(CSpriteList& bricks)
{
    for (CSprite* sprite = bricks.GetHead(); sprite != nullptr; sprite = sprite->GetNext())
    {
        const CBrickBase* brick = FirstBehaviourAs<CBrickBase>(sprite);
        if (brick != nullptr && !sprite->IsActive() && brick->m_SpawnedByBrickLayer)
            sprite->SetActive(true);
    }
}

void ShowPlacedBrick(CSprite* sprite)
{
    GetSoundList().PlayByName("Brick Placed.WAV");
    sprite->SetActive(true);
}

float TurningGearFraction(const CSequence* gears, float height)
{
    const float fps = gears != nullptr ? gears->GetEffectiveFps() : 0.0f;
    const float fraction = 1.0f - std::fmod(height, fps) / fps;
    return std::isfinite(fraction) ? fraction : 0.0f;
}

CFrame* FrameAtFraction(const CSequence* sequence, float fraction)
{
    return sequence != nullptr ? sequence->GetFrameAtFraction(fraction) : nullptr;
}

void DrawMachinePart(CFrameInterface* frame, CFrame* picture, float x, float y)
{
    if (picture != nullptr)
        frame->BlitAt(picture, static_cast<int32_t>(std::lround(x)), static_cast<int32_t>(std::lround(y)),
                      &GetBlitTransparentMask());
}

void CLaidBrickTarget::Set(CSprite* sprite)
{
    m_Brick.Set(sprite != nullptr ? FirstBehaviourAs<CBrickBase>(sprite) : nullptr);
}

CSprite* CLaidBrickTarget::GetSprite() const
{
    return m_Brick ? m_Brick->GetSprite() : nullptr;
}
