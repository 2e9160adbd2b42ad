#include "game/bricks/brick_info.h"

#include "engine/app/sound/sound_list.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/int_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/object_array_property.h"
#include "engine/object/properties/polygon_property.h"
#include "game/bricks/brick_type_table.h"
#include "game/playfield/particle_generator.h"

VP_IMPLEMENT_CLASS(CBrickInfo, CObject, 1.0f)

namespace {

// Old bricks were 31.5 by 17.5 pixels; the default lives as long as the
// property that points at it.
const Polygon2D& DefaultCollisionPolygon()
{
    static const Polygon2D polygon = [] {
        Polygon2D rectangle;
        rectangle.InsertPoint(-15.75f, -8.75f, -1);
        rectangle.InsertPoint(15.75f, -8.75f, -1);
        rectangle.InsertPoint(15.75f, 8.75f, -1);
        rectangle.InsertPoint(-15.75f, 8.75f, -1);
        rectangle.Close();
        return rectangle;
    }();
    return polygon;
}

LibraryItemProperty* SequenceProperty(const char* name, CPropertyMember<int32_t> member, const char* defaultName)
{
    return new LibraryItemProperty(name, member, &GetSequenceList(), EDITOR_EDITABLE, defaultName, nullptr, false);
}

LibraryItemProperty* SoundProperty(const char* name, CPropertyMember<int32_t> member, const char* defaultName)
{
    return new LibraryItemProperty(name, member, &GetSoundList(), EDITOR_EDITABLE, defaultName, nullptr, false);
}

} // namespace

void CBrickInfo::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Brick Type", VP_MEMBER(m_BrickType), &GetBrickTypeTable(),
                                                   EDITOR_EDITABLE, "Normal", nullptr, false));
    classInfo->AddProperty(SequenceProperty("Primary Sequence", VP_MEMBER(m_PrimarySequence), nullptr));
    classInfo->AddProperty(SequenceProperty("Sequence 2", VP_MEMBER(m_Sequence2), "!None"));
    classInfo->AddProperty(SequenceProperty("Sequence 3", VP_MEMBER(m_Sequence3), "!None"));
    classInfo->AddProperty(SequenceProperty("Destroyed Seq", VP_MEMBER(m_DestroyedSequence), "!None"));
    classInfo->AddProperty(SoundProperty("Destroyed Sound", VP_MEMBER(m_DestroyedSound), "Pop Brick.wav"));
    classInfo->AddProperty(SoundProperty("Indestructible Sound", VP_MEMBER(m_IndestructibleSound), nullptr));
    classInfo->AddProperty(SoundProperty("Damaged Sound", VP_MEMBER(m_DamagedSound), nullptr));
    classInfo->AddProperty(
        new IntProperty("Score Value", VP_MEMBER(m_ScoreValue), EDITOR_EDITABLE, 3, nullptr, INT32_MIN, INT32_MAX));
    classInfo->AddProperty(new LibraryItemProperty("Particles/Break Particle Gen", VP_MEMBER(m_BreakParticleGen),
                                                   &GetParticleGeneratorList(), EDITOR_EDITABLE, "!None", nullptr,
                                                   false));
    classInfo->AddProperty(new ObjectArrayProperty("Particles/Break Particle Types", VP_MEMBER(m_BreakParticleTypes),
                                                   "m_BreakParticleTypes", EDITOR_EDITABLE, nullptr));
    classInfo->AddProperty(new CPolygonProperty("Collision Polygon", VP_MEMBER(m_CollisionPolygon), EDITOR_HIDDEN,
                                                &DefaultCollisionPolygon()));
}

CBrickInfo::CBrickInfo()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickInfo::~CBrickInfo()
{
    DestroyProperties(SGetClassInfo());
}

CResourceLibrary<CBrickInfo>& GetBrickInfoLibrary()
{
    static CResourceLibrary<CBrickInfo> library(LIBRARY_BRICK_INFO);
    return library;
}
