#include "game/playfield/player_ship_ai.h"

#include <algorithm>
#include <cmath>

#include "engine/app/input/joystick.h"
#include "engine/app/input/mouse_state.h"
#include "engine/app/sound/sound.h"
#include "engine/app/sound/sound_list.h"
#include "engine/app/sound/sound_manager.h"
#include "engine/core/maths/random_r250.h"
#include "engine/graphics/screen_frame.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/pointer_to_be_nulled_array.h"
#include "game/playfield/ball_ai.h"
#include "game/bricks/starfish_attach.h"
#include "game/playfield/ball_plug_in_bomb.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/named_sequence.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/player_controls.h"
#include "game/playfield/playfield.h"
#include "game/playfield/power_up_bomb_ball.h"
#include "game/playfield/ship_accessory.h"
#include "game/playfield/sprite_sound.h"

namespace {

enum EShipPart
{
    PART_BODY = 0,
    PART_SHIELD = 1,
    PART_LEFT_THRUSTER = 2,
    PART_RIGHT_THRUSTER = 3,
};

const char* const SHIELD_IMAGES[] = {"RS Small Shield", "RS Small Shield 2", "RS Normal Shield", "RS Long Shield",
                                     "RS Biggest Shield"};
const float SHIELD_HALF_WIDTHS[] = {13.0f, 20.0f, 16.0f, 21.0f, 33.0f};
const int32_t NORMAL_SHIELD = 2;

// Without a screen (a test) the mouse moves over the field's width.
const int32_t FIELD_WIDTH = 800;
const float LEFTMOST_X = 35.0f;
const float TRAVEL = 567.0f;
const float TILT_PER_MOVE = 0.058333334f;
const float TILT_SETTLE = 0.008333334f;
const float LEVEL_TILT = 0.5f;
const float SHIELD_LAG_KEPT = 0.6f;
const float DIP_RECOVERY = 0.16666667f;
const float DIP_NORMAL_BALL = 3.5f;
const float DIP_SMALL_BALL = 1.5f;
const float DEEPEST_DIP = 10.0f;
const float SWAY_PER_STEP = 0.004166667f;
const float TWO_PI = 6.2831855f;
const float PI = 3.1415927f;
const float THRUSTER_SPREAD = 0.060000002f;
const float THRUSTER_SIDE = 17.0f;
const float THRUSTER_BELOW = 23.0f;
const float THRUSTER_SIZE_B = 3.0f;
const int32_t HELD_WOBBLE = 5;
const float SERVED_OFFSET_X = 20.0f;
const float SERVED_OFFSET_Y = -23.0f;
// A caught ball is lifted pixel by pixel until it no longer touches the
// ship; no ship picture is this tall.
const int32_t MOST_LIFT_PIXELS = 1000;

// Shared by every ship, as the preview and the game ship never run at once.
float s_SwayPhase = 0.0f;
bool s_HasPreviousShipX = false;
float s_PreviousShipX = 0.0f;

CSound* CreateLoopingInstance(int32_t index)
{
    CSound* sound = GetSoundList().CreateInstance(index);
    if (sound != nullptr)
        sound->SetLooping(true);
    return sound;
}

} // namespace

