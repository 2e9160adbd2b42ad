#include "game/bricks/round_set.h"

#include "engine/core/settings/paths.h"
#include "engine/object/properties/text_property.h"
#include "game/bricks/brick_layout.h"
#include "game/bricks/round_set_library.h"

VP_IMPLEMENT_ABSTRACT_CLASS(CRoundSet, CObject, 1.0f)

namespace {

const char kNoRingsMarker[] = "No Rings";

} // namespace

void CRoundSet::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new TextProperty("Display Name", VP_MEMBER(m_DisplayName), EDITOR_EDITABLE, ""));
    classInfo->AddProperty(new TextProperty("Author", VP_MEMBER(m_Author), EDITOR_EDITABLE, ""));
}

CRoundSet::CRoundSet()
{
    ConstructProperties(SGetClassInfo());
}

CRoundSet::~CRoundSet()
{
    DestroyProperties(SGetClassInfo());
}

void CRoundSet::GetDisplayName(CString& out)
{
    if (m_DisplayName.HasText())
    {
        out = m_DisplayName;
        return;
    }
    out.Empty();
    CResourceLibrary<CRoundSet>& library = GetRoundSetLibrary();
    const int32_t index = library.IndexOfObject(this);
    if (index != -1)
        out = GetFileNamePart(library.GetName(static_cast<uint32_t>(index)));
}

bool BeginsWithNoRingsMarker(const CString& text)
{
    return text.CompareNoCaseN(kNoRingsMarker, sizeof(kNoRingsMarker) - 1) == 0;
}

uint32_t CRoundSet::GetRingTotal() const
{
    const uint32_t count = GetRoundCount();
    if (count == 0)
        return 0;
    uint32_t total = 5 * count;
    const CBrickLayout* first = GetRound(0);
    if (first != nullptr && BeginsWithNoRingsMarker(first->m_Note1))
        total -= 5;
    return total;
}

uint32_t CRoundSet::GetCheckpointCount() const
{
    const uint32_t count = GetRoundCount();
    return count == 0 ? 0 : (count - 1) / kRoundsPerCheckpoint + 1;
}
