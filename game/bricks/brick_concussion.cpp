#include "game/bricks/brick_concussion.h"

#include <cmath>

#include "engine/core/color/color.h"
#include "engine/core/localization/localized_string.h"
#include "engine/object/properties/float_property.h"
#include "game/bricks/brick_editor_drawing.h"
#include "game/bricks/brick_info.h"
#include "game/bricks/brick_style_sheet_as.h"
#include "game/bricks/brick_type_table.h"
#include "game/playfield/game_sprite.h"

VP_IMPLEMENT_CLASS(CBrickConcussion, CBrickBasicDestructible, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetConcussion, CBrickStyleSheetBasicDestructible, 0.0f)

namespace {

CLocalizedString s_TextConcussion("Concussion Wave Brick",
                                  "The kind of brick that pushes the bricks round it away when it breaks");

} // namespace

void CBrickConcussion::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new FloatProperty("Force Multiplier", VP_MEMBER(m_ForceMultiplier), EDITOR_EDITABLE, 1.0f,
                                             nullptr, 0.0f, 10.0f, 0.1f));
}

CBrickConcussion::CBrickConcussion()
    : m_ForceMultiplier(1.0f)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickConcussion::~CBrickConcussion()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickConcussion::DrawEditorOverlay(EditorDrawContext& context)
{
    CBrickBasicDestructible::DrawEditorOverlay(context);
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetConcussion>(*this);
    if (!context.selected || context.intensity == 0 || styleSheet == nullptr || context.frame == nullptr ||
        context.sprite == nullptr)
        return;
    const auto growFrames = static_cast<int32_t>(
        CountdownFrames(styleSheet->m_ConcussionDelay * styleSheet->m_ConcussionXRadius));
    const float scale = GrowThenHoldScale(context.editorCounter, growFrames);
    DrawAreaOctagon(*context.frame, context.sprite->m_Position, scale * styleSheet->m_ConcussionXRadius,
                    scale * styleSheet->m_ConcussionYRadius, CColor(0, 0, 255, context.intensity));
}

const CString& CBrickConcussion::GetTypeDisplayName() const
{
    return s_TextConcussion.GetText();
}

bool CBrickConcussion::MustBeDestroyedToFinish() const
{
    return true;
}

CClassInfo* CBrickConcussion::GetStyleSheetClass() const
{
    return CBrickStyleSheetConcussion::SGetClassInfo();
}

int32_t CBrickConcussion::OnDestroyed(const BrickDestroyInfo& info)
{
    CBrickBasicDestructible::OnDestroyed(info);
    if (const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetConcussion>(*this))
        SendWave(styleSheet->m_ConcussionXRadius, styleSheet->m_ConcussionYRadius,
                 styleSheet->m_ForceAtWaveCenter * m_ForceMultiplier,
                 styleSheet->m_ForceAtWaveEdge * m_ForceMultiplier);
    return 0;
}

void CBrickConcussion::SendWave(float radiusX, float radiusY, float centreForce, float edgeForce)
{
    ForEachBrickInEllipse(GetSprite(), radiusX, radiusY,
                          [&](CBrickBase& brick, const Vector2& offset, float reachSquared) {
                              if (&brick == this)
                                  return;
                              const float toEdge = std::sqrt(reachSquared) / radiusX;
                              const float force = centreForce * (1.0f - toEdge) + edgeForce * toEdge;
                              const float distance = Vector2Length(offset);
                              // A brick right at the centre has no direction to go.
                              CombineMotion(&brick, distance > 0.0f ? Vector2Scale(offset, force / distance)
                                                                    : Vector2{0.0f, 0.0f});
                          });
}

void CBrickStyleSheetConcussion::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new FloatProperty("Concussion X Radius", "pixels", VP_MEMBER(m_ConcussionXRadius),
                                             EDITOR_EDITABLE, 100.0f, nullptr, 0.0f, 0.0f, 1.0f));
    classInfo->AddProperty(new FloatProperty("Concussion Y Radius", "pixels", VP_MEMBER(m_ConcussionYRadius),
                                             EDITOR_EDITABLE, 100.0f, nullptr, 0.0f, 0.0f, 1.0f));
    classInfo->AddProperty(new FloatProperty("Force at Wave Center", "pixels/sec", VP_MEMBER(m_ForceAtWaveCenter),
                                             EDITOR_EDITABLE, 33.3f, nullptr, 0.0f, 0.0f, 1.0f));
    classInfo->AddProperty(new FloatProperty("Force at Wave Edge", "pixels/sec", VP_MEMBER(m_ForceAtWaveEdge),
                                             EDITOR_EDITABLE, 0.0f, nullptr, 0.0f, 0.0f, 1.0f));
    classInfo->AddProperty(new FloatProperty("Concussion Delay", "sec/pixel", VP_MEMBER(m_ConcussionDelay),
                                             EDITOR_HIDDEN, 0.0025f, nullptr, 0.0f, 0.0f, 0.0005f));
}

CBrickStyleSheetConcussion::CBrickStyleSheetConcussion()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheetConcussion::~CBrickStyleSheetConcussion()
{
    DestroyProperties(SGetClassInfo());
}

bool CBrickStyleSheetConcussion::ConvertFromBrickInfo(const CBrickInfo& info)
{
    if (info.m_BrickType != BRICK_TYPE_PUSH_AWAY)
        return false;
    CBrickStyleSheetBasicDestructible::ConvertFromBrickInfo(info);
    return true;
}

CClassInfo* CBrickStyleSheetConcussion::GetBrickClass() const
{
    return CBrickConcussion::SGetClassInfo();
}
