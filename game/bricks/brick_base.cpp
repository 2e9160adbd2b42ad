#include "game/bricks/brick_base.h"

#include "engine/object/properties/bool_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/nested_object_property.h"
#include "engine/object/properties/point_property.h"
#include "engine/object/properties/text_property.h"
#include "game/bricks/brick_messages.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/bricks/named_object_table.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/hitter_of_bricks.h"
#include "game/playfield/playfield.h"
#include "game/playfield/playfield_hooks.h"
#include "game/records/stats.h"

VP_IMPLEMENT_ABSTRACT_CLASS(CBrickBase, CSpriteAI, 0.0f)

void CBrickBase::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new TextProperty("Name", VP_MEMBER(m_Name), EDITOR_EDITABLE, ""));
    classInfo->AddProperty(
        new BoolProperty("Spawned by Brick Layer", VP_MEMBER(m_SpawnedByBrickLayer), EDITOR_EDITABLE, true, nullptr));
    classInfo->AddProperty(new FloatPointProperty("Debug/Brick Position", VP_MEMBER(m_StartPosition), EDITOR_EDITABLE,
                                                  0.0f, 0.0f, nullptr));
    classInfo->AddProperty(new LibraryItemProperty("Debug/Style Sheet", VP_MEMBER(m_StyleSheet),
                                                   &GetBrickStyleSheetLibrary(), EDITOR_EDITABLE, nullptr, nullptr,
                                                   false));
    classInfo->AddProperty(new NestedObjectProperty("PlugIns", VP_MEMBER(m_PlugIns), EDITOR_EDITABLE));
}

CBrickBase::CBrickBase()
    // The saved fields start at their property defaults, so a brick made in
    // code and bound before any defaults or load reads no garbage.
    : m_StartPosition{0.0f, 0.0f}
    , m_StyleSheet(0)
    , m_SpawnedByBrickLayer(true)
    , m_Motion{0.0f, 0.0f}
    , m_DestructionCountdown(0)
    , m_MoveGuard(false)
    , m_PlugInsStarted(false)
    , m_pSprite(nullptr)
    , m_Destroying(false)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
    GetNamedObjectTable().Empty();
}

CBrickBase::~CBrickBase()
{
    GetNamedObjectTable().Empty();
    DestroyProperties(SGetClassInfo());
}

void CBrickBase::OnAttach(CSprite*)
{
}

void CBrickBase::AttachToSprite(CGameSprite* sprite)
{
    m_Motion = {0.0f, 0.0f};
    m_DestructionCountdown = 0;
    m_MoveGuard = false;
    m_pSprite = sprite;
    sprite->SetAccelerationFromAngle(0.0f, 0.0f);
    sprite->m_Velocity = {0.0f, 0.0f};
    sprite->SetPosition(GetStartCenter());
    sprite->AddAI(this);
    ApplyStyleSheet();
    m_PlugIns.SetOwner(this);
}

void CBrickBase::Update(CSprite* sprite, int32_t argument)
{
    if (sprite != m_pSprite)
        m_pSprite = dynamic_cast<CGameSprite*>(sprite);
    if (!m_PlugInsStarted)
    {
        m_PlugIns.Start(sprite);
        m_PlugInsStarted = true;
    }
    const CPlayfield* playfield = GetPlayfield();
    if (playfield == nullptr || (!playfield->IsLayingBricks() && !playfield->m_RoundCleared))
    {
        PlugInStepRecord record{kPlugInStep, false};
        m_PlugIns.Update(record);
        if (!m_SpawnedByBrickLayer)
        {
            m_SpawnedByBrickLayer = true;
            sprite->SetActive(true);
        }
        // A plug-in that sets stop has replaced or removed this brick: it
        // may be gone, so nothing here touches it again.
        bool stop = false;
        m_PlugIns.AfterUpdate(stop);
        if (stop)
            return;
    }
    UpdateAppearance();
    ApplyMotion(m_Motion);
    if (m_DestructionCountdown != 0 && --m_DestructionCountdown == 0)
        OnCountdownExpired();
    if (GetNext() != nullptr)
        GetNext()->Update(sprite, argument);
}

void CBrickBase::AfterDraw(CSprite*, CFrameInterface* frame)
{
    m_PlugIns.AfterDraw(frame);
}

Polygon2D* CBrickBase::GetCollisionPolygon(CSprite*)
{
    CBrickStyleSheet* styleSheet = GetStyleSheet();
    return styleSheet != nullptr ? &styleSheet->m_CollisionPoly : nullptr;
}

int32_t CBrickBase::PreDrawHook(CSprite*, CFrameInterface*)
{
    return 0;
}

int32_t CBrickBase::PreShadowHook(CSprite*, CFrameInterface*)
{
    return 0;
}

int32_t CBrickBase::PreOverlayHook(CSprite*, CFrameInterface*)
{
    return 0;
}

void CBrickBase::SyncState()
{
}

void CBrickBase::OnAcidHit(AcidHitQuery&)
{
}

void CBrickBase::OnTouchedByShip(CSprite*)
{
    if (DestroyedByShip() && !IsIndestructible())
        m_DestructionCountdown = 1;
}

void CBrickBase::AddForcedPowerUpFrom(CObject*)
{
}

void CBrickBase::SendToPlugIns(CMessage& message)
{
    m_PlugIns.OnMessage(message);
}

const char* CBrickBase::GetDefaultNamePrefix() const
{
    return "Brick";
}

