#include "content/lint/lint_rounds.h"

#include <set>
#include <string>

#include "content/lint/lint_fatal_catcher.h"
#include "content/lint/lint_libraries.h"
#include "content/lint/lint_report.h"
#include "engine/object/class_info.h"
#include "game/bricks/background_definition.h"
#include "game/bricks/background_library.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_layout.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/bricks/round_library.h"
#include "game/bricks/round_set.h"
#include "game/bricks/round_set_library.h"

namespace {

// The coin kind's style says how many coins a round of it holds; the
// linter asks by property name so it needs no kind of its own.
constexpr const char* kCoinsPerLevel = "Coins Per Level";
constexpr const char* kCoinsARoundHolds = "5";

// Where a level is reported: its own file in "Rounds", or the file of the
// set that carries it inside.
struct CLevelPlace
{
    std::string file;
    std::string item;
};

CLevelPlace PlaceOfSetRound(uint32_t setIndex, uint32_t round, CBrickLayout* level)
{
    CResourceLibrary<CBrickLayout>& rounds = GetRoundLibrary();
    const int32_t index = rounds.IndexOfObject(level);
    if (index >= 0)
        return {GetLintItemFile(rounds, static_cast<uint32_t>(index)), rounds.GetNameString(index).GetText()};
    return {GetLintItemFile(GetRoundSetLibrary(), setIndex),
            std::string(GetRoundSetLibrary().GetNameString(setIndex).GetText()) + " round " +
                std::to_string(round + 1)};
}

void LintSetRoundBackground(CBrickLayout& level, const CLevelPlace& place, CLintReport& report)
{
    CResourceLibrary<CBackgroundDefinition>& backgrounds = GetBackgroundLibrary();
    const CBackgroundDefinition* background = backgrounds.GetItemObject(static_cast<uint32_t>(level.m_Background));
    if (background == nullptr)
    {
        report.Add(place.file, place.item, "the round names no background, and none exists");
        return;
    }
    if (!background->m_ShowScoreboard)
        report.Add(place.file, place.item,
                   "the round of a set is played on \"" +
                       std::string(backgrounds.GetNameString(static_cast<uint32_t>(level.m_Background)).GetText()) +
                       "\", whose \"Show Scoreboard\" is off");
}

void LintCoins(CBrickLayout& level, const CLevelPlace& place, CLintReport& report)
{
    uint32_t coins = 0;
    for (uint32_t i = 0; i < level.GetBrickCount(); i++)
    {
        CBrickStyleSheet* style = level.GetBrick(i)->GetStyleSheet();
        const Property* perLevel = style != nullptr ? style->GetClassInfo()->FindProperty(kCoinsPerLevel) : nullptr;
        if (perLevel == nullptr)
            continue;
        coins++;
        CString value;
        style->AppendPropertyText(perLevel, value, false);
        if (value.Compare(kCoinsARoundHolds) != 0)
            report.Add(place.file, place.item,
                       "a coin's style has \"" + std::string(kCoinsPerLevel) + "\" " + value.GetText() + ", not " +
                           kCoinsARoundHolds);
    }
    if (coins != 0 && coins != 5)
        report.Add(place.file, place.item,
                   "the round holds " + std::to_string(coins) + " coins; a round with coins holds exactly 5");
}

void LintLevel(CBrickLayout& level, const CLevelPlace& place, CLintReport& report)
{
    bool mustBeDestroyed = false;
    for (uint32_t i = 0; i < level.GetBrickCount(); i++)
        mustBeDestroyed = mustBeDestroyed || level.GetBrick(i)->MustBeDestroyedToFinish();
    if (!mustBeDestroyed)
        report.Add(place.file, place.item, "no brick must be destroyed, so the round can never be cleared");
    if (level.m_AutomaticThumbnail)
        report.Add(place.file, place.item, "\"Automatic Thumbnail\" is on: playing the round would rewrite its file");
    LintCoins(level, place, report);
}

} // namespace

void LintRoundSets(CLintFatalCatcher& catcher, CLintReport& report)
{
    CResourceLibrary<CRoundSet>& sets = GetRoundSetLibrary();
    for (uint32_t s = 0; s < sets.GetCount(); s++)
    {
        const std::string file = GetLintItemFile(sets, s);
        const std::string name = sets.GetNameString(s).GetText();
        catcher.Run(report, file, name, [&] {
            CRoundSet* set = sets.GetItemObject(s);
            if (set == nullptr)
                return;
            if (set->GetRoundCount() == 0)
                report.Add(file, name, "the set has no round");
            for (uint32_t r = 0; r < set->GetRoundCount(); r++)
            {
                CBrickLayout* level = set->GetRound(r);
                if (level != nullptr)
                    LintSetRoundBackground(*level, PlaceOfSetRound(s, r, level), report);
            }
        });
    }
}

void LintLevels(CLintFatalCatcher& catcher, CLintReport& report)
{
    std::set<CBrickLayout*> linted;
    CResourceLibrary<CBrickLayout>& rounds = GetRoundLibrary();
    for (uint32_t i = 0; i < rounds.GetCount(); i++)
    {
        const CLevelPlace place{GetLintItemFile(rounds, i), rounds.GetNameString(i).GetText()};
        catcher.Run(report, place.file, place.item, [&] {
            CBrickLayout* level = rounds.GetItemObject(i);
            if (level != nullptr && linted.insert(level).second)
                LintLevel(*level, place, report);
        });
    }
    // Rounds a set carries inside its own file.
    CResourceLibrary<CRoundSet>& sets = GetRoundSetLibrary();
    for (uint32_t s = 0; s < sets.GetCount(); s++)
    {
        catcher.Run(report, GetLintItemFile(sets, s), sets.GetNameString(s).GetText(), [&] {
            CRoundSet* set = sets.GetItemObject(s);
            for (uint32_t r = 0; set != nullptr && r < set->GetRoundCount(); r++)
            {
                CBrickLayout* level = set->GetRound(r);
                if (level != nullptr && linted.insert(level).second)
                    LintLevel(*level, PlaceOfSetRound(s, r, level), report);
            }
        });
    }
}