CPlayerShipAI::CPlayerShipAI(CSprite* sprite, CPlayerControls* controls, int32_t shipArt)
    : m_Reversed(false)
    , m_pShip(static_cast<CGameSprite*>(sprite))
    , m_pControls(controls)
    , m_LastX(-1.0f)
    , m_ShieldSize(NORMAL_SHIELD)
    , m_Tilt(LEVEL_TILT)
    , m_Catching(false)
    , m_BombCharge(-1)
    , m_pHeldBall(nullptr)
    , m_HeldOffsetX(0.0f)
    , m_HeldOffsetY(0.0f)
    , m_pAccessory(nullptr)
    , m_PendingStarfish(0)
    , m_CanCatchSoundIndex(GetSoundList().FindOrFail("Electric/Can Catch.wav", 0))
    , m_HoldSoundIndex(GetSoundList().FindOrFail("Electric/Hold.wav", 0))
    , m_pCanCatchSound(CreateLoopingInstance(m_CanCatchSoundIndex))
    , m_pHoldSound(CreateLoopingInstance(m_HoldSoundIndex))
{
    m_pShip->m_Flags &= ~SPRITE_NO_INTEGRATION;
    CSequenceList& sequences = GetSequenceList();
    m_pShip->AddPart(sequences.GetItemObject(static_cast<uint32_t>(shipArt)));
    m_pShip->AddPart(NamedSequenceOrFail(SHIELD_IMAGES[NORMAL_SHIELD]));
    m_pShip->AddPart(NamedSequenceOrFail("Player Parts/Thrust Left"));
    m_pShip->AddPart(NamedSequenceOrFail("Player Parts/Thrust Right"));
    m_pShip->AddPart(NamedSequenceOrFail("RS Small Guns Recoil Left"));
    m_pShip->AddPart(NamedSequenceOrFail("RS Small Guns Recoil Left"));
    m_pShip->AddPart(NamedSequenceOrFail("RS Small Guns"));
    for (int32_t part = PART_LEFT_THRUSTER; part <= CShipAccessory::TOP_GUN_PART; part++)
        m_pShip->GetPart(part)->m_Flags = 0;
    m_pShip->GetPart(PART_LEFT_THRUSTER)->SetOffset(3.0f, 12.0f);
    m_pShip->GetPart(PART_RIGHT_THRUSTER)->SetOffset(-3.0f, 12.0f);
}

CPlayerShipAI::~CPlayerShipAI()
{
    SetHeldBall(nullptr);
    // The sprite is being destroyed: its gun parts are no longer there to
    // hide.
    delete m_pAccessory;
    CSoundList& list = GetSoundList();
    for (auto [sound, index] : {std::pair{m_pCanCatchSound, m_CanCatchSoundIndex}, {m_pHoldSound, m_HoldSoundIndex}})
        if (sound != nullptr)
        {
            GetSoundManager().DeleteSound(sound);
            list.ReleaseInstance(index);
        }
}

CPlayerShipAI* GetPlayerShipAI()
{
    CPlayfield* playfield = GetPlayfield();
    return playfield != nullptr ? playfield->GetShipAI() : nullptr;
}

void CPlayerShipAI::SetShipArt(int32_t sequenceIndex)
{
    m_pShip->GetPart(PART_BODY)->SetSequence(GetSequenceList().GetItemObject(static_cast<uint32_t>(sequenceIndex)));
}

void CPlayerShipAI::Update(CSprite* sprite, int32_t argument)
{
    if (!sprite->IsActive())
        return;
    sprite->m_Velocity = Vector2{0.0f, 0.0f};
    if (m_pControls != nullptr)
    {
        FollowControls(sprite);
        if (m_pControls->IsActionDown(CPlayerControls::ACTION_SHOOT) && !(GetPlayfield()->m_ResumeGuard > 0.0f))
            Fire(sprite);
    }
    AnimateShield(sprite);
    if (m_PendingStarfish > 0 && AttachStarfishToNearestBall(sprite->m_Position))
        m_PendingStarfish--;
    if (m_pAccessory != nullptr)
        m_pAccessory->Update(1.0f - m_Tilt);
    if (CSpriteAI* next = GetNext())
        next->Update(sprite, argument);
}

