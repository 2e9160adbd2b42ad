#pragma once

#include "engine/core/strings/ref_string.h"
#include "engine/object/object.h"
#include "engine/object/reflection.h"

class CBrickBase;

// Names the brick or bricks a script acts on by their "Name". Owners embed
// it as a nested object, so its property is part of their files.
class CScriptReferenceToTarget : public CObject
{
    VP_DECLARE_CLASS(CScriptReferenceToTarget)
public:
    CScriptReferenceToTarget();
    ~CScriptReferenceToTarget() override;

    // True when the name is not empty and equals the brick's, ASCII case
    // ignored.
    bool Matches(const CBrickBase* brick) const;
    // Files of earlier versions name the target on a line of its owner's
    // ("Path Name=Loop"): takes the value when the line's name is that key.
    bool ReadLegacyName(const char* legacyKey, const char* name, const char* value);

    CString m_Name;
};