void CBrickBase::OnRoundStart()
{
}

void CBrickBase::SetCollisionPolygon(const Polygon2D& polygon)
{
    CBrickStyleSheet* styleSheet = GetStyleSheet();
    if (styleSheet == nullptr)
        return;
    styleSheet->m_CollisionPoly = polygon;
    styleSheet->m_GridPolygon = polygon;
    styleSheet->m_GridPolygon.Inflate(0.5f);
}

Polygon2D* CBrickBase::GetGridPolygon()
{
    CBrickStyleSheet* styleSheet = GetStyleSheet();
    return styleSheet != nullptr ? &styleSheet->m_GridPolygon : nullptr;
}

bool CBrickBase::IsIndestructible() const
{
    return false;
}

bool CBrickBase::AppearsWithoutBrickLayer() const
{
    return false;
}

bool CBrickBase::AcceptsStyleChange() const
{
    return false;
}

bool CBrickBase::LetsBallPassThrough(CHitterOfBricks*) const
{
    return false;
}

bool CBrickBase::CanBeMovedByPlugIns() const
{
    return true;
}

bool CBrickBase::DestroyedByShip() const
{
    return false;
}

bool CBrickBase::IsVulnerableFrom(const Vector2&) const
{
    return true;
}

void CBrickBase::ApplyStyleSheet()
{
}

void CBrickBase::UpdateAppearance()
{
}

int32_t CBrickBase::OnHit(CHitterOfBricks*, const Vector2&)
{
    return 2;
}

bool CBrickBase::BlocksBricks() const
{
    return true;
}

void CBrickBase::OnPushedByBrick(CBrickBase*, const Vector2&, bool)
{
}

int32_t CBrickBase::OnDestroyed(const BrickDestroyInfo&)
{
    return 0;
}

Vector2 CBrickBase::GetStartCenter() const
{
    return {m_StartPosition.x + kCentreOffsetX, m_StartPosition.y + kCentreOffsetY};
}

CBrickStyleSheet* CBrickBase::GetStyleSheet() const
{
    return GetBrickStyleSheetLibrary().GetItemObject(static_cast<uint32_t>(m_StyleSheet));
}

bool CBrickBase::IsDestroyed() const
{
    return m_pSprite == nullptr || m_pSprite->IsDead();
}

bool CBrickBase::IsStyleSheetCompatible(const CBrickStyleSheet* styleSheet) const
{
    return styleSheet != nullptr && styleSheet->IsKindOf(GetStyleSheetClass());
}

bool CBrickBase::SetStyleSheetIfCompatible(int32_t index)
{
    if (!IsStyleSheetCompatible(GetBrickStyleSheetLibrary().GetItemObject(static_cast<uint32_t>(index))))
        return false;
    m_StyleSheet = index;
    return true;
}

namespace {

// The tutorial page of the style sheet, unless the round is no game.
void ShowStyleTutorial(const CPlayfield* playfield, int32_t page)
{
    if (playfield != nullptr && !playfield->IsNonGameRound())
        GetPlayfieldHooks().ShowTutorial(page, false);
}

} // namespace

bool CBrickBase::HitByBallOrShot(CHitterOfBricks* hitter, const Vector2& normal)
{
    CBrickHitByBallOrShotMessage message(hitter);
    SendToPlugIns(message);
    const int32_t result = OnHit(hitter, normal);
    if (const CBrickStyleSheet* styleSheet = GetStyleSheet())
        ShowStyleTutorial(GetPlayfield(), styleSheet->m_HitTutorial);
    if (result == 2)
    {
        Destroy(BrickDestroyInfo{hitter, false});
        return true;
    }
    return result == 1;
}

bool CBrickBase::Destroy(const BrickDestroyInfo& info)
{
    if (IsDestroyed() || m_Destroying)
        return true;
    m_Destroying = true;
    CMessage message(GetBrickDestroyedMessageId());
    SendToPlugIns(message);
    const int32_t result = OnDestroyed(info);
    if (result == 2)
    {
        m_Destroying = false;
        return false;
    }
    CPlayfield* playfield = GetPlayfield();
    if (playfield != nullptr && !playfield->IsNonGameRound())
    {
        const CBrickStyleSheet* styleSheet = GetStyleSheet();
        if (styleSheet != nullptr)
            playfield->AddScore(styleSheet->m_Score);
        GetStats().GetCurrentGame().m_BricksDestroyed++;
        if (styleSheet != nullptr)
            GetPlayfieldHooks().ShowTutorial(styleSheet->m_DestroyedTutorial, false);
    }
    MarkDead();
    m_Destroying = false;
    return true;
}

bool CBrickBase::DestroyByExplosion(float factor, float delay)
{
    if (IsDestroyed() || m_Destroying)
        return true;
    m_Destroying = true;
    const int32_t result = OnDestroyed(BrickDestroyInfo{nullptr, false});
    m_Destroying = false;
    if (result == 2)
        return false;
    // Dead before the area damage, which reaches this brick too.
    MarkDead();
    if (result != 1)
        DamageArea(m_pSprite, 40.0f * factor, 24.0f * factor, delay);
    return true;
}

void CBrickBase::MarkDead()
{
    m_pSprite->Kill();
}

void CBrickBase::ReplacePlugIns(CBrickPlugIn* plugIn)
{
    m_PlugIns.ReplaceAll(plugIn);
}
