#include "game/bricks/brick_n_hit_side.h"

#include <algorithm>

#include "engine/app/sound/sound_list.h"
#include "engine/core/lists/named_value_list.h"
#include "engine/core/localization/localized_string.h"
#include "engine/core/maths/random_r250.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/array_property.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/unsigned_int_property.h"
#include "game/bricks/brick_first_part.h"
#include "game/bricks/brick_info.h"
#include "game/bricks/brick_style_references.h"
#include "game/bricks/brick_style_sheet_as.h"
#include "game/bricks/brick_type_table.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/hitter_of_bricks.h"
#include "game/playfield/sprite_sound.h"

VP_IMPLEMENT_CLASS(CBrickNHitSide, CBrickBasicDestructible, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetNHitSide, CBrickStyleSheetBasicDestructible, 0.0f)

namespace {

CLocalizedString s_TextNHitSide("N Hit Side",
                                "The kind of brick that takes several hits and may have a nearly indestructible edge");

CNamedValueList& GetEdgeNames()
{
    static CNamedValueList names;
    if (names.GetCount() == 0)
    {
        names.Add("Normal Edge", CBrickStyleSheetNHitSide::NORMAL_EDGE);
        names.Add("Nearly Indestructible Edge", CBrickStyleSheetNHitSide::NEARLY_INDESTRUCTIBLE_EDGE);
    }
    return names;
}

// Built by a static initialiser, so the table exists before any class
// registers against it.
[[maybe_unused]] CNamedValueList& g_EdgeNames = GetEdgeNames();

ArrayProperty* HitImages(const char* name, CPropertyMember<uint32_t> count, CPropertyMember<uint32_t> capacity,
                         CArrayDataMember data, const char* memberName)
{
    return new ArrayProperty(name, count, capacity, data, memberName, true,
                             new LibraryItemProperty("Hit Image", ArrayElementMember<int32_t>(), &GetSequenceList(),
                                                     EDITOR_EDITABLE, nullptr, nullptr, false),
                             EDITOR_EDITABLE);
}


} // namespace

void CBrickNHitSide::RegisterProperties(CClassInfo* classInfo)
{
    auto add = [classInfo](Property* property) {
        property->SetOmitWhenDefault(true);
        classInfo->AddProperty(property);
    };
    add(new UnsignedIntProperty("Debug/Hit Count", VP_MEMBER(m_HitCount), EDITOR_EDITABLE, 0, nullptr, 0, 0));
    add(new FloatProperty("Debug/Partial Hit Accumulation", VP_MEMBER(m_PartialHitAccumulation), EDITOR_EDITABLE,
                          0.0f, nullptr, 0.0f, 0.0f, 0.1f));
    add(new UnsignedIntProperty("Debug/Indestructible Hit Count", VP_MEMBER(m_IndestructibleHitCount),
                                EDITOR_EDITABLE, 0, nullptr, 0, 0));
}

CBrickNHitSide::CBrickNHitSide()
    : m_HitCount(0)
    , m_PartialHitAccumulation(0.0f)
    , m_IndestructibleHitCount(0)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickNHitSide::~CBrickNHitSide()
{
    DestroyProperties(SGetClassInfo());
}

const CString& CBrickNHitSide::GetTypeDisplayName() const
{
    return s_TextNHitSide.GetText();
}

bool CBrickNHitSide::MustBeDestroyedToFinish() const
{
    return true;
}

bool CBrickNHitSide::IsVulnerableFrom(const Vector2& point) const
{
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetNHitSide>(*this);
    if (styleSheet == nullptr || GetSprite() == nullptr)
        return true;
    const float dy = GetSprite()->m_Position.y - point.y;
    if (styleSheet->m_Bottom == CBrickStyleSheetNHitSide::NEARLY_INDESTRUCTIBLE_EDGE && dy < kVulnerableDistance)
        return false;
    if (styleSheet->m_Top == CBrickStyleSheetNHitSide::NEARLY_INDESTRUCTIBLE_EDGE && dy > -kVulnerableDistance)
        return false;
    return true;
}

CClassInfo* CBrickNHitSide::GetStyleSheetClass() const
{
    return CBrickStyleSheetNHitSide::SGetClassInfo();
}

int32_t CBrickNHitSide::OnHit(CHitterOfBricks* hitter, const Vector2& normal)
{
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetNHitSide>(*this);
    if (styleSheet == nullptr)
        return 2;
    const int32_t edge = normal.y < 0.0f ? styleSheet->m_Top : styleSheet->m_Bottom;
    if (edge == CBrickStyleSheetNHitSide::NEARLY_INDESTRUCTIBLE_EDGE)
    {
        if (m_IndestructibleHitCount < kEdgeHitsToDestroy)
            m_IndestructibleHitCount++;
        if (m_IndestructibleHitCount >= kEdgeHitsToDestroy)
            return 2;
        PlaySpriteSound(styleSheet->m_IndestructibleSound);
        return 0;
    }
    const uint32_t images = styleSheet->m_HitSequenceCount;
    if (images > 0 && hitter != nullptr)
    {
        m_PartialHitAccumulation += hitter->GetHitStrength();
        if (m_PartialHitAccumulation < 1.0f)
        {
            PlaySpriteSound(styleSheet->m_SmallBallDidPartialDamageSound);
            return 0;
        }
    }
    if (m_HitCount <= images)
        m_HitCount++;
    m_PartialHitAccumulation = 0.0f;
    // A saved count at or past the images (a level saved before its style
    // lost images, or edited by hand) destroys rather than showing an image
    // past the end.
    if (m_HitCount >= images + 1)
        return 2;
    PlaySpriteSound(styleSheet->m_DamagedSound);
    ShowOnFirstPart(*this, PickHitImage(m_HitCount - 1), PartStart::Kept);
    return 1;
}

