#pragma once

class ScopedTempFolder;

// Levels "A", "B", "C" and "Template" (each named as its display name),
// the shipped set "Standard" of the first three, the "Rounds" and "Round
// Sets" libraries over them and fresh player records with "Standard" the
// current set, in the data folder "Data" below the folder.
void SetUpStandardRoundSet(ScopedTempFolder& folder);
// Empties both libraries again.
void TearDownStandardRoundSet();
