#include "game/playfield/ball_ai.h"

#include <cmath>

#include "engine/core/geometry/polygon2d.h"
#include "engine/core/messages/message_type.h"
#include "engine/graphics/sequence_list.h"
#include "game/playfield/ball_plug_in.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/named_sequence.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite_sound.h"

VP_IMPLEMENT_ABSTRACT_CLASS(CBallAI, CHitterOfBricks, 1.0f)

namespace {

const float NORMAL_RADIUS = 8.0f;
const float SMALL_RADIUS = 3.0f;
const float NORMAL_MARGIN = 11.0f;
const float SMALL_MARGIN = 3.0f;
const float SCORE_BOARD_WIDTH = 626.0f;
const float FIELD_WIDTH = 800.0f;
const float HALF_PI = 1.5707964f;
const float PI = 3.1415927f;
const float CLEARED_SLOW_DOWN = 0.8f;
const float WALL_PUT_BACK = 0.1f;

Polygon2D MakeRegularPolygon(int32_t corners, float radius)
{
    Polygon2D polygon;
    for (int32_t i = 0; i < corners; i++)
    {
        const double angle = static_cast<double>(i) * (360.0 / corners) * 3.14159265358979323846 / 180.0;
        polygon.InsertPoint(static_cast<float>(radius * std::cos(angle)), static_cast<float>(radius * std::sin(angle)),
                            -1);
    }
    polygon.Close();
    return polygon;
}

} // namespace

void CBallAI::RegisterProperties(CClassInfo*)
{
}

CBallAI::CBallAI()
    : m_Stopped(false)
    , m_pSprite(nullptr)
    , m_BaseSpeed(0.0f)
    , m_Small(false)
    , m_HasBounced(false)
    , m_Loose(false)
    , m_StallStart(0)
    , m_SpeedChangeLeft(0)
    , m_SpeedChangeLength(0)
    , m_SpeedChangeFactor(1.0f)
    , m_TrailSteps(0)
    , m_TrailGenerator(0)
{
    ConstructProperties(SGetClassInfo());
}

CBallAI::~CBallAI()
{
    while (m_PlugIns.GetCount() != 0)
        DeletePlugIn(m_PlugIns.GetCount() - 1);
    DestroyProperties(SGetClassInfo());
}

float BallLaunchSpeed(uint32_t difficulty)
{
    static const float speeds[] = {3.3333333f, 5.4166665f, 6.8333335f, 8.666667f};
    return speeds[difficulty < 4 ? difficulty : 1];
}

float BallBounceIncrease(uint32_t difficulty)
{
    static const float increases[] = {0.01f, 0.0125f, 0.014166667f, 0.015f};
    return increases[difficulty < 4 ? difficulty : 1];
}

void CBallAI::Launch(CGameSprite* sprite, const CBallAI* plugInsToCopy, bool small)
{
    m_Loose = false;
    m_StallStart = 0;
    m_pSprite = sprite;
    sprite->AddAI(this);
    m_BaseSpeed = BallLaunchSpeed(GetPlayfield()->GetDifficulty());
    m_Stopped = false;
    m_Small = false;
    m_HasBounced = false;
    m_SpeedChangeLeft = 0;
    m_SpeedChangeFactor = 1.0f;
    sprite->m_Damping = 1.0f;
    sprite->AddPart(NamedSequenceOrFail("Ball"));
    if (plugInsToCopy != nullptr)
        for (CBallPlugIn* plugIn : plugInsToCopy->m_PlugIns)
            AddPlugIn(static_cast<CBallPlugIn*>(plugIn->CreateSameClass()));
    if (small && !m_Small)
    {
        m_Small = true;
        ApplySize();
    }
    ApplySize();
}

void CBallAI::Update(CSprite* sprite, int32_t)
{
    for (CBallPlugIn* plugIn : m_PlugIns)
        plugIn->Update();
    UpdateSpeedChange();
    CPlayfield* playfield = GetPlayfield();
    if (playfield->m_RoundCleared)
        sprite->m_Velocity = Vector2Scale(sprite->m_Velocity, CLEARED_SLOW_DOWN);
    m_pSprite->GetPart(0)->AdvanceLooping();

    const float margin = GetMargin();
    if (sprite->m_Position.y < margin + 10.0f && sprite->m_Velocity.y < 0.0f)
    {
        sprite->m_Velocity.y = std::fabs(sprite->m_Velocity.y);
        BounceOffWall(true, margin + 10.0f, HALF_PI);
    }
    if (sprite->m_Position.y > kOutOfPlayY)
    {
        sprite->Kill();
        CMessage message("BallOutOfPlay");
        BroadcastMessage(message);
    }
    if (sprite->m_Position.x < margin + 11.0f && sprite->m_Velocity.x < 0.0f)
    {
        sprite->m_Velocity.x = std::fabs(sprite->m_Velocity.x);
        BounceOffWall(false, margin + 11.0f, 0.0f);
    }
    const float width = playfield->m_ScoreBoardShown ? SCORE_BOARD_WIDTH : FIELD_WIDTH;
    if (sprite->m_Position.x > width - margin && sprite->m_Velocity.x > 0.0f)
    {
        sprite->m_Velocity.x = -std::fabs(sprite->m_Velocity.x);
        BounceOffWall(false, width - margin, PI);
    }
    SetSpriteBallRadius(GetRadius());
    if (!m_Stopped && m_TrailSteps > 0)
    {
        m_TrailSteps--;
        if (GetParticleGeneratorList().GetCount() != 0)
            playfield->SpawnHitSparks(sprite, static_cast<int32_t>(GetRadius()), false, 0.0f, m_TrailGenerator);
    }
}

