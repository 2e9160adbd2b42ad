#pragma once

#include "engine/core/strings/ref_string.h"

class CBrickBase;

// Names the brick or bricks a script acts on by their "Name".
class CScriptReferenceToTarget
{
public:
    // True when the name is not empty and equals the brick's, ASCII case
    // ignored.
    bool Matches(const CBrickBase* brick) const;

    CString m_Name;
};