void CPlayerShipAI::FollowControls(CSprite* sprite)
{
    float share = 0.0f;
    if (CJoystick* joystick = m_pControls->m_pJoystick)
    {
        joystick->SetAxisDeadZones(0.0f, 0.0f);
        share = (joystick->GetX() + 1.0f) / 2.0f;
    }
    else
    {
        CScreenFrame* screen = GetScreenFrame();
        const int32_t width = screen != nullptr && screen->GetWidth() > 0 ? screen->GetWidth() : FIELD_WIDTH;
        share = static_cast<float>(GetMouseState().GetPosition().x) / static_cast<float>(width);
    }
    if (m_Reversed)
        share = 1.0f - share;
    const float x = std::nearbyint(share * TRAVEL) + LEFTMOST_X;
    sprite->SetPosition(Vector2{x, sprite->m_Position.y});
    if (m_LastX == -1.0f)
        m_LastX = x;
    CSpritePart* shield = m_pShip->GetPart(PART_SHIELD);
    shield->SetOffset(shield->GetOffset().x - (x - m_LastX), shield->GetOffset().y);
    const int32_t thruster = x < m_LastX ? PART_RIGHT_THRUSTER : x > m_LastX ? PART_LEFT_THRUSTER : -1;
    if (thruster != -1)
    {
        CSpritePart* part = m_pShip->GetPart(thruster);
        if ((part->m_Flags & PART_VISIBLE) == 0)
        {
            part->m_Flags |= PART_VISIBLE;
            part->SetProgress(0.0);
            PlaySpriteSound("Thrust.wav");
        }
        m_Tilt = thruster == PART_RIGHT_THRUSTER ? std::max(m_Tilt - TILT_PER_MOVE, 0.0f)
                                                 : std::min(m_Tilt + TILT_PER_MOVE, 1.0f);
    }
    m_LastX = x;
    PlaceHeldBall();
}

void CPlayerShipAI::PlaceHeldBall()
{
    if (m_pHeldBall == nullptr)
        return;
    const Vector2 shield = m_pShip->GetPart(PART_SHIELD)->GetOffset();
    const Vector2 at{m_pShip->m_Position.x + m_HeldOffsetX + shield.x, m_pShip->m_Position.y + m_HeldOffsetY + shield.y};
    m_pHeldBall->SetPosition(at);
    const int32_t wobble = GameRandom().Between(-HELD_WOBBLE, HELD_WOBBLE);
    m_pHeldBall->SetPreviousPosition(Vector2{at.x + static_cast<float>(wobble), at.y});
}

// A held ball is only let go; otherwise armed bomb balls go off, and the
// accessory fires only when none did.
void CPlayerShipAI::Fire(CSprite* sprite)
{
    if (m_pHeldBall != nullptr)
    {
        ReleaseBall(sprite);
        return;
    }
    bool detonated = false;
    for (CSprite* ballSprite = GetPlayfield()->m_pBallsInPlay->GetHead(); ballSprite != nullptr;
         ballSprite = ballSprite->GetNext())
    {
        CBallAI* ball = dynamic_cast<CBallAI*>(ballSprite->GetAI());
        CBallPlugIn* bomb = ball != nullptr ? ball->FindPlugIn(CBallPlugInBombBall::SGetClassInfo()) : nullptr;
        if (bomb != nullptr && static_cast<CBallPlugInBombBall*>(bomb)->Detonate())
            detonated = true;
    }
    if (!detonated && m_pAccessory != nullptr)
        m_pAccessory->Fire();
}