int32_t CBrickNHitSide::PickHitImage(uint32_t d) const
{
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetNHitSide>(*this);
    const uint32_t images = styleSheet->m_HitSequenceCount;
    d = std::min(d, images - 1);
    if (styleSheet->m_HitSequenceVariationACount != images)
        return styleSheet->m_HitSequenceIndexes[d];
    const uint32_t r = GameRandom().Below(3);
    if (styleSheet->m_HitSequenceVariationBCount == images && r == 2)
        return styleSheet->m_HitSequenceVariationBIndexes[d];
    return r == 1 ? styleSheet->m_HitSequenceVariationAIndexes[d] : styleSheet->m_HitSequenceIndexes[d];
}

void CBrickStyleSheetNHitSide::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(HitImages("Hit Image", VP_MEMBER(m_HitSequenceCount), VP_MEMBER(m_HitSequenceCapacity),
                                     VP_MEMBER(m_HitSequenceIndexes), "m_HitSequenceIndexes"));
    classInfo->AddProperty(HitImages("Hit Image Variation A", VP_MEMBER(m_HitSequenceVariationACount),
                                     VP_MEMBER(m_HitSequenceVariationACapacity),
                                     VP_MEMBER(m_HitSequenceVariationAIndexes), "m_HitSequenceVariationAIndexes"));
    classInfo->AddProperty(HitImages("Hit Image Variation B", VP_MEMBER(m_HitSequenceVariationBCount),
                                     VP_MEMBER(m_HitSequenceVariationBCapacity),
                                     VP_MEMBER(m_HitSequenceVariationBIndexes), "m_HitSequenceVariationBIndexes"));
    classInfo->AddProperty(
        new LibraryItemProperty("Top", VP_MEMBER(m_Top), &GetEdgeNames(), EDITOR_EDITABLE, "Normal Edge", nullptr, false));
    classInfo->AddProperty(new LibraryItemProperty("Bottom", VP_MEMBER(m_Bottom), &GetEdgeNames(), EDITOR_EDITABLE,
                                                   "Normal Edge", nullptr, false));
    AddListReference(classInfo, "Damaged Sound", VP_MEMBER(m_DamagedSound), &GetSoundList(),
             "Played when a 3 hit brick is hit the first or second time");
    AddListReference(classInfo, "Indestructible Sound", VP_MEMBER(m_IndestructibleSound), &GetSoundList());
    AddListReference(classInfo, "Small Ball Did Partial Damage Sound", VP_MEMBER(m_SmallBallDidPartialDamageSound), &GetSoundList());
}

CBrickStyleSheetNHitSide::CBrickStyleSheetNHitSide()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheetNHitSide::~CBrickStyleSheetNHitSide()
{
    DestroyProperties(SGetClassInfo());
}

bool CBrickStyleSheetNHitSide::ConvertFromBrickInfo(const CBrickInfo& info)
{
    static const struct
    {
        int32_t brickType;
        Edge top;
        Edge bottom;
    } kinds[] = {{BRICK_TYPE_INDESTRUCTIBLE_TOP, NEARLY_INDESTRUCTIBLE_EDGE, NORMAL_EDGE},
                 {BRICK_TYPE_INDESTRUCTIBLE_BOTTOM, NORMAL_EDGE, NEARLY_INDESTRUCTIBLE_EDGE},
                 {BRICK_TYPE_THREE_HIT, NORMAL_EDGE, NORMAL_EDGE},
                 {BRICK_TYPE_THREE_HIT_BOTTOM, NEARLY_INDESTRUCTIBLE_EDGE, NORMAL_EDGE},
                 {BRICK_TYPE_THREE_HIT_TOP, NORMAL_EDGE, NEARLY_INDESTRUCTIBLE_EDGE}};
    for (const auto& kind : kinds)
    {
        if (kind.brickType != info.m_BrickType)
            continue;
        CBrickStyleSheetBasicDestructible::ConvertFromBrickInfo(info);
        const auto* hitImages = static_cast<const ArrayProperty*>(SGetClassInfo()->FindProperty("Hit Image"));
        for (int32_t sequence : {info.m_Sequence2, info.m_Sequence3})
            *static_cast<int32_t*>(hitImages->AppendElement(this)) = sequence;
        m_Top = kind.top;
        m_Bottom = kind.bottom;
        m_DamagedSound = info.m_DamagedSound;
        m_IndestructibleSound = info.m_IndestructibleSound;
        m_SmallBallDidPartialDamageSound = info.m_IndestructibleSound;
        return true;
    }
    return false;
}

CClassInfo* CBrickStyleSheetNHitSide::GetBrickClass() const
{
    return CBrickNHitSide::SGetClassInfo();
}
