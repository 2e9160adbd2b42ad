#include "game/bricks/brick_exploder.h"

#include "engine/core/color/color.h"
#include "engine/core/localization/localized_string.h"
#include "engine/object/properties/float_property.h"
#include "game/bricks/brick_editor_drawing.h"
#include "game/bricks/brick_info.h"
#include "game/bricks/brick_style_sheet_as.h"
#include "game/bricks/brick_type_table.h"
#include "game/playfield/sprite.h"

VP_IMPLEMENT_CLASS(CBrickExploder, CBrickBasicDestructible, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetExploder, CBrickStyleSheetBasicDestructible, 0.0f)

namespace {

CLocalizedString s_TextExploder("Exploder", "The kind of brick that sets off the bricks round it when it breaks");

} // namespace

void CBrickExploder::RegisterProperties(CClassInfo*)
{
}

CBrickExploder::CBrickExploder()
{
    ConstructProperties(SGetClassInfo());
}

CBrickExploder::~CBrickExploder()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickExploder::OnAcidHit(AcidHitQuery& query)
{
    query.refuse = true;
}

float CBrickExploder::GetExplosionDelay() const
{
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetExploder>(*this);
    const float delay = styleSheet != nullptr ? styleSheet->m_ExplosionDelay : kShortestDelay;
    return delay >= kShortestDelay ? delay : kShortestDelay;
}

void CBrickExploder::DrawEditorOverlay(EditorDrawContext& context)
{
    CBrickBasicDestructible::DrawEditorOverlay(context);
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetExploder>(*this);
    if (!context.selected || context.intensity == 0 || styleSheet == nullptr || context.frame == nullptr ||
        context.sprite == nullptr)
        return;
    const auto growFrames = static_cast<int32_t>(CountdownFrames(styleSheet->m_ExplosionDelay));
    const float scale = GrowThenHoldScale(context.editorCounter, growFrames);
    DrawAreaOctagon(*context.frame, context.sprite->m_Position, scale * styleSheet->m_ExplosionXRadius,
                    scale * styleSheet->m_ExplosionYRadius, CColor(255, 0, 0, context.intensity));
}

const CString& CBrickExploder::GetTypeDisplayName() const
{
    return s_TextExploder.GetText();
}

bool CBrickExploder::MustBeDestroyedToFinish() const
{
    return true;
}

CClassInfo* CBrickExploder::GetStyleSheetClass() const
{
    return CBrickStyleSheetExploder::SGetClassInfo();
}

void CBrickExploder::OnPushedByBrick(CBrickBase* pusher, const Vector2&, bool hard)
{
    if (hard)
        Destroy(BrickDestroyInfo{pusher, false});
}

int32_t CBrickExploder::OnDestroyed(const BrickDestroyInfo& info)
{
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetExploder>(*this);
    const float radiusX = styleSheet != nullptr ? styleSheet->m_ExplosionXRadius : kDefaultRadiusX;
    const float radiusY = styleSheet != nullptr ? styleSheet->m_ExplosionYRadius : kDefaultRadiusY;
    CBrickBasicDestructible::OnDestroyed(info);
    // This brick is still live here and is armed too, which does no harm:
    // it is marked dead right after.
    DamageAreaAround(radiusX, radiusY, GetExplosionDelay());
    return 1;
}

void CBrickStyleSheetExploder::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new FloatProperty("Explosion X Radius", "pixels", VP_MEMBER(m_ExplosionXRadius),
                                             EDITOR_EDITABLE, CBrickExploder::kDefaultRadiusX, nullptr, 0.0f, 0.0f,
                                             1.0f));
    classInfo->AddProperty(new FloatProperty("Explosion Y Radius", "pixels", VP_MEMBER(m_ExplosionYRadius),
                                             EDITOR_EDITABLE, CBrickExploder::kDefaultRadiusY, nullptr, 0.0f, 0.0f,
                                             1.0f));
    classInfo->AddProperty(new FloatProperty("Explosion Delay", "seconds", VP_MEMBER(m_ExplosionDelay),
                                             EDITOR_EDITABLE, 0.1f, nullptr, 0.0f, 500.0f, 0.05f));
}

CBrickStyleSheetExploder::CBrickStyleSheetExploder()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheetExploder::~CBrickStyleSheetExploder()
{
    DestroyProperties(SGetClassInfo());
}

bool CBrickStyleSheetExploder::ConvertFromBrickInfo(const CBrickInfo& info)
{
    if (info.m_BrickType != BRICK_TYPE_EXPLODING)
        return false;
    CBrickStyleSheetBasicDestructible::ConvertFromBrickInfo(info);
    return true;
}

CClassInfo* CBrickStyleSheetExploder::GetBrickClass() const
{
    return CBrickExploder::SGetClassInfo();
}
