#include "game/bricks/brick_change_area.h"

#include "engine/blit/antialiased_lines.h"
#include "engine/blit/scoped_blit_opacity.h"
#include "engine/core/color/color.h"
#include "engine/core/localization/localized_string.h"
#include "engine/core/maths/maths_helpers.h"
#include "engine/core/maths/maths_tables.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_interface.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/editor_hooks.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/platform/tick_counter.h"
#include "game/bricks/brick_editor_drawing.h"
#include "game/bricks/brick_first_part.h"
#include "game/bricks/brick_info.h"
#include "game/bricks/brick_plug_in_change_self.h"
#include "game/bricks/brick_style_sheet_as.h"
#include "game/bricks/brick_type_table.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite_part.h"

VP_IMPLEMENT_CLASS(CBrickChangeArea, CBrickBasicDestructible, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetChangeArea, CBrickStyleSheetBasicDestructible, 0.0f)

namespace {

CLocalizedString s_TextChangeArea("Change Area",
                                  "The kind of brick that turns the bricks round it into another style when it breaks");

// The reach preview grows over this many editor frames.
constexpr int32_t kReachGrowFrames = 6;
// The target look fades in over one second and stays for one.
constexpr uint32_t kFadeCycleMilliseconds = 2000;
constexpr float kFadePerMillisecond = 0.001f;

// The shapes a target style lends: its own when it has points.
Polygon2D* LentPolygon(Polygon2D& target, Polygon2D* own)
{
    return target.GetCount() > 0 ? &target : own;
}

} // namespace

void CBrickChangeArea::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Change To Brick Style", VP_MEMBER(m_ChangeToBrickStyle),
                                                   &GetBrickStyleSheetLibrary(), EDITOR_EDITABLE, nullptr, nullptr,
                                                   false));
}

CBrickChangeArea::CBrickChangeArea()
    : m_ChangeToBrickStyle(0)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickChangeArea::~CBrickChangeArea()
{
    DestroyProperties(SGetClassInfo());
}

CBrickStyleSheet* CBrickChangeArea::GetTargetStyle() const
{
    CBrickStyleSheetLibrary& library = GetBrickStyleSheetLibrary();
    if (m_ChangeToBrickStyle == 0 || library.GetCount() == 0)
        return nullptr;
    return library.GetItemObject(static_cast<uint32_t>(m_ChangeToBrickStyle));
}

void CBrickChangeArea::Update(CSprite* sprite, int32_t argument)
{
    CGameSprite* gameSprite = GetSprite();
    if (gameSprite != nullptr && gameSprite->GetPartCount() > 1)
        gameSprite->GetPart(1)->AdvanceLooping();
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetChangeArea>(*this);
    CPlayfield* playfield = GetPlayfield();
    if (styleSheet != nullptr && playfield != nullptr && sprite != nullptr && sprite->IsActive())
        playfield->SpawnBreakParticles(sprite, styleSheet->m_IdleParticleGenerator, nullptr);
    CBrickBasicDestructible::Update(sprite, argument);
}

Polygon2D* CBrickChangeArea::GetCollisionPolygon(CSprite* sprite)
{
    Polygon2D* own = CBrickBasicDestructible::GetCollisionPolygon(sprite);
    CBrickStyleSheet* target = GetTargetStyle();
    return target != nullptr ? LentPolygon(target->m_CollisionPoly, own) : own;
}

Polygon2D* CBrickChangeArea::GetGridPolygon()
{
    Polygon2D* own = CBrickBasicDestructible::GetGridPolygon();
    CBrickStyleSheet* target = GetTargetStyle();
    return target != nullptr ? LentPolygon(target->m_GridPolygon, own) : own;
}

void CBrickChangeArea::OnAcidHit(AcidHitQuery& query)
{
    query.refuse = true;
}

void CBrickChangeArea::DrawEditorOverlay(EditorDrawContext& context)
{
    CBrickBasicDestructible::DrawEditorOverlay(context);
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetChangeArea>(*this);
    if (!context.selected || context.intensity == 0 || styleSheet == nullptr || context.frame == nullptr ||
        context.sprite == nullptr)
        return;
    const Vector2& at = context.sprite->m_Position;
    const float scale = GrowThenHoldScale(context.editorCounter, kReachGrowFrames);
    DrawEllipse(*context.frame, at, scale * styleSheet->m_ChangeXRadius, CColor(0, 255, 0, context.intensity));

    const CBrickStyleSheet* target = GetTargetStyle();
    CSequence* look = target != nullptr
                          ? GetSequenceList().GetItemObject(static_cast<uint32_t>(target->GetPrimarySequence()))
                          : nullptr;
    CFrame* image = look != nullptr ? look->GetFrame(0) : nullptr;
    if (image == nullptr)
        return;
    // Every sequence has a blit type: an unknown index reads the normal one.
    CBlitType& blitType = *look->GetBlitType();
    const float fade = static_cast<float>(GetTickCount24() % kFadeCycleMilliseconds) * kFadePerMillisecond;
    const CScopedBlitOpacity faded(blitType, blitType.GetOpacity() * (fade > 1.0f ? 1.0f : fade));
    context.frame->BlitAt(image, RoundToInt(at.x), RoundToInt(at.y), &blitType);
}

