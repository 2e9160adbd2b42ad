#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"
#include "engine/object/libraries/resource_library.h"

// The new-set command of the round-set screens: a set of the player-made
// class TUserMade, with its defaults and its template rounds, becomes the
// item named by the chosen file name less its ".VantrellZK" (any letter
// case), so a name chosen in "./Rounds/" gives a file there, and is saved at
// once (compressed, as the class asks). A name the library already lists is
// refused with -1 and nothing is added or saved; otherwise saved tells
// whether the file was written, and the set stays listed either way.
template <typename TUserMade>
int32_t CreateUserRoundSet(CObjectLibrary& roundSets, const char* fileName, bool& saved)
{
    saved = false;
    CString name(fileName);
    name.RemoveSuffix(CString(".VantrellZK"));
    TUserMade* set = new TUserMade;
    set->SetDefaults();
    set->FillWithTemplates();
    const int32_t index = roundSets.AddItemWithObject(set, name.GetText());
    if (index == -1)
    {
        delete set;
        return -1;
    }
    saved = roundSets.SaveItem(static_cast<uint32_t>(index));
    return index;
}
