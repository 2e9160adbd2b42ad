#pragma once

#include <cstdint>

#include "engine/core/lists/named_value_list.h"

class CRoundSet;

// The texts of the round-set screens' lists, one tab-separated row per set
// or round with its index as the row's value, and the round list's index
// bookkeeping. Kept apart from the windows, which only show the rows and
// pass on the buttons.

// What the "Completed" column shows: the rounds open to the player, the
// one after the highest completed, within 1 .. the round count; 0 for a
// set without rounds.
uint32_t OpenRoundCount(uint32_t highestCompleted, uint32_t roundCount);

// "Name<TAB>Rounds<TAB>Completed" for every set of the "Round Sets"
// library, from the current player's records (made when missing).
void BuildRoundSetRows(CNamedValueList& rows);

// "#<TAB>CP<TAB>Name<TAB>Environment" for every round of the set: the
// number from 1, a star on checkpoint rounds, the round's name, and the
// last part of its background's name.
void BuildRoundRows(CRoundSet& set, CNamedValueList& rows);

// Whether the player may open the round of the row: one beyond the highest
// completed at most.
bool IsRoundOpenToEdit(int32_t row, uint32_t highestCompleted);

// The round list's edits. Each takes the selected row (-1 for none) and
// the round being edited, which follows its round through the change;
// those that may refuse answer whether they changed the set.
bool MoveRoundUp(CRoundSet& set, int32_t selected, int32_t& current);
bool MoveRoundDown(CRoundSet& set, int32_t selected, int32_t& current);
// At the selected row, or after the last without a selection.
void InsertRoundAt(CRoundSet& set, int32_t selected, int32_t& current);
// Never the last round nor the round being edited.
bool DeleteRoundAt(CRoundSet& set, int32_t selected, int32_t& current);
