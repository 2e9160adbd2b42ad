#include "game/bricks/round_set_texts.h"

#include "engine/core/localization/localized_string.h"

namespace {
CLocalizedString s_Name("Name");
CLocalizedString s_Rounds("Rounds");
} // namespace

const CString& NameColumnText()
{
    return s_Name.GetText();
}

const CString& RoundsText()
{
    return s_Rounds.GetText();
}
