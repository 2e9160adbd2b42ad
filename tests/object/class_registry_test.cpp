#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "engine/core/memory/dynamic_array.h"
#include "engine/core/files/file_sink.h"
#include "engine/core/lists/virtual_array.h"
#include "engine/graphics/fonts/font_file_list.h"
#include "engine/object/class_info.h"
#include "engine/object/class_registry.h"
#include "engine/object/dynamic_property_table.h"
#include "engine/object/properties/int_property.h"
#include "engine/object/object.h"
#include "engine/object/reference_visitor.h"
#include "engine/object/properties/string_property.h"
#include "tests/support/archive_test_folder.h"
#include "game/playfield/particle_generator.h"
#include "tests/support/brick_data.h"

namespace
{
void NoProperties(CClassInfo*)
{
}

// A descriptor made by hand, outside any class, for registry behaviour.
CClassInfo* MakeClassInfo(const char* name, float version, CClassInfo* parent = nullptr,
                          RegisterPropertiesFunction registerProperties = &NoProperties)
{
    CClassInfo* info = nullptr;
    new CClassInfo(&info, name, version, parent, 8, true, nullptr, nullptr, nullptr, registerProperties);
    return info;
}
}

class CTestBase : public CObject
{
    VP_DECLARE_CLASS(CTestBase)
public:
    CTestBase() { ConstructProperties(SGetClassInfo()); }
    ~CTestBase() override { DestroyProperties(SGetClassInfo()); }

    int32_t m_Width = 0;
    int32_t m_Height = 0;
    char* m_pLabel;
};

VP_IMPLEMENT_CLASS(CTestBase, CObject, 1.0f)

void CTestBase::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new IntProperty("Size/Width", VP_MEMBER(m_Width), EDITOR_EDITABLE, 4, nullptr, 0, 0));
    classInfo->AddProperty(new IntProperty("Size/Height", VP_MEMBER(m_Height), EDITOR_HIDDEN, 3, nullptr, 0, 0));
    classInfo->GetLastProperty()->SetLegacyName("Width");
    classInfo->AddProperty(new StringProperty("Label", VP_MEMBER(m_pLabel), EDITOR_EDITABLE, "plain", nullptr));
}

class CTestSiblingA : public CTestBase
{
    VP_DECLARE_CLASS(CTestSiblingA)
public:
    CTestSiblingA() { ConstructProperties(SGetClassInfo()); }
    ~CTestSiblingA() override { DestroyProperties(SGetClassInfo()); }

    int32_t m_Apples = 0;
};

VP_IMPLEMENT_CLASS(CTestSiblingA, CTestBase, 1.0f)

void CTestSiblingA::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new IntProperty("Apples", VP_MEMBER(m_Apples), EDITOR_EDITABLE, 1, nullptr, 0, 0));
}

class CTestSiblingB : public CTestBase
{
    VP_DECLARE_CLASS(CTestSiblingB)
public:
    CTestSiblingB() { ConstructProperties(SGetClassInfo()); }
    ~CTestSiblingB() override { DestroyProperties(SGetClassInfo()); }

    char* m_pPears;
};

VP_IMPLEMENT_CLASS(CTestSiblingB, CTestBase, 1.0f)

void CTestSiblingB::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new StringProperty("Pears", VP_MEMBER(m_pPears), EDITOR_EDITABLE, "ripe", nullptr));
}

class CTestAbstractShape : public CObject
{
    VP_DECLARE_CLASS(CTestAbstractShape)
};

VP_IMPLEMENT_ABSTRACT_CLASS(CTestAbstractShape, CObject, 1.0f)

void CTestAbstractShape::RegisterProperties(CClassInfo*)
{
}

// A class that names a non-reflected polymorphic base first, so its CObject
// part does not start the object.
class CTestNoisyBase
{
public:
    virtual ~CTestNoisyBase() = default;
    int32_t m_Noise = 0;
};

class CTestBadLayout : public CTestNoisyBase, public CObject
{
    VP_DECLARE_CLASS(CTestBadLayout)
};

VP_IMPLEMENT_CLASS(CTestBadLayout, CObject, 1.0f)

void CTestBadLayout::RegisterProperties(CClassInfo*)
{
}

// Four-lane tables want their cache line to themselves.
class CTestAlignedTable : public CObject
{
    VP_DECLARE_CLASS(CTestAlignedTable)
public:
    CTestAlignedTable() { ConstructProperties(SGetClassInfo()); }
    ~CTestAlignedTable() override { DestroyProperties(SGetClassInfo()); }

