// Repairs a level after loading. Level files are edited by hand and shared,
// and style sheets change kind between versions, so a brick may be of a
// class its style no longer makes, or lie beyond the play area.
//
// The play area comes from the level's own theme, never from what the
// playfield shows: libraries load lazily, and the same file must come back
// the same whether it is first read behind the full-screen menu or in a
// framed round.

#include "game/bricks/brick_layout.h"

#include "engine/object/properties/array_property.h"
#include "game/bricks/background_library.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_style_sheet.h"

namespace {

constexpr CRect kScoreBoardPlayArea = {11, 10, 626, 600};
constexpr CRect kWholeScreen = {0, 0, 800, 600};

// The move along one axis that brings [low, high] back to touch
// [areaLow, areaHigh] when it lies wholly beyond it.
int32_t ClampShift(int32_t low, int32_t high, int32_t areaLow, int32_t areaHigh)
{
    if (low > areaHigh)
        return areaHigh - high;
    if (high < areaLow)
        return areaLow - low;
    return 0;
}

} // namespace

void CBrickLayout::ReconcileBrickClasses()
{
    const ArrayProperty& bricks = *static_cast<const ArrayProperty*>(SGetClassInfo()->FindProperty("Bricks"));
    uint32_t i = 0;
    while (i < m_BrickCount)
    {
        CBrickBase* brick = m_pBricks[i];
        if (brick == nullptr || brick->m_StyleSheet == 0)
        {
            bricks.SetCount(this, m_BrickCount - 1, static_cast<int32_t>(i));
            continue;
        }
        const CBrickStyleSheet* style = brick->GetStyleSheet();
        if (style != nullptr && !brick->IsStyleSheetCompatible(style))
        {
            CBrickBase* converted = static_cast<CBrickBase*>(style->GetBrickClass()->CreateObject());
            converted->CopyFrom(*brick);
            m_pBricks[i] = converted;
            delete brick;
        }
        i++;
    }
}

void CBrickLayout::ClampBricksToPlayArea()
{
    CResourceLibrary<CBackgroundDefinition>& themes = GetBackgroundLibrary();
    const CBackgroundDefinition* theme =
        themes.GetCount() != 0 ? themes.GetItemObject(static_cast<uint32_t>(m_Background)) : nullptr;
    const CRect area = theme == nullptr || theme->m_ShowScoreboard ? kScoreBoardPlayArea : kWholeScreen;
    for (uint32_t i = 0; i < m_BrickCount; i++)
    {
        CBrickBase* brick = m_pBricks[i];
        const CBrickStyleSheet* style = brick->GetStyleSheet();
        if (style == nullptr)
            continue;
        CRect bounds;
        style->m_CollisionPoly.GetBoundsAt(brick->GetStartCenter(), bounds);
        brick->m_StartPosition.x += static_cast<float>(ClampShift(bounds.left, bounds.right, area.left, area.right));
        brick->m_StartPosition.y += static_cast<float>(ClampShift(bounds.top, bounds.bottom, area.top, area.bottom));
    }
}
