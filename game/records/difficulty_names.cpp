#include "game/records/difficulty_names.h"

#include "engine/core/localization/localized_string.h"

namespace {

CLocalizedString s_Easy("Easy");
CLocalizedString s_Normal("Normal");
CLocalizedString s_Hard("Hard");
CLocalizedString s_Insane("Insane");

} // namespace

const CString& DifficultyName(uint32_t difficulty)
{
    const CLocalizedString* const names[] = {&s_Easy, &s_Normal, &s_Hard, &s_Insane};
    return (difficulty < 4 ? names[difficulty] : &s_Normal)->GetText();
}