    int32_t m_Lanes = 4;
    alignas(64) float m_Table[16] = {};
};

VP_IMPLEMENT_CLASS(CTestAlignedTable, CObject, 1.0f)

void CTestAlignedTable::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new IntProperty("Lanes", VP_MEMBER(m_Lanes), EDITOR_EDITABLE, 4, nullptr, 0, 0));
}

TEST(ClassVersions, FollowDeclaredPlusSevenPerPropertyPlusThreeTimesParent)
{
    EXPECT_EQ(7.0f, CObject::SGetClassInfo()->GetVersion());
    EXPECT_EQ(43.0f, CTestBase::SGetClassInfo()->GetVersion());
    EXPECT_EQ(1.0f + 7.0f + 3.0f * 43.0f, CTestSiblingA::SGetClassInfo()->GetVersion());
}

TEST(ClassInfo, InheritsParentPropertiesAsClonesFirst)
{
    const CClassInfo* base = CTestBase::SGetClassInfo();
    const CClassInfo* derived = CTestSiblingA::SGetClassInfo();
    ASSERT_EQ(5u, derived->GetPropertyCount());
    EXPECT_EQ(4u, derived->GetInheritedCount());
    EXPECT_STREQ("Dynamic Properties", derived->GetProperty(0)->GetName());
    for (uint32_t i = 0; i < base->GetPropertyCount(); i++)
    {
        EXPECT_NE(base->GetProperty(i), derived->GetProperty(i));
        EXPECT_STREQ(base->GetProperty(i)->GetName(), derived->GetProperty(i)->GetName());
    }
    EXPECT_STREQ("Apples", derived->GetProperty(4)->GetName());
    EXPECT_STREQ("Size", derived->GetProperty(1)->GetGroup().GetText());
}

TEST(ClassRegistry, HigherVersionReplacesEqualOrLowerIsRefused)
{
    CClassRegistry& registry = GetClassRegistry();
    CClassInfo* first = MakeClassInfo("CVersionedThing", 1.0f);
    ASSERT_TRUE(registry.Add(first));
    CClassInfo* second = MakeClassInfo("CVersionedThing", 2.0f);
    EXPECT_TRUE(registry.Add(second));
    EXPECT_EQ(second, registry.Find("CVersionedThing"));
    EXPECT_EQ(-1, registry.IndexOf(first));

    CClassInfo* older = MakeClassInfo("CVersionedThing", 1.0f);
    CClassInfo* same = MakeClassInfo("cversionedthing", 2.0f);
    EXPECT_FALSE(registry.Add(older));
    EXPECT_FALSE(registry.Add(same));
    EXPECT_EQ(second, registry.Find("CVersionedThing"));
    delete first;
    delete older;
    delete same;
}

TEST(ClassRegistry, FindsWithoutPrefixAndByOldNames)
{
    CClassRegistry& registry = GetClassRegistry();
    EXPECT_EQ(CTestBase::SGetClassInfo(), registry.Find("TestBase"));
    EXPECT_EQ(CTestBase::SGetClassInfo(), registry.Find("ctestbase"));

    CClassInfo* bare = MakeClassInfo("Widget", 1.0f);
    ASSERT_TRUE(registry.Add(bare));
    EXPECT_EQ(bare, registry.Find("Widget"));
    EXPECT_EQ(nullptr, registry.Find("CWidget"));

    CClassInfo* lower = MakeClassInfo("CcamelThing", 1.0f);
    ASSERT_TRUE(registry.Add(lower));
    EXPECT_EQ(lower, registry.Find("camelThing"));

    CClassInfo* early = MakeClassInfo("CEarlyHolder", 1.0f);
    CClassInfo* late = MakeClassInfo("CLateHolder", 1.0f);
    early->AddOldName("CSharedOldName");
    late->AddOldName("CSharedOldName");
    ASSERT_TRUE(registry.Add(early));
    ASSERT_TRUE(registry.Add(late));
    int32_t index = -2;
    EXPECT_EQ(late, registry.Find("CSharedOldName", &index));
    EXPECT_EQ(registry.IndexOf(late), index);
    EXPECT_EQ(nullptr, registry.Find("CNothingByThisName", &index));
    EXPECT_EQ(-1, index);
}

