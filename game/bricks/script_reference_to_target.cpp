#include "game/bricks/script_reference_to_target.h"

#include "game/bricks/brick_base.h"

bool CScriptReferenceToTarget::Matches(const CBrickBase* brick) const
{
    return !m_Name.IsEmpty() && brick != nullptr && brick->GetName().CompareNoCase(m_Name) == 0;
}
