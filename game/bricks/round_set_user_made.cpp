#include "game/bricks/round_set_user_made.h"

#include <utility>

#include "engine/core/files/stream.h"
#include "engine/core/settings/paths.h"
#include "engine/object/libraries/user_round_set.h"
#include "engine/object/properties/array_property.h"
#include "engine/object/properties/object_pointer_property.h"
#include "game/bricks/brick_layout.h"
#include "game/bricks/round_library.h"
#include "game/bricks/round_set_library.h"
#include "game/records/stats.h"

VP_IMPLEMENT_CLASS(CRoundSetUserMade, CRoundSet, 1.0f)

namespace {

const ArrayProperty& RoundListProperty()
{
    return *static_cast<const ArrayProperty*>(CRoundSetUserMade::SGetClassInfo()->FindProperty("Round List"));
}

// Every round its maker may play.
constexpr uint32_t kAllRoundsOpen = 999;

CBrickLayout* CopyOfTemplate()
{
    CBrickLayout* copy = new CBrickLayout;
    copy->CopyFrom(*GetRoundLibrary().GetByName("Template"));
    return copy;
}

} // namespace

void CRoundSetUserMade::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(
        new ArrayProperty("Rounds/Round List", VP_MEMBER(m_RoundCount), VP_MEMBER(m_RoundCapacity),
                          VP_MEMBER(m_pRounds), "m_RoundArray", true,
                          new ObjectPointerProperty("Round", ArrayElementMember<CBrickLayout*>(),
                                                    CBrickLayout::SGetClassInfo(), EDITOR_EDITABLE, nullptr),
                          EDITOR_EDITABLE));
}

CRoundSetUserMade::CRoundSetUserMade()
{
    ConstructProperties(SGetClassInfo());
}

CRoundSetUserMade::~CRoundSetUserMade()
{
    DestroyProperties(SGetClassInfo());
}

uint32_t CRoundSetUserMade::GetSaveFlags() const
{
    return OPEN_COMPRESSED;
}

CBrickLayout* CRoundSetUserMade::GetRound(uint32_t index) const
{
    return index < m_RoundCount ? m_pRounds[index] : nullptr;
}

CObject* CRoundSetUserMade::GetSaveObject(uint32_t)
{
    return this;
}

void CRoundSetUserMade::SwapRounds(uint32_t first, uint32_t second)
{
    std::swap(m_pRounds[first], m_pRounds[second]);
}

void CRoundSetUserMade::InsertRound(uint32_t index)
{
    CBrickLayout* round = CopyOfTemplate();
    const uint32_t position = index < m_RoundCount ? index : m_RoundCount;
    RoundListProperty().SetCount(this, m_RoundCount + 1, static_cast<int32_t>(position));
    m_pRounds[position] = round;
}

void CRoundSetUserMade::RemoveRound(uint32_t index)
{
    if (index >= m_RoundCount)
        return;
    RoundListProperty().SetCount(this, m_RoundCount - 1, static_cast<int32_t>(index));
}

void CRoundSetUserMade::FillWithTemplates()
{
    for (uint32_t i = 0; i < kTemplateRounds; i++)
        AppendRound(CopyOfTemplate());
}

void CRoundSetUserMade::AppendRound(CBrickLayout* round)
{
    *static_cast<CBrickLayout**>(RoundListProperty().AppendElement(this)) = round;
}

bool CreateUserRoundSet(const char* fileName)
{
    CResourceLibrary<CRoundSet>& library = GetRoundSetLibrary();
    bool saved = false;
    const int32_t index = CreateUserRoundSet<CRoundSetUserMade>(library, fileName, saved);
    if (index == -1)
        return false;
    if (!saved)
    {
        library.RemoveAt(static_cast<uint32_t>(index));
        return false;
    }
    CString name(library.GetName(static_cast<uint32_t>(index)));
    CStats& stats = GetStats();
    stats.GetCurrentPlayer()->GetRoundSetStats(CString(GetFileNamePart(name.GetText())))->m_HighestRoundCompleted =
        kAllRoundsOpen;
    // The set is on disk either way; a records file that could not be
    // written only costs the maker the open rounds until the next save.
    stats.Save();
    return true;
}
