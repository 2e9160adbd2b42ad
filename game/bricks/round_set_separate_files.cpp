#include "game/bricks/round_set_separate_files.h"

#include <utility>

#include "engine/object/properties/array_property.h"
#include "engine/object/properties/list_item_property.h"
#include "game/bricks/round_library.h"

VP_IMPLEMENT_CLASS(CRoundSetSeparateFiles, CRoundSet, 1.0f)

namespace {

const ArrayProperty& RoundListProperty()
{
    return *static_cast<const ArrayProperty*>(
        CRoundSetSeparateFiles::SGetClassInfo()->FindProperty("Round List"));
}

} // namespace

void CRoundSetSeparateFiles::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new ArrayProperty(
        "Rounds/Round List", VP_MEMBER(m_RoundCount), VP_MEMBER(m_RoundCapacity), VP_MEMBER(m_pRoundIndices),
        "m_RoundIndexArray", true,
        new LibraryItemProperty("Round", ArrayElementMember<int32_t>(), &GetRoundLibrary(), EDITOR_EDITABLE, nullptr,
                                nullptr, false),
        EDITOR_EDITABLE));
}

CRoundSetSeparateFiles::CRoundSetSeparateFiles()
{
    ConstructProperties(SGetClassInfo());
}

CRoundSetSeparateFiles::~CRoundSetSeparateFiles()
{
    DestroyProperties(SGetClassInfo());
}

CBrickLayout* CRoundSetSeparateFiles::GetRound(uint32_t index) const
{
    if (index >= m_RoundCount)
        return nullptr;
    return GetRoundLibrary().GetItemObject(static_cast<uint32_t>(m_pRoundIndices[index]));
}

CObject* CRoundSetSeparateFiles::GetSaveObject(uint32_t index)
{
    return GetRound(index);
}

void CRoundSetSeparateFiles::SwapRounds(uint32_t first, uint32_t second)
{
    std::swap(m_pRoundIndices[first], m_pRoundIndices[second]);
}

void CRoundSetSeparateFiles::InsertRound(uint32_t index)
{
    if (m_RoundCount == 0)
        return;
    const uint32_t position = index < m_RoundCount ? index : m_RoundCount;
    RoundListProperty().SetCount(this, m_RoundCount + 1, static_cast<int32_t>(position));
    m_pRoundIndices[position] = m_pRoundIndices[0];
}

void CRoundSetSeparateFiles::RemoveRound(uint32_t index)
{
    if (index >= m_RoundCount)
        return;
    RoundListProperty().SetCount(this, m_RoundCount - 1, static_cast<int32_t>(index));
}

void CRoundSetSeparateFiles::AppendRoundIndex(int32_t roundIndex)
{
    *static_cast<int32_t*>(RoundListProperty().AppendElement(this)) = roundIndex;
}
