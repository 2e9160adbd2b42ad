#include "game/bricks/round_set_rows.h"

#include <algorithm>

#include "engine/core/settings/paths.h"
#include "game/bricks/background_library.h"
#include "game/bricks/brick_layout.h"
#include "game/bricks/round_set.h"
#include "game/bricks/round_set_library.h"
#include "game/records/player_stats.h"
#include "game/records/stats.h"

namespace {

constexpr uint32_t kCheckpointEvery = 10;

// The part of a library name after its last folder separator.
const char* LastNamePart(const char* name)
{
    const char* part = name;
    for (const char* c = name; *c != '\0'; c++)
    {
        if (*c == '/' || *c == '\\')
            part = c + 1;
    }
    return part;
}

bool IsRow(const CRoundSet& set, int32_t row)
{
    return row >= 0 && static_cast<uint32_t>(row) < set.GetRoundCount();
}

} // namespace

uint32_t OpenRoundCount(uint32_t highestCompleted, uint32_t roundCount)
{
    if (roundCount == 0)
        return 0;
    const uint64_t open = static_cast<uint64_t>(highestCompleted) + 1;
    return static_cast<uint32_t>(std::min<uint64_t>(open, roundCount));
}

void BuildRoundSetRows(CNamedValueList& rows)
{
    rows.RemoveAll();
    CResourceLibrary<CRoundSet>& library = GetRoundSetLibrary();
    CPlayerStats* player = GetStats().GetCurrentPlayer();
    for (uint32_t i = 0; i < library.GetCount(); i++)
    {
        CRoundSet* set = library.GetItemObject(i);
        CString name;
        set->GetDisplayName(name);
        const uint32_t highest =
            player->GetRoundSetStats(CString(GetFileNamePart(library.GetName(i))))->m_HighestRoundCompleted;
        CString row;
        row.Format("%s\t%u\t%u", name.GetText(), set->GetRoundCount(), OpenRoundCount(highest, set->GetRoundCount()));
        rows.Add(row, static_cast<int32_t>(i));
    }
}

void BuildRoundRows(CRoundSet& set, CNamedValueList& rows)
{
    rows.RemoveAll();
    CResourceLibrary<CBackgroundDefinition>& backgrounds = GetBackgroundLibrary();
    for (uint32_t i = 0; i < set.GetRoundCount(); i++)
    {
        const CBrickLayout* round = set.GetRound(i);
        const bool knownBackground = round != nullptr && round->m_Background >= 0 &&
                                     static_cast<uint32_t>(round->m_Background) < backgrounds.GetCount();
        CString row;
        row.Format("%u\t%s\t%s\t%s", i + 1, i % kCheckpointEvery == 0 ? "*" : "",
                   round != nullptr ? round->m_DisplayName.m_Shown.GetText() : "",
                   knownBackground ? LastNamePart(backgrounds.GetName(static_cast<uint32_t>(round->m_Background)))
                                   : "");
        rows.Add(row, static_cast<int32_t>(i));
    }
}

bool IsRoundOpenToEdit(int32_t row, uint32_t highestCompleted)
{
    return row >= 0 && static_cast<uint64_t>(row) <= static_cast<uint64_t>(highestCompleted) + 1;
}

bool MoveRoundUp(CRoundSet& set, int32_t selected, int32_t& current)
{
    if (!IsRow(set, selected) || selected == 0)
        return false;
    set.SwapRounds(static_cast<uint32_t>(selected), static_cast<uint32_t>(selected - 1));
    if (current == selected)
        current = selected - 1;
    else if (current == selected - 1)
        current = selected;
    return true;
}

bool MoveRoundDown(CRoundSet& set, int32_t selected, int32_t& current)
{
    if (!IsRow(set, selected) || !IsRow(set, selected + 1))
        return false;
    set.SwapRounds(static_cast<uint32_t>(selected), static_cast<uint32_t>(selected + 1));
    if (current == selected)
        current = selected + 1;
    else if (current == selected + 1)
        current = selected;
    return true;
}

void InsertRoundAt(CRoundSet& set, int32_t selected, int32_t& current)
{
    const int32_t position = IsRow(set, selected) ? selected : static_cast<int32_t>(set.GetRoundCount());
    set.InsertRound(static_cast<uint32_t>(position));
    if (position <= current)
        current++;
}

bool DeleteRoundAt(CRoundSet& set, int32_t selected, int32_t& current)
{
    if (!IsRow(set, selected) || set.GetRoundCount() <= 1 || selected == current)
        return false;
    set.RemoveRound(static_cast<uint32_t>(selected));
    if (selected < current)
        current--;
    return true;
}