TEST(ClassRegistry, ClassNamedLikeAnothersOldNameIsAClassOfItsOwn)
{
    CClassRegistry& registry = GetClassRegistry();
    CClassInfo* renamed = MakeClassInfo("CRenamedWall", 5.0f);
    renamed->AddOldName("CPlainWall");
    ASSERT_TRUE(registry.Add(renamed));
    CClassInfo* plain = MakeClassInfo("CPlainWall", 1.0f);
    EXPECT_TRUE(registry.Add(plain));
    EXPECT_EQ(plain, registry.Find("CPlainWall"));
    EXPECT_EQ(renamed, registry.Find("CRenamedWall"));
}

TEST(ClassRegistry, SortedRegistryStillFindsEveryClass)
{
    CClassRegistry& registry = GetClassRegistry();
    registry.Sort();
    for (uint32_t i = 0; i < registry.GetCount(); i++)
    {
        CClassInfo* info = registry.GetAt(i);
        EXPECT_EQ(info, registry.Find(info->GetClassName())) << info->GetClassName();
        if (i > 0)
        {
            EXPECT_LT(CompareItemNames(registry.GetAt(i - 1)->GetClassName(), info->GetClassName()), 0);
        }
    }
    EXPECT_EQ(CTestBase::SGetClassInfo(), registry.Find("TestBase"));
    EXPECT_EQ(nullptr, registry.GetAt(registry.GetCount()));
}

TEST(ClassRegistry, ClassesOfSourcesNoTestMentionsAreRegistered)
{
    const CClassInfo* receiverClass = GetClassRegistry().Find("CClassThatCanNotBeConstructedOrDerivedFrom");
    ASSERT_NE(nullptr, receiverClass);
    EXPECT_TRUE(receiverClass->IsAbstract());
    EXPECT_NE(nullptr, GetClassRegistry().Find("CObject"));
}

TEST(ClassRegistry, CreatingUnknownOrAbstractClassIsFatal)
{
    EXPECT_EXIT(GetClassRegistry().CreateByName("CNoSuchClassAnywhere"), ::testing::ExitedWithCode(255),
                "FATAL ERROR!.*there is no class with that name");
    EXPECT_EXIT(GetClassRegistry().CreateByName("CTestAbstractShape"), ::testing::ExitedWithCode(255),
                "FATAL ERROR!.*Abstract Base Class");
}

TEST(ClassRegistry, CreatesConcreteClassesByName)
{
    std::unique_ptr<CObject> object(GetClassRegistry().CreateByName("TestSiblingA"));
    ASSERT_NE(nullptr, object);
    EXPECT_EQ(CTestSiblingA::SGetClassInfo(), object->GetClassInfo());
}

TEST(ClassRegistry, ClassesAlignedBeyondTheHeapAreCreatedAligned)
{
    // Several at once, so that they cannot all land on one lucky address.
    std::vector<std::unique_ptr<CObject>> objects;
    for (int i = 0; i < 16; i++)
    {
        objects.emplace_back(GetClassRegistry().CreateByName("CTestAlignedTable"));
        const auto* table = static_cast<const CTestAlignedTable*>(objects.back().get());
        EXPECT_EQ(reinterpret_cast<uintptr_t>(table) % 64, 0u) << i;
        EXPECT_EQ(reinterpret_cast<uintptr_t>(table->m_Table) % 64, 0u) << i;
        EXPECT_EQ(table->m_Lanes, 4);
    }
    CObject* array = CTestAlignedTable::SGetClassInfo()->CreateObjectArray(3);
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(reinterpret_cast<uintptr_t>(static_cast<CTestAlignedTable*>(array) + i) % 64, 0u) << i;
    CTestAlignedTable::SGetClassInfo()->DestroyObjectArray(array);
}

TEST(ClassRegistry, ListsCreatableClassesDerivedFromBase)
{
    CDynamicArray<CClassInfo*> classes;
    ListCreatableClasses(CTestBase::SGetClassInfo(), classes);
    ASSERT_EQ(3u, classes.GetCount());
    for (CClassInfo* info : classes)
        EXPECT_TRUE(info->IsKindOf(CTestBase::SGetClassInfo()));
}

TEST(ClassInfo, ObjectWhoseReflectedBaseIsNotFirstIsRefused)
{
    EXPECT_EXIT(CTestBadLayout::SGetClassInfo()->CreateObject(), ::testing::ExitedWithCode(255),
                "Programming BUG.*CTestBadLayout");
}

