// The playfield's short-lived effects: animated effect sprites, particle
// bursts from the "Particle Generators" list, and the falling capsules that
// bricks release. While a demo records, every spawn also writes a record
// (effect_records.cpp), so that a replay makes the effects anew rather than
// only redrawing them: a burst's particles are not recorded one by one.

#include "game/playfield/playfield.h"

#include "engine/app/demo_recorder.h"
#include "engine/core/maths/maths_tables.h"
#include "engine/core/maths/random_r250.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "game/playfield/effect_sprite_ai.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/sprite.h"
#include "game/playfield/sprite_sound.h"

namespace {

constexpr float kStep = 0.016666668f;
// A brick's half size.
constexpr float kBrickHalfWidth = 19.75f;
constexpr float kBrickHalfHeight = 11.0f;

} // namespace

CSprite* CPlayfield::SpawnAnimatedEffectSprite(bool replaying, CSequence* sequence, const Vector2& position,
                                               CSpriteList* list, const Vector2* velocity,
                                               const Vector2* acceleration, float speedFactor)
{
    if (list == nullptr)
        list = m_pFrontEffects;
    CSprite* sprite = new CSprite;
    if (CDemoRecorder::Get().IsRecording())
    {
        // The record re-makes the effect on replay; its draws need none.
        sprite->m_Flags |= SPRITE_NOT_RECORDED;
        if (!replaying)
            RecordEffectSprite(sequence, position, list, velocity, acceleration, speedFactor);
    }
    sprite->SetPosition(position);
    if (velocity != nullptr)
        sprite->m_Velocity = *velocity;
    if (acceleration != nullptr)
        sprite->m_Acceleration = *acceleration;
    sprite->SetSequence(sequence);
    if (sequence != nullptr)
        sprite->m_pBlitType = sequence->GetBlitType();
    if (speedFactor != 0.0f)
    {
        const float framesPerStep = sequence != nullptr ? speedFactor * sequence->GetEffectiveFps() * kStep : 0.0f;
        sprite->AddAI(new CEffectSpriteAI(framesPerStep));
    }
    list->Append(sprite);
    return sprite;
}

void CPlayfield::SpawnEffectAtSprite(CSprite* sprite, int32_t sequenceIndex)
{
    CSequence* sequence = GetSequenceList().GetItemObject(static_cast<uint32_t>(sequenceIndex));
    SpawnAnimatedEffectSprite(false, sequence, sprite->m_Position, m_pFrontEffects, nullptr, nullptr, 1.0f);
}

void CPlayfield::SpawnSparks(const Vector2& position, int32_t shape, float sizeA, float sizeB, float angle,
                             int32_t generator, const CParticleTypeArray* types, CSpriteList* list)
{
    if (CDemoRecorder::Get().IsRecording())
        RecordSparks(position, shape, sizeA, sizeB, angle, generator, types, list);
    const CParticleGeneratorInfo* info = GetParticleGeneratorList().Get(static_cast<uint32_t>(generator));
    if (info == nullptr)
        return;
    std::vector<CParticleSpec> particles;
    PlanParticleBurst(*info, types, CBurstPlace{position, shape, sizeA, sizeB, angle}, GetLiveEffectCount(),
                      GameRandom(), particles);
    CSequenceList& sequences = GetSequenceList();
    for (const CParticleSpec& particle : particles)
    {
        CSequence* sequence = sequences.GetItemObject(static_cast<uint32_t>(particle.sequenceIndex));
        SpawnAnimatedEffectSprite(true, sequence, particle.position, list, &particle.velocity,
                                  &particle.acceleration, particle.animationFactor);
    }
}

void CPlayfield::SpawnHitSparks(CSprite* sprite, int32_t radius, bool withSound, float angle, int32_t generator)
{
    Vector2 centre = sprite->m_Position;
    float spread = static_cast<float>(radius);
    if (withSound)
    {
        PlaySpriteSound("Default Spark.wav");
        float sine = 0.0f;
        float cosine = 0.0f;
        FastSinCos(angle, sine, cosine);
        centre = Vector2{centre.x - spread * cosine, centre.y - spread * sine};
        spread = 0.0f;
    }
    SpawnSparks(centre, BURST_DISC, spread, 0.0f, angle, generator, nullptr, m_pFrontEffects);
}

void CPlayfield::SpawnBreakParticles(CSprite* sprite, int32_t generator, const CParticleTypeArray* types)
{
    SpawnSparks(sprite->m_Position, BURST_BOX, kBrickHalfWidth, kBrickHalfHeight, 0.0f, generator, types, nullptr);
}

void CPlayfield::SpawnSparksInList(const Vector2& position, float halfWidth, float halfHeight, float angle,
                                   int32_t generator, CSpriteList* list)
{
    SpawnSparks(position, BURST_BOX, halfWidth, halfHeight, angle, generator, nullptr, list);
}