const CString& CBrickChangeArea::GetTypeDisplayName() const
{
    return s_TextChangeArea.GetText();
}

bool CBrickChangeArea::MustBeDestroyedToFinish() const
{
    return true;
}

CClassInfo* CBrickChangeArea::GetStyleSheetClass() const
{
    return CBrickStyleSheetChangeArea::SGetClassInfo();
}

void CBrickChangeArea::ApplyStyleSheet()
{
    CBrickBasicDestructible::ApplyStyleSheet();
    const CBrickStyleSheet* target = GetTargetStyle();
    if (GetEditorHooks().LevelEditorBuilding || target == nullptr)
        return;
    if (target->GetPrimarySequence() != 0)
        ShowOnFirstPart(*this, target->GetPrimarySequence(), PartStart::AtRandom);
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetChangeArea>(*this);
    if (styleSheet != nullptr && styleSheet->m_OverlaySequence != 0 && GetSprite() != nullptr)
        GetSprite()->AddPart(GetSequenceList().GetItemObject(static_cast<uint32_t>(styleSheet->m_OverlaySequence)));
}

int32_t CBrickChangeArea::OnDestroyed(const BrickDestroyInfo& info)
{
    // The change is news the player must see, even when the acid's quiet
    // dissolve or a script's quiet removal set it off.
    CBrickBasicDestructible::OnDestroyed(BrickDestroyInfo{info.instigator, false});
    ChangeBricksInArea();
    return 0;
}

void CBrickChangeArea::ChangeBricksInArea()
{
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetChangeArea>(*this);
    // Without a target every brick would become the placeholder style.
    if (styleSheet == nullptr || GetTargetStyle() == nullptr)
        return;
    const float radiusX = styleSheet->m_ChangeXRadius;
    const float delay = styleSheet->m_Delay;
    ForEachBrickInEllipse(GetSprite(), radiusX, styleSheet->m_ChangeYRadius,
                          [&](CBrickBase& brick, const Vector2&, float reachSquared) {
                              if (&brick == this || !brick.AcceptsStyleChange())
                                  return;
                              const float seconds = FastSqrt(reachSquared) / radiusX * delay;
                              brick.GetPlugIns().AddPlugIn(CreateChangeSelfAfterDelay(seconds, m_ChangeToBrickStyle));
                          });
}

void CBrickStyleSheetChangeArea::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new FloatProperty("Delay", "Seconds", VP_MEMBER(m_Delay), EDITOR_EDITABLE, 0.25f, nullptr,
                                             0.0f, 0.0f, 0.05f));
    classInfo->AddProperty(new FloatProperty("Change X Radius", "pixels", VP_MEMBER(m_ChangeXRadius), EDITOR_EDITABLE,
                                             60.0f, nullptr, 0.0f, 0.0f, 1.0f));
    classInfo->AddProperty(new FloatProperty("Change Y Radius", "pixels", VP_MEMBER(m_ChangeYRadius), EDITOR_EDITABLE,
                                             60.0f, nullptr, 0.0f, 0.0f, 1.0f));
    classInfo->AddProperty(new LibraryItemProperty("Idle Particle Generator", VP_MEMBER(m_IdleParticleGenerator),
                                                   &GetParticleGeneratorList(), EDITOR_EDITABLE, nullptr, nullptr,
                                                   false));
    classInfo->AddProperty(new LibraryItemProperty("Overlay Sequence", VP_MEMBER(m_OverlaySequence),
                                                   &GetSequenceList(), EDITOR_EDITABLE, nullptr, nullptr, false));
}

CBrickStyleSheetChangeArea::CBrickStyleSheetChangeArea()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheetChangeArea::~CBrickStyleSheetChangeArea()
{
    DestroyProperties(SGetClassInfo());
}

bool CBrickStyleSheetChangeArea::ConvertFromBrickInfo(const CBrickInfo& info)
{
    if (info.m_BrickType != BRICK_TYPE_EXPLODING)
        return false;
    CBrickStyleSheetBasicDestructible::ConvertFromBrickInfo(info);
    return true;
}

CClassInfo* CBrickStyleSheetChangeArea::GetBrickClass() const
{
    return CBrickChangeArea::SGetClassInfo();
}