// The ball goes back to where the step began, kept inside the wall, so a
// fast ball that crossed the wall in one step is never left beyond it. The
// corrected point becomes where the step began: a ball in a corner meets
// the second wall from there and keeps the first wall's correction.
void CBallAI::BounceOffWall(bool vertical, float limit, float direction)
{
    Vector2 previous = m_pSprite->GetPreviousPosition();
    float& coordinate = vertical ? previous.y : previous.x;
    const bool farWall = direction == PI;
    if (farWall ? coordinate > limit : coordinate < limit)
        coordinate = farWall ? limit - WALL_PUT_BACK : limit + WALL_PUT_BACK;
    m_pSprite->SetPosition(previous);
    m_pSprite->StorePreviousPosition();
    if (!m_Loose)
        PlaySpriteSound("Bounce.wav");
    SpawnHitSparksNamed("Ball Hit Wall", "Ball Hit Wall Small", direction);
    PreventStall(true);
}

void CBallAI::SpawnHitSparksNamed(const char* normalName, const char* smallName, float direction)
{
    ParticleGeneratorList& generators = GetParticleGeneratorList();
    if (generators.GetCount() == 0)
        return;
    const int32_t generator = generators.FindOrFail(m_Small ? smallName : normalName, 0);
    GetPlayfield()->SpawnHitSparks(m_pSprite, static_cast<int32_t>(GetMargin()), true, direction, generator);
}

void CBallAI::AfterDraw(CSprite*, CFrameInterface* frame)
{
    for (CBallPlugIn* plugIn : m_PlugIns)
        plugIn->DrawOverlay(frame);
}

void CBallAI::BroadcastMessage(CMessage& message)
{
    for (CBallPlugIn* plugIn : m_PlugIns)
        plugIn->OnMessage(message);
}

Polygon2D* CBallAI::GetCollisionPolygon(CSprite*)
{
    static Polygon2D normal = MakeRegularPolygon(12, 9.0f);
    static Polygon2D small = MakeRegularPolygon(8, 3.0f);
    return m_Small ? &small : &normal;
}

float CBallAI::GetHitStrength() const
{
    if (!m_Small)
        return 1.0f;
    for (CBallPlugIn* plugIn : m_PlugIns)
        if (plugIn->KeepsFullSize())
            return 1.0f;
    return 0.5f;
}

CSprite* CBallAI::GetSprite() const
{
    return m_pSprite;
}

float CBallAI::GetRadius() const
{
    return m_Small ? SMALL_RADIUS : NORMAL_RADIUS;
}

float CBallAI::GetMargin() const
{
    return m_Small ? SMALL_MARGIN : NORMAL_MARGIN;
}

void CBallAI::GetWallRect(float& left, float& top, float& right, float& bottom) const
{
    const float margin = GetMargin();
    left = margin + 11.0f;
    top = margin + 10.0f;
    right = SCORE_BOARD_WIDTH - margin;
    bottom = kOutOfPlayY;
}

void CBallAI::SetTrailParticles(int32_t generator, int32_t steps)
{
    m_TrailGenerator = generator;
    m_TrailSteps = steps;
}

// A plug-in of exactly the newcomer's class is looked for first: then the
// ball stays as it was, and no plug-in that would have refused the newcomer
// is lost for a newcomer that is thrown away.
void CBallAI::AddPlugIn(CBallPlugIn* plugIn)
{
    for (uint32_t i = m_PlugIns.GetCount(); i-- > 0;)
        if (m_PlugIns[i]->GetClassInfo() == plugIn->GetClassInfo())
        {
            m_PlugIns[i]->OnAddedAgain();
            delete plugIn;
            return;
        }
    for (uint32_t i = m_PlugIns.GetCount(); i-- > 0;)
        if (!m_PlugIns[i]->KeepWhenAdding(plugIn))
            DeletePlugIn(i);
    m_PlugIns.Add(plugIn);
    plugIn->SetBall(this);
    plugIn->OnAttached();
    ApplySize();
}

void CBallAI::RemovePlugIn(CBallPlugIn* plugIn)
{
    for (uint32_t i = 0; i < m_PlugIns.GetCount(); i++)
        if (m_PlugIns[i] == plugIn)
        {
            DeletePlugIn(i);
            return;
        }
}

void CBallAI::RemoveAllPlugIns()
{
    m_Small = false;
    while (m_PlugIns.GetCount() != 0)
        DeletePlugIn(m_PlugIns.GetCount() - 1);
    ApplySize();
}

void CBallAI::DeletePlugIn(uint32_t index)
{
    CBallPlugIn* plugIn = m_PlugIns[index];
    m_PlugIns.RemoveAt(index);
    delete plugIn;
}

CBallPlugIn* CBallAI::FindPlugIn(const CClassInfo* classInfo) const
{
    for (CBallPlugIn* plugIn : m_PlugIns)
        if (plugIn->IsKindOf(classInfo))
            return plugIn;
    return nullptr;
}

void CBallAI::MakeSmall()
{
    if (m_Small)
        return;
    m_Small = true;
    ApplySize();
}

void CBallAI::ApplySize()
{
    CSpritePart* part = m_pSprite->GetPart(0);
    part->SetProgress(0.0);
    part->SetSequence(NamedSequenceOrFail(m_Small ? "Small Ball" : "Ball"));
    for (CBallPlugIn* plugIn : m_PlugIns)
        plugIn->OnBallSizeChanged();
}
