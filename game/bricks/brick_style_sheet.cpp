#include "game/bricks/brick_style_sheet.h"

#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/int_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/object_array_property.h"
#include "engine/object/properties/polygon_property.h"
#include "engine/object/properties/text_property.h"
#include "game/bricks/brick_info.h"
#include "game/bricks/brick_style_theme.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/tutorial.h"

VP_IMPLEMENT_ABSTRACT_CLASS(CBrickStyleSheet, CObject, 1.0f)

Polygon2D ClosedRectangle(float halfWidth, float halfHeight)
{
    Polygon2D rectangle;
    rectangle.InsertPoint(-halfWidth, -halfHeight, -1);
    rectangle.InsertPoint(halfWidth, -halfHeight, -1);
    rectangle.InsertPoint(halfWidth, halfHeight, -1);
    rectangle.InsertPoint(-halfWidth, halfHeight, -1);
    rectangle.Close();
    return rectangle;
}

namespace {

// The defaults live as long as the properties that point at them.
const Polygon2D& DefaultCollisionPolygon()
{
    static const Polygon2D polygon = ClosedRectangle(19.75f, 11.0f);
    return polygon;
}

const Polygon2D& DefaultGridPolygon()
{
    static const Polygon2D polygon = ClosedRectangle(20.0f, 12.0f);
    return polygon;
}

} // namespace

void CBrickStyleSheet::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new TextProperty("Name", VP_MEMBER(m_Name), EDITOR_EDITABLE, ""));
    classInfo->AddProperty(new TextProperty("Description", VP_MEMBER(m_Description), EDITOR_EDITABLE, ""));
    classInfo->AddProperty(new LibraryItemProperty("Editor Button Sequence", VP_MEMBER(m_EditorButtonSequence),
                                                   &GetSequenceList(), EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(
        new IntProperty("Score", "Points", VP_MEMBER(m_Score), EDITOR_EDITABLE, 1, nullptr, INT32_MIN, INT32_MAX));
    classInfo->AddProperty(new LibraryItemProperty("Hit Tutorial", VP_MEMBER(m_HitTutorial), &GetTutorialLibrary(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new LibraryItemProperty("Destroyed Tutorial", VP_MEMBER(m_DestroyedTutorial),
                                                   &GetTutorialLibrary(), EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new ObjectArrayProperty("Particles/Break Particle Types", VP_MEMBER(m_BreakParticleTypes),
                                                   "m_BreakParticleTypes", EDITOR_EDITABLE, nullptr));
    classInfo->AddProperty(new CPolygonProperty("Collision Poly", VP_MEMBER(m_CollisionPoly), EDITOR_EDITABLE,
                                                &DefaultCollisionPolygon()));
    classInfo->AddProperty(
        new CPolygonProperty("Grid Polygon", VP_MEMBER(m_GridPolygon), EDITOR_EDITABLE, &DefaultGridPolygon()));
}

CBrickStyleSheet::CBrickStyleSheet()
    : m_Theme(0)
    , m_ThemeKnown(false)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheet::~CBrickStyleSheet()
{
    DestroyProperties(SGetClassInfo());
}

bool CBrickStyleSheet::ConvertFromBrickInfo(const CBrickInfo& info)
{
    m_EditorButtonSequence = info.m_PrimarySequence;
    // The array property copies the elements as objects, as loading does.
    const char* const particleTypes = "Break Particle Types";
    SGetClassInfo()
        ->FindProperty(particleTypes)
        ->CopyValue(this, &info, CBrickInfo::SGetClassInfo()->FindProperty(particleTypes));
    m_CollisionPoly = info.m_CollisionPolygon;
    // Old bricks snapped to a 32 by 18 grid.
    m_GridPolygon = ClosedRectangle(16.0f, 9.0f);
    return false;
}

CFrame* CBrickStyleSheet::GetEditorButtonImage() const
{
    if (m_EditorButtonSequence == 0)
        return nullptr;
    const CSequence* sequence = GetSequenceList().GetItemObject(static_cast<uint32_t>(m_EditorButtonSequence));
    return sequence != nullptr && sequence->GetFrameCount() != 0 ? sequence->GetFrame(0) : nullptr;
}

int32_t CBrickStyleSheet::GetTheme()
{
    if (m_ThemeKnown)
        return m_Theme;
    CBrickStyleSheetLibrary& library = GetBrickStyleSheetLibrary();
    // A style sheet the library does not hold (yet) has no place to tell
    // its theme by; it is asked again later.
    const int32_t index = library.IndexOfObject(this);
    if (index < 0)
        return 0;
    m_Theme = FindThemeOfStyleItem(library.GetName(static_cast<uint32_t>(index)));
    m_ThemeKnown = true;
    return m_Theme;
}
