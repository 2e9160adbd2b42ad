#pragma once

class CString;

// Texts both round-set windows show, registered for translation once.

// The column of set and round names.
const CString& NameColumnText();
// "Rounds": the screen's column of round counts and the round list's title.
const CString& RoundsText();
