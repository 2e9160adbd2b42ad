#include "game/playfield/animate_sprite_ai.h"

#include "engine/core/maths/maths_helpers.h"
#include "engine/graphics/sequence.h"
#include "game/playfield/sprite.h"

// Made by code with its speed, never by name.
VP_IMPLEMENT_ABSTRACT_CLASS(CAnimateSpriteAI, CSpriteAI, 1.0f)

void CAnimateSpriteAI::RegisterProperties(CClassInfo*)
{
}

CAnimateSpriteAI::CAnimateSpriteAI(float speed)
    : m_Speed(speed)
    , m_UnitSpeed(speed == 1.0f)
{
    ConstructProperties(SGetClassInfo());
}

CAnimateSpriteAI::~CAnimateSpriteAI()
{
    DestroyProperties(SGetClassInfo());
}

void CAnimateSpriteAI::Update(CSprite* sprite, int32_t argument)
{
    const CSequence* sequence = sprite->m_pSequence;
    const uint32_t frameCount = sequence != nullptr ? sequence->GetFrameCount() : 0;
    if (frameCount > 0)
    {
        if (m_UnitSpeed)
        {
            sprite->m_FrameIndex++;
            sprite->m_FramePosition = static_cast<float>(sprite->m_FrameIndex);
        }
        else
        {
            sprite->m_FramePosition += m_Speed;
            sprite->m_FrameIndex = FloorToInt(sprite->m_FramePosition);
            if (sprite->m_FramePosition < 0.0f)
            {
                sprite->m_FrameIndex = 0;
                sprite->m_FramePosition = 0.0f;
                sprite->Kill();
            }
        }
        if (sprite->m_FrameIndex < 0 || static_cast<uint32_t>(sprite->m_FrameIndex) >= frameCount)
        {
            sprite->m_FrameIndex = 0;
            sprite->m_FramePosition = 0.0f;
            sprite->Kill();
        }
    }
    if (GetNext() != nullptr)
        GetNext()->Update(sprite, argument);
}
