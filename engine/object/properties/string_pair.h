#pragma once

#include "engine/core/strings/ref_string.h"

// A translatable text: the text as written in the data, and the text shown
// to the player, its translation.
struct CStringPair
{
    CString m_Source;
    CString m_Shown;
};

// Shows the source text in the current language.
void TranslateStringPair(CStringPair& pair);
