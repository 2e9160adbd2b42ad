#include "game/playfield/particle_generator.h"

#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/unit_converter.h"
#include "engine/object/properties/unsigned_int_property.h"
#include "game/playfield/particle_burst.h"

VP_IMPLEMENT_CLASS(CParticleType, CObject, 1.0f)
VP_IMPLEMENT_CLASS(CParticleGeneratorInfo, CObject, 1.0f)

namespace {

constexpr float kFullCircle = 6.2831855f;

} // namespace

void CParticleType::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Particle Type", VP_MEMBER(m_ParticleType), &GetSequenceList(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(
        new UnsignedIntProperty("Weight", VP_MEMBER(m_Weight), EDITOR_EDITABLE, 10, nullptr, 0, 0));
    classInfo->AddProperty(new UnsignedIntProperty("", VP_MEMBER(m_Unnamed), EDITOR_HIDDEN, 0, nullptr, 0, 0));
}

CParticleType::CParticleType()
{
    ConstructProperties(SGetClassInfo());
}

CParticleType::~CParticleType()
{
    DestroyProperties(SGetClassInfo());
}

void CParticleType::WriteCustomProperties(CObjectStream& stream)
{
    CObject::WriteCustomProperties(stream);
    if (m_Unnamed == 0)
        return;
    const Property* unnamed = SGetClassInfo()->FindPropertyByOffset(VP_MEMBER(m_Unnamed).offset);
    unnamed->WriteName(this, stream);
    unnamed->WriteValueLine(this, stream);
}

void CParticleGeneratorInfo::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(
        new UnsignedIntProperty("Particles", VP_MEMBER(m_Particles), EDITOR_EDITABLE, 4, nullptr, 0, 0));
    classInfo->AddProperty(new FloatProperty("Velocity", "Pixels/Sec", VP_MEMBER(m_Velocity), EDITOR_EDITABLE, 30.0f,
                                             nullptr, 0.0f, 99999.0f, 1.0f));
    FloatProperty* cone = new FloatProperty("Cone Angle", "Deg", VP_MEMBER(m_ConeAngle), EDITOR_EDITABLE,
                                            kFullCircle, nullptr, 0.0f, kFullCircle, 1.0f);
    cone->SetConverter(&g_DegreesConverter);
    classInfo->AddProperty(cone);
    classInfo->AddProperty(new ObjectArrayProperty("Particle Types", VP_MEMBER(m_ParticleTypes), "m_ParticleTypes",
                                                   EDITOR_EDITABLE, nullptr));
    classInfo->GetLastProperty()->SetLegacyName("m_ParticleTypes");
}

CParticleGeneratorInfo::CParticleGeneratorInfo()
{
    ConstructProperties(SGetClassInfo());
}

CParticleGeneratorInfo::~CParticleGeneratorInfo()
{
    DestroyProperties(SGetClassInfo());
}

uint64_t CParticleGeneratorInfo::TotalWeight() const
{
    return TotalTypeWeight(m_ParticleTypes);
}

CParticleType& CParticleGeneratorInfo::AddType()
{
    const ObjectArrayProperty* types =
        static_cast<const ObjectArrayProperty*>(SGetClassInfo()->FindProperty("Particle Types"));
    types->SetCount(this, m_ParticleTypes.m_Count + 1);
    return m_ParticleTypes.m_pItems[m_ParticleTypes.m_Count - 1];
}

ParticleGeneratorList::ParticleGeneratorList()
    : CResourceLibrary<CParticleGeneratorInfo>(LIBRARY_PARTICLE_GENERATORS)
{
}

ParticleGeneratorList& GetParticleGeneratorList()
{
    static ParticleGeneratorList list;
    return list;
}
