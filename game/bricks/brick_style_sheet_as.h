#pragma once

#include "game/bricks/brick_base.h"
#include "game/bricks/brick_style_sheet.h"

// The brick's style sheet as the kind's own class; none when it is missing
// or of another class (a level may name any style).
template <typename StyleSheet>
const StyleSheet* GetStyleSheetAs(const CBrickBase& brick)
{
    const CBrickStyleSheet* styleSheet = brick.GetStyleSheet();
    return styleSheet != nullptr && styleSheet->IsKindOf(StyleSheet::SGetClassInfo())
               ? static_cast<const StyleSheet*>(styleSheet)
               : nullptr;
}
