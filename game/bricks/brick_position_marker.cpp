#include "game/bricks/brick_position_marker.h"

#include "engine/core/localization/localized_string.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/list_item_property.h"
#include "game/bricks/brick_marker_look.h"

VP_IMPLEMENT_CLASS(CBrickPositionMarker, CBrickBase, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetPositionMarker, CBrickStyleSheet, 0.0f)

namespace {

CLocalizedString s_TextPositionMarker("Position Marker", "The kind of placed brick that names a point for scripts");

} // namespace

void CBrickPositionMarker::RegisterProperties(CClassInfo*)
{
}

CBrickPositionMarker::CBrickPositionMarker()
{
    ConstructProperties(SGetClassInfo());
}

CBrickPositionMarker::~CBrickPositionMarker()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickPositionMarker::OnAcidHit(AcidHitQuery& query)
{
    query.refuse = true;
}

const CString& CBrickPositionMarker::GetTypeDisplayName() const
{
    return s_TextPositionMarker.GetText();
}

const char* CBrickPositionMarker::GetDefaultNamePrefix() const
{
    return "Marker";
}

bool CBrickPositionMarker::AppearsWithoutBrickLayer() const
{
    return true;
}

bool CBrickPositionMarker::LetsBallPassThrough(CHitterOfBricks*) const
{
    return true;
}

bool CBrickPositionMarker::MustBeDestroyedToFinish() const
{
    return false;
}

CClassInfo* CBrickPositionMarker::GetStyleSheetClass() const
{
    return CBrickStyleSheetPositionMarker::SGetClassInfo();
}

void CBrickPositionMarker::ApplyStyleSheet()
{
    if (const CBrickStyleSheet* styleSheet = GetStyleSheet())
        ShowMarkerLook(*this, styleSheet->GetPrimarySequence());
}

bool CBrickPositionMarker::BlocksBricks() const
{
    return false;
}

int32_t CBrickPositionMarker::OnDestroyed(const BrickDestroyInfo&)
{
    return 2;
}

void CBrickStyleSheetPositionMarker::RegisterProperties(CClassInfo* classInfo)
{
    ClearMarkerShapeDefaults(classInfo);
    classInfo->AddProperty(new LibraryItemProperty("Primary Sequence", VP_MEMBER(m_PrimarySequence),
                                                   &GetSequenceList(), EDITOR_EDITABLE, nullptr, nullptr, false));
}

CBrickStyleSheetPositionMarker::CBrickStyleSheetPositionMarker()
    : m_PrimarySequence(0)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheetPositionMarker::~CBrickStyleSheetPositionMarker()
{
    DestroyProperties(SGetClassInfo());
}

CClassInfo* CBrickStyleSheetPositionMarker::GetBrickClass() const
{
    return CBrickPositionMarker::SGetClassInfo();
}