TEST(ClassInfo, DisplayNamesSpellOutTheClassName)
{
    struct Case
    {
        const char* className;
        const char* wordToRemove;
        const char* displayName;
    };
    const Case cases[] = {
        {"CBrickStyleSheetBallDeflector", nullptr, "Brick Style Sheet Ball Deflector"},
        {"CUILayout", nullptr, "U I Layout"},
        {"CActionPlaySound", "Action", "Play Sound"},
        {"CPlaySoundAction", "Action", "Play Sound"},
        {"Cursor", nullptr, "Cursor"},
        {"CAction", "Action", "Action"},
    };
    for (const Case& c : cases)
    {
        CClassInfo* info = MakeClassInfo(c.className, 1.0f);
        CString displayName;
        info->GetDisplayName(displayName, c.wordToRemove);
        EXPECT_STREQ(c.displayName, displayName.GetText()) << c.className;
        delete info;
    }
    CClassInfo* named = MakeClassInfo("CNamedByHand", 1.0f);
    named->SetDisplayName("HandMade Name");
    CString displayName;
    named->GetDisplayName(displayName);
    EXPECT_STREQ("HandMade Name", displayName.GetText());
    EXPECT_STREQ("Object", CObject::SGetClassInfo()->GetNameWithoutPrefix());
    delete named;
}

TEST(ClassInfo, FindsPropertiesByNameThenByLegacyName)
{
    const CClassInfo* info = CTestBase::SGetClassInfo();
    int32_t index = -2;
    EXPECT_EQ(info->GetProperty(3), info->FindProperty("label", &index));
    EXPECT_EQ(3, index);
    // "Width" is Height's legacy name, but Width itself exists.
    EXPECT_EQ(info->GetProperty(1), info->FindProperty("Width", &index));
    EXPECT_EQ(info->GetProperty(2), info->FindProperty("Height"));
    EXPECT_EQ(nullptr, info->FindProperty("Depth", &index));
    EXPECT_EQ(-1, index);

    const CClassInfo* sibling = CTestSiblingB::SGetClassInfo();
    EXPECT_EQ(sibling->GetProperty(4), sibling->FindProperty("Pears"));
    EXPECT_EQ(sibling->GetProperty(1), sibling->FindProperty("Width"));
}

TEST(ClassInfo, DynamicPropertiesReachEveryDescendantWhenEverAttached)
{
    CClassInfo* parent = MakeClassInfo("CDynamicParent", 1.0f);
    CClassInfo* early = MakeClassInfo("CDynamicEarlyChild", 1.0f, parent);
    IntProperty* property = new IntProperty("Bonus", DynamicValueMember<int32_t>(), EDITOR_EDITABLE, 9, nullptr, 0, 0);
    AttachDynamicProperty attach(property, parent, 1, "Extra points");
    CClassInfo* late = MakeClassInfo("CDynamicLateChild", 1.0f, parent);

    EXPECT_TRUE(property->IsDynamic());
    EXPECT_STREQ("Extra points", property->GetHelpText().GetText());
    for (CClassInfo* info : {parent, early, late})
    {
        CDynamicPropertyTable* table = info->GetDynamicPropertyTable();
        ASSERT_EQ(1u, table->GetEntryCount()) << info->GetClassName();
        EXPECT_EQ(property, table->FindByName("bonus"));
        EXPECT_EQ(1, table->GetFlags(0));
    }
    EXPECT_EQ(property, GetGlobalDynamicPropertyTable().FindByName("Bonus"));
    delete late;
    delete early;
    delete parent;
}

TEST(ClassInfo, IgnoredPropertyNamesAreInherited)
{
    CClassInfo* parent = MakeClassInfo("CIgnoringParent", 1.0f);
    parent->AddIgnoredPropertyName("Loss Less");
    CClassInfo* child = MakeClassInfo("CIgnoringChild", 1.0f, parent);
    child->AddIgnoredPropertyName("JPEG Quality");
    EXPECT_TRUE(child->IsIgnoredPropertyName("loss less"));
    EXPECT_TRUE(child->IsIgnoredPropertyName("JPEG Quality"));
    EXPECT_FALSE(parent->IsIgnoredPropertyName("JPEG Quality"));
    delete child;
    delete parent;
}

