#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/object/libraries/library_catalogue.h"
#include "engine/object/properties/float_property.h"
#include "game/playfield/particle_generator.h"
#include "tests/support/archive_test_folder.h"
#include "tests/support/object_forms.h"

namespace {

class ParticleGeneratorTest : public ArchiveTestFolder
{
protected:
    void SetUp() override
    {
        ArchiveTestFolder::SetUp();
        GetParticleGeneratorList().DeleteAllItems();
    }

    void TearDown() override
    {
        GetParticleGeneratorList().DeleteAllItems();
        ArchiveTestFolder::TearDown();
    }

    ParticleGeneratorList& ArmList()
    {
        ParticleGeneratorList& list = GetParticleGeneratorList();
        InitCatalogueLibrary(list, LIBRARY_PARTICLE_GENERATORS);
        return list;
    }
};

TEST_F(ParticleGeneratorTest, DefaultsAreFourParticlesAtThirtyInAFullCircleWithoutTypes)
{
    CParticleGeneratorInfo generator;
    generator.SetDefaults();
    EXPECT_EQ(generator.m_Particles, 4u);
    EXPECT_EQ(generator.m_Velocity, 30.0f);
    EXPECT_EQ(generator.m_ConeAngle, 6.2831855f);
    EXPECT_EQ(generator.GetTypeCount(), 0u);
    EXPECT_EQ(generator.TotalWeight(), 0u);

    CParticleType& type = generator.AddType();
    EXPECT_EQ(type.m_ParticleType, 0);
    EXPECT_EQ(type.m_Weight, 10u);
    EXPECT_EQ(type.m_Unnamed, 0u);
}

TEST_F(ParticleGeneratorTest, ConeAngleIsShownInDegreesAndStoredInRadians)
{
    CParticleGeneratorInfo generator;
    generator.SetDefaults();
    const FloatProperty* cone =
        static_cast<const FloatProperty*>(CParticleGeneratorInfo::SGetClassInfo()->FindProperty("Cone Angle"));
    ASSERT_NE(cone, nullptr);
    cone->SetFromDisplayText(&generator, "90");
    EXPECT_EQ(generator.m_ConeAngle, 1.5707964f);
}

TEST_F(ParticleGeneratorTest, WeightsSumWithoutWrapping)
{
    CParticleGeneratorInfo generator;
    generator.SetDefaults();
    generator.AddType().m_Weight = 30;
    generator.AddType().m_Weight = 10;
    EXPECT_EQ(generator.TotalWeight(), 40u);
    generator.AddType().m_Weight = 0xFFFFFFFFu;
    EXPECT_EQ(generator.TotalWeight(), 40u + 0xFFFFFFFFull);
}

// The unnamed value has no use, but generators carry it and a save must
// not lose it; old files name the type array by its member.
TEST_F(ParticleGeneratorTest, FilesKeepTheUnnamedValueAndReadTheLegacyArrayName)
{
    CParticleGeneratorInfo generator;
    generator.SetDefaults();
    generator.m_Particles = 12;
    CParticleType& type = generator.AddType();
    type.m_Weight = 3;
    type.m_Unnamed = 77;

    const std::string text = ObjectText(&generator);
    std::unique_ptr<CObject> read = ObjectFromText(text);
    ASSERT_NE(read, nullptr);
    const CParticleGeneratorInfo& back = static_cast<const CParticleGeneratorInfo&>(*read);
    EXPECT_EQ(back.m_Particles, 12u);
    ASSERT_EQ(back.GetTypeCount(), 1u);
    EXPECT_EQ(back.GetType(0).m_Weight, 3u);
    EXPECT_EQ(back.GetType(0).m_Unnamed, 77u) << text;
    EXPECT_TRUE(back.AllPropertiesEqual(generator));

    std::unique_ptr<CObject> copy(generator.CreateSameClass());
    EXPECT_EQ(static_cast<CParticleGeneratorInfo&>(*copy).GetType(0).m_Unnamed, 77u);

    std::string legacy = text;
    const size_t at = legacy.find("Particle Types");
    ASSERT_NE(at, std::string::npos);
    legacy.replace(at, 14, "m_ParticleTypes");
    std::unique_ptr<CObject> old = ObjectFromText(legacy);
    ASSERT_NE(old, nullptr);
    ASSERT_EQ(static_cast<const CParticleGeneratorInfo&>(*old).GetTypeCount(), 1u);
    EXPECT_EQ(static_cast<const CParticleGeneratorInfo&>(*old).GetType(0).m_Unnamed, 77u);
}

TEST_F(ParticleGeneratorTest, ListFindsGeneratorsByFileNameAndReadsEntryZeroPastTheEnd)
{
    m_Folder.WriteFile("Data/Resources/!None.PGen", "CParticleGeneratorInfo\r\n{\r\n\tParticles=0\r\n}\r\n");
    m_Folder.WriteFile("Data/Resources/Sparks/Ball Hit Wall.PGen",
                       "CParticleGeneratorInfo\r\n{\r\n\tParticles=6\r\n\tVelocity=120\r\n}\r\n");
    ParticleGeneratorList& list = ArmList();
    ASSERT_EQ(list.GetCount(), 2u);
    const int32_t wall = list.FindOrFail("Sparks/Ball Hit Wall", -1);
    ASSERT_NE(list.Get(static_cast<uint32_t>(wall)), nullptr);
    EXPECT_EQ(list.Get(static_cast<uint32_t>(wall))->m_Particles, 6u);
    EXPECT_EQ(list.Get(list.GetCount() + 3), list.Get(0));
    EXPECT_EQ(list.Get(0)->m_Particles, 0u);

    list.DeleteAllItems();
    InitCatalogueLibrary(list, LIBRARY_PARTICLE_GENERATORS);
    list.LoadAll();
    EXPECT_TRUE(list.IsItemLoaded(0));
    EXPECT_TRUE(list.IsItemLoaded(1));
}

TEST_F(ParticleGeneratorTest, AnEmptyListAnswersNull)
{
    ParticleGeneratorList& list = ArmList();
    EXPECT_EQ(list.GetCount(), 0u);
    EXPECT_EQ(list.Get(0), nullptr);
    EXPECT_EQ(list.Get(5), nullptr);
}

} // namespace
