#include "game/bricks/brick_powerup.h"

#include "engine/core/color/color.h"
#include "engine/core/lists/virtual_array.h"
#include "engine/core/localization/localized_string.h"
#include "engine/core/maths/random_r250.h"
#include "engine/graphics/frame_interface.h"
#include "engine/object/properties/bool_property.h"
#include "engine/platform/tick_counter.h"
#include "game/bricks/brick_info.h"
#include "game/bricks/brick_type_table.h"
#include "game/bricks/floating_brick.h"
#include "game/bricks/power_up_list_property.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/playfield.h"
#include "game/playfield/power_up_base.h"

VP_IMPLEMENT_CLASS(CBrickPowerup, CBrickBasicDestructible, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetPowerup, CBrickStyleSheetBasicDestructible, 0.0f)

namespace {

CLocalizedString s_TextPowerup("Power-Up", "The kind of brick that drops a power-up when it breaks");

// How long each forced kind's icon shows in the editor before the next.
constexpr uint32_t kIconTurnMilliseconds = 500;

const ArrayProperty& ForcedListProperty()
{
    return *static_cast<const ArrayProperty*>(CBrickPowerup::SGetClassInfo()->FindProperty("Forced Power-Ups"));
}

} // namespace

void CBrickPowerup::RegisterProperties(CClassInfo* classInfo)
{
    auto add = [classInfo](Property* property) {
        property->SetOmitWhenDefault(true);
        classInfo->AddProperty(property);
    };
    add(PowerUpListProperty("Forced Power-Ups", VP_MEMBER(m_ForcedCount), VP_MEMBER(m_ForcedCapacity),
                            VP_MEMBER(m_pForced), "m_PowerUpWhiteList", "Forced Power-Up"));
    auto* levelBreakers = new BoolProperty("Power-Ups/Disallowed Level Breakers", VP_MEMBER(m_DisallowLevelBreakers),
                                           EDITOR_EDITABLE, false, nullptr);
    levelBreakers->SetHelpText(kLevelBreakersHelp);
    add(levelBreakers);
    add(PowerUpListProperty("Power-Ups/Disallowed Power-Ups", VP_MEMBER(m_DisallowedCount),
                            VP_MEMBER(m_DisallowedCapacity), VP_MEMBER(m_pDisallowed), "m_PowerUpBlackList",
                            "Power-Ups/Disallowed"));
}

CBrickPowerup::CBrickPowerup()
    : m_Released(false)
    , m_ReleaseCountdown(0)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickPowerup::~CBrickPowerup()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickPowerup::ReadCustomProperties(const char* name, const char* value, CObjectStream& stream)
{
    if (CompareItemNames(name, "Which Power-up") != 0)
    {
        CBrickBasicDestructible::ReadCustomProperties(name, value, stream);
        return;
    }
    const int32_t kind = GetPowerUpLibrary().Find(value, -1);
    if (kind >= 0)
        *static_cast<int32_t*>(ForcedListProperty().AppendElement(this)) = kind;
}

void CBrickPowerup::OnAcidHit(AcidHitQuery&)
{
    if (m_ReleaseCountdown == 0)
        m_ReleaseCountdown = kAcidReleaseFrames;
}

void CBrickPowerup::AddForcedPowerUpFrom(CObject* source)
{
    if (source == nullptr || !source->IsKindOf(CFloatingBrick::SGetClassInfo()))
        return;
    const int32_t kind = static_cast<const CFloatingBrick*>(source)->m_ForcedPowerUp;
    if (kind != 0)
        *static_cast<int32_t*>(ForcedListProperty().AppendElement(this)) = kind;
}

void CBrickPowerup::DrawEditorOverlay(EditorDrawContext& context)
{
    static const CColor kCross(0, 0, 0, 255);
    CBrickBasicDestructible::DrawEditorOverlay(context);
    if (context.frame == nullptr || context.sprite == nullptr)
        return;
    const CPoint at = context.sprite->m_DrawnPosition;
    if (m_ForcedCount != 0)
    {
        const uint32_t shown = GetTickCount() / kIconTurnMilliseconds % m_ForcedCount;
        if (CPowerUpBase* kind = GetPowerUpLibrary().GetItemObject(static_cast<uint32_t>(m_pForced[shown])))
            kind->DrawIcon(at.x, at.y, context.frame);
    }
    if (m_DisallowLevelBreakers || m_DisallowedCount != 0)
    {
        const Vector2& centre = context.sprite->m_Position;
        context.frame->DrawLineAA(centre.x - 20.0f, centre.y - 10.0f, centre.x + 20.0f, centre.y + 10.0f, kCross);
        context.frame->DrawLineAA(centre.x - 20.0f, centre.y + 10.0f, centre.x + 20.0f, centre.y - 10.0f, kCross);
    }
}

const CString& CBrickPowerup::GetTypeDisplayName() const
{
    return s_TextPowerup.GetText();
}

bool CBrickPowerup::MustBeDestroyedToFinish() const
{
    return true;
}

CClassInfo* CBrickPowerup::GetStyleSheetClass() const
{
    return CBrickStyleSheetPowerup::SGetClassInfo();
}

void CBrickPowerup::UpdateAppearance()
{
    CBrickBasicDestructible::UpdateAppearance();
    if (m_ReleaseCountdown != 0 && --m_ReleaseCountdown == 0 && !m_Released)
        Release();
}

int32_t CBrickPowerup::OnDestroyed(const BrickDestroyInfo& info)
{
    const int32_t result = CBrickBasicDestructible::OnDestroyed(info);
    if (result == 0 && GetSprite() != nullptr && !m_Released)
        Release();
    return result;
}

void CBrickPowerup::Release()
{
    m_Released = true;
    CPlayfield* playfield = GetPlayfield();
    if (playfield == nullptr || GetSprite() == nullptr)
        return;
    const int32_t kind = m_ForcedCount != 0 ? m_pForced[GameRandom().Below(m_ForcedCount)] : 0;
    CDynamicArray<int32_t> disallowed;
    for (uint32_t i = 0; i < m_DisallowedCount; i++)
        disallowed.Add(m_pDisallowed[i]);
    playfield->SpawnPowerUp(GetSprite(), kind, m_DisallowLevelBreakers, &disallowed);
}

void CBrickStyleSheetPowerup::RegisterProperties(CClassInfo*)
{
}

CBrickStyleSheetPowerup::CBrickStyleSheetPowerup()
{
    ConstructProperties(SGetClassInfo());
}

CBrickStyleSheetPowerup::~CBrickStyleSheetPowerup()
{
    DestroyProperties(SGetClassInfo());
}

CClassInfo* CBrickStyleSheetPowerup::GetBrickClass() const
{
    return CBrickPowerup::SGetClassInfo();
}

bool CBrickStyleSheetPowerup::ConvertFromBrickInfo(const CBrickInfo& info)
{
    if (info.m_BrickType != BRICK_TYPE_POWER_UP)
        return false;
    CBrickStyleSheetBasicDestructible::ConvertFromBrickInfo(info);
    return true;
}