void CPlayerShipAI::AnimateShield(CSprite* sprite)
{
    CSpritePart* body = m_pShip->GetPart(PART_BODY);
    if (m_pControls == nullptr)
    {
        s_SwayPhase += SWAY_PER_STEP;
        body->SetProgress((std::sin(TWO_PI * s_SwayPhase) + 1.0f) / 2.0f);
        return;
    }
    CSpritePart* shield = m_pShip->GetPart(PART_SHIELD);
    float dip = shield->GetOffset().y;
    dip = dip > DIP_RECOVERY ? dip - DIP_RECOVERY : 0.0f;
    shield->SetOffset(shield->GetOffset().x * SHIELD_LAG_KEPT, dip);
    m_Tilt = m_Tilt < LEVEL_TILT ? std::min(m_Tilt + TILT_SETTLE, LEVEL_TILT) : std::max(m_Tilt - TILT_SETTLE, LEVEL_TILT);

    const float x = sprite->m_Position.x;
    if (!s_HasPreviousShipX)
    {
        s_PreviousShipX = x;
        s_HasPreviousShipX = true;
    }
    const float dx = x - s_PreviousShipX;
    const float f = std::max(dx, 0.0f);
    BurstFromThruster(PART_LEFT_THRUSTER, x - THRUSTER_SIDE + f / 2.0f, f, 1.0f + 3.0f * THRUSTER_SPREAD * f, PI);
    const float g = std::min(dx, 0.0f);
    BurstFromThruster(PART_RIGHT_THRUSTER, x + THRUSTER_SIDE + g / 2.0f, -g, 1.0f - 3.0f * THRUSTER_SPREAD * g, 0.0f);
    body->SetProgress(1.0f - m_Tilt);
    shield->SetSequence(NamedSequenceOrFail(SHIELD_IMAGES[m_ShieldSize]));
    shield->AdvanceLooping();
    s_PreviousShipX = x;
}

// A thruster shows while it plays once; the faster the ship moves its way,
// the more and the wider its sparks.
void CPlayerShipAI::BurstFromThruster(int32_t partIndex, float x, float sizeA, float countFactor, float direction)
{
    CSpritePart* part = m_pShip->GetPart(partIndex);
    if ((part->m_Flags & PART_VISIBLE) == 0)
        return;
    if (part->AdvanceOnce())
        part->m_Flags &= ~PART_VISIBLE;
    ParticleGeneratorList& generators = GetParticleGeneratorList();
    if (generators.GetCount() == 0)
        return;
    const int32_t index = generators.FindOrFail("Ship Thruster", 0);
    CParticleGeneratorInfo* generator = generators.Get(static_cast<uint32_t>(index));
    const uint32_t count = generator->m_Particles;
    generator->m_Particles = static_cast<uint32_t>(std::max(0.0f, std::nearbyint(static_cast<float>(count) * countFactor)));
    CPlayfield* playfield = GetPlayfield();
    playfield->SpawnSparksInList(Vector2{x, m_pShip->m_Position.y + THRUSTER_BELOW}, sizeA, THRUSTER_SIZE_B, direction,
                                 index, playfield->m_pBackEffects);
    generator->m_Particles = count;
}

void CPlayerShipAI::Reset(CSprite*, bool keepBall)
{
    if (!keepBall)
    {
        SetHeldBall(nullptr);
        m_LastX = -1.0f;
        CSpritePart* shield = m_pShip->GetPart(PART_SHIELD);
        shield->SetOffset(shield->GetOffset().x, 0.0f);
        m_Tilt = LEVEL_TILT;
        m_BombCharge = -1;
    }
    m_Catching = false;
    m_ShieldSize = NORMAL_SHIELD;
    SetAccessory(nullptr);
}

void CPlayerShipAI::GrowShield()
{
    m_ShieldSize = std::min(m_ShieldSize + 1, kLargestShield);
}

void CPlayerShipAI::ShrinkShield()
{
    m_ShieldSize = std::max(m_ShieldSize - 1, 0);
}

bool CPlayerShipAI::EnableCatch()
{
    const bool was = m_Catching;
    m_Catching = true;
    return was;
}

void CPlayerShipAI::SetAccessory(CShipAccessory* accessory)
{
    if (m_pAccessory != nullptr)
    {
        for (int32_t part = CShipAccessory::LEFT_GUN_PART; part <= CShipAccessory::TOP_GUN_PART; part++)
            if (part < m_pShip->GetPartCount())
                m_pShip->GetPart(part)->m_Flags &= ~PART_VISIBLE;
        delete m_pAccessory;
    }
    m_pAccessory = accessory;
}

float CPlayerShipAI::GetShieldCentreX(CSprite* shipSprite) const
{
    return shipSprite->m_Position.x + m_pShip->GetPart(PART_SHIELD)->GetOffset().x;
}