class EveryRegisteredClass : public ArchiveTestFolder
{
};

TEST_F(EveryRegisteredClass, LivesCleanly)
{
    // Fonts default to the data folder's "!default.ttf", which must exist;
    // brick style sheets name their default sequences, sound and particle
    // generator.
    GetFontFileList().Add("Resources/Fonts/!default.ttf", FileInformation{});
    ScopedBrickData bricks(m_Folder.Path());
    // The ball plug-ins' small-ball picture defaults to "Small Ball".
    GetSequenceList().AddItemWithObject(new CSequence, "Small Ball");
    // The brick-laying machines find their pictures and burst by name.
    for (const char* part : {"Brick Layer/Left Gears", "Brick Layer/Right Gears", "Brick Layer/Bar",
                             "Brick Layer/Carriage"})
        GetSequenceList().AddItemWithObject(new CSequence, part);
    GetParticleGeneratorList().AddItemWithObject(new CParticleGeneratorInfo, "brick layer");
    CClassRegistry& registry = GetClassRegistry();
    uint32_t created = 0;
    for (uint32_t i = 0; i < registry.GetCount(); i++)
    {
        const CClassInfo* info = registry.GetAt(i);
        if (info->IsAbstract() || info == CTestBadLayout::SGetClassInfo())
            continue;
        std::unique_ptr<CObject> object(info->CreateObject());
        ASSERT_NE(nullptr, object) << info->GetClassName();
        object->SetDefaults();
        EXPECT_TRUE(object->AllPropertiesDefault()) << info->GetClassName();
        std::unique_ptr<CObject> copy(object->CreateSameClass());
        EXPECT_TRUE(copy->AllPropertiesEqual(*object)) << info->GetClassName();
        copy->CopyFrom(*copy);

        CObject* array = info->CreateObjectArray(3);
        ASSERT_NE(nullptr, array);
        info->DestroyObjectArray(array);
        created++;
    }
    EXPECT_GE(created, 3u);
    GetSequenceList().DeleteAllItems();
    ForgetFontFileList();
}

TEST(Objects, CopyBetweenSiblingsTakesTheCommonAncestorAndDefaultsTheRest)
{
    CTestSiblingA apples;
    apples.SetDefaults();
    apples.m_Width = 12;
    apples.m_Apples = 40;
    CTestSiblingB pears;
    pears.SetDefaults();
    pears.CopyFrom(apples);
    EXPECT_EQ(12, pears.m_Width);
    EXPECT_STREQ("ripe", pears.m_pPears);

    CTestBase base;
    base.SetDefaults();
    base.CopyFrom(apples);
    EXPECT_EQ(12, base.m_Width);

    apples.CopyFrom(base);
    EXPECT_EQ(12, apples.m_Width);
    EXPECT_EQ(1, apples.m_Apples);
}

TEST(Objects, CopyOntoItselfKeepsValues)
{
    CTestBase base;
    base.SetDefaults();
    base.m_Width = 3;
    base.GetClassInfo()->FindProperty("Label")->FromText(&base, "kept", nullptr);
    base.CopyFrom(base);
    EXPECT_EQ(3, base.m_Width);
    EXPECT_STREQ("kept", base.m_pLabel);
}

TEST(Objects, DescriptionNamesClassAndFirstTwoVisibleProperties)
{
    CTestBase base;
    base.SetDefaults();
    CString description;
    base.GetDescription(description, nullptr);
    // "Dynamic Properties" (empty here) is the first shown property, then
    // Width; Height is hidden.
    EXPECT_STREQ("Test Base  4 ", description.GetText());
}

namespace
{
class CCountingVisitor : public CReferenceVisitor
{
public:
    void VisitObject(CObject* object) override
    {
        m_pLastObject = object;
        m_Objects++;
    }
    void VisitListReference(int32_t, const Property*, void*) override { m_ListReferences++; }

    CObject* m_pLastObject = nullptr;
    int m_Objects = 0;
    int m_ListReferences = 0;
};
}

TEST(Objects, VisitingMeetsTheObjectItself)
{
    CTestSiblingA apples;
    apples.SetDefaults();
    CCountingVisitor visitor;
    apples.VisitReferences(visitor);
    EXPECT_EQ(1, visitor.m_Objects);
    EXPECT_EQ(&apples, visitor.m_pLastObject);
    EXPECT_EQ(0, visitor.m_ListReferences);
}