float CPlayerShipAI::ShieldHalfWidth() const
{
    return SHIELD_HALF_WIDTHS[m_ShieldSize];
}

void CPlayerShipAI::Recoil(CSprite*, CSprite* ballSprite)
{
    CBallAI* ball = dynamic_cast<CBallAI*>(ballSprite->GetAI());
    const float dip = ball != nullptr && ball->IsSmall() ? DIP_SMALL_BALL : DIP_NORMAL_BALL;
    CSpritePart* shield = m_pShip->GetPart(PART_SHIELD);
    shield->SetOffset(shield->GetOffset().x, std::min(shield->GetOffset().y + dip, DEEPEST_DIP));
}

// Shoot must be up this step and the step before, so the press that
// launched a ball never catches it again at once.
bool CPlayerShipAI::TryCatch(CSprite* shipSprite, CSprite* ballSprite)
{
    CBallAI* ball = dynamic_cast<CBallAI*>(ballSprite->GetAI());
    if (m_BombCharge != -1 && ball != nullptr)
        CPowerUpBombBall::ArmBall(ball);
    const bool shootHeld = m_pControls != nullptr && (m_pControls->IsActionDown(CPlayerControls::ACTION_SHOOT) ||
                                                      m_pControls->WasActionDown(CPlayerControls::ACTION_SHOOT));
    if (!m_Catching || m_pHeldBall != nullptr || shootHeld || ball == nullptr || !ball->HasBounced() ||
        ball->IsLoose())
        return false;
    HoldBall(shipSprite, ballSprite, false);
    StopSound(m_pCanCatchSound);
    GetSoundList().PlayByName("Electric/Catch.wav");
    return true;
}

void CPlayerShipAI::HoldBall(CSprite* shipSprite, CSprite* ballSprite, bool onTop)
{
    SetHeldBall(ballSprite);
    ballSprite->m_Velocity = Vector2{0.0f, 0.0f};
    const Vector2 shield = m_pShip->GetPart(PART_SHIELD)->GetOffset();
    const Vector2 base{shipSprite->m_Position.x + shield.x, shipSprite->m_Position.y + shield.y};
    if (onTop)
    {
        m_HeldOffsetX = SERVED_OFFSET_X;
        m_HeldOffsetY = SERVED_OFFSET_Y;
    }
    else
    {
        m_HeldOffsetX = ballSprite->m_Position.x - base.x;
        m_HeldOffsetY = ballSprite->m_Position.y - base.y;
    }
    ballSprite->SetPosition(Vector2{base.x + m_HeldOffsetX, base.y + m_HeldOffsetY});
    for (int32_t lift = 0; lift < MOST_LIFT_PIXELS && ballSprite->Collides(shipSprite); lift++)
    {
        m_HeldOffsetY -= 1.0f;
        ballSprite->SetPosition(Vector2{base.x + m_HeldOffsetX, base.y + m_HeldOffsetY});
    }
}

void CPlayerShipAI::ReleaseBall(CSprite* shipSprite)
{
    if (m_pHeldBall == nullptr)
        return;
    if (CBallAI* ball = dynamic_cast<CBallAI*>(m_pHeldBall->GetAI()))
    {
        ball->SetHasBounced(false);
        ball->LaunchFromShip(shipSprite);
    }
    SetHeldBall(nullptr);
}

// The ship does not own the ball it holds, and a round's end or a lost
// ball may delete it while held: the pointer is registered with the ball's
// behaviour, which nulls it when the ball goes.
void CPlayerShipAI::SetHeldBall(CSprite* ballSprite)
{
    if (m_pHeldBall != nullptr && m_pHeldBall->GetAI() != nullptr)
        CPointerToBeNulledArray::Unregister(m_pHeldBall->GetAI(), &m_pHeldBall);
    m_pHeldBall = ballSprite;
    if (ballSprite != nullptr && ballSprite->GetAI() != nullptr)
        CPointerToBeNulledArray::Register(ballSprite->GetAI(), &m_pHeldBall);
}
