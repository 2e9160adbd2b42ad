#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/core/lists/list_registry.h"
#include "engine/object/libraries/general_objects.h"
#include "engine/object/libraries/library_catalogue.h"
#include "engine/object/libraries/resource_library.h"
#include "tests/object/libraries/library_test_items.h"
#include "tests/support/archive_test_folder.h"

using LibraryInstances = ArchiveTestFolder;

// Stands in for the power-up library: its catalogue entry with the test item.
class PowerUpLibrary : public ArchiveTestFolder
{
protected:
    void SetUp() override
    {
        ArchiveTestFolder::SetUp();
        m_Folder.WriteFile("Data/Resources/Power Ups/!None.PowerUp", ObjectFileText("CLibraryTestItem"));
        m_Folder.WriteFile("Data/Resources/Power Ups/Fire.PowerUp",
                           ObjectFileText("CLibraryTestItem", {"Name=Fireball"}));
        InitCatalogueLibrary(m_PowerUps, LIBRARY_POWER_UP);
    }

    CResourceLibrary<CLibraryTestItem> m_PowerUps{LIBRARY_POWER_UP};
};

TEST_F(PowerUpLibrary, AliasIsFoundByTheTextFindOnlyAndListedAtOnce)
{
    EXPECT_TRUE(m_PowerUps.IsEnumerated());
    EXPECT_STREQ(m_PowerUps.GetListName().GetText(), "PowerUp");
    const int32_t none = m_PowerUps.Find("!None", -1);
    ASSERT_NE(none, -1);
    EXPECT_EQ(m_PowerUps.Find("No Power-Up", -1), none);
    EXPECT_EQ(m_PowerUps.Find(CString("No Power-Up"), -1), -1);
}

TEST_F(PowerUpLibrary, DisplayNameIsTheItemsOwnNameWhenItHasOne)
{
    const uint32_t fire = static_cast<uint32_t>(m_PowerUps.Find("Fire", -1));
    const uint32_t none = static_cast<uint32_t>(m_PowerUps.Find("!None", -1));
    EXPECT_FALSE(m_PowerUps.IsItemLoaded(fire));
    EXPECT_STREQ(m_PowerUps.GetItemDisplayName(fire).GetText(), "Fireball");
    EXPECT_TRUE(m_PowerUps.IsItemLoaded(fire));
    EXPECT_EQ(m_PowerUps.GetUsage(fire).m_TotalUses, 1);
    EXPECT_STREQ(m_PowerUps.GetItemDisplayName(none).GetText(), "!None");
    EXPECT_STREQ(m_PowerUps.GetItemDisplayName(m_PowerUps.GetCount()).GetText(), m_PowerUps.GetItemDisplayName(0).GetText());
}

TEST_F(LibraryInstances, LibrariesWithoutItemNamesShowTheirItemNames)
{
    m_Folder.WriteFile("Data/Resources/Plain.Background", ObjectFileText("CLibraryTestItem", {"Name=Other"}));
    CResourceLibrary<CLibraryTestItem> backgrounds(LIBRARY_BACKGROUND_DEFINITION);
    InitCatalogueLibrary(backgrounds, LIBRARY_BACKGROUND_DEFINITION);
    EXPECT_STREQ(backgrounds.GetItemDisplayName(0).GetText(), "Plain");
    EXPECT_FALSE(backgrounds.IsItemLoaded(0));
}

TEST_F(LibraryInstances, SelfRegisteringLibraryIsArmedByTheRegistryAlone)
{
    m_Folder.WriteFile("Data/Resources/Intro.Tutorial.txt", ObjectFileText("CLibraryTestItem"));
    m_Folder.WriteFile("Data/Resources/Pages/Editor.Tutorial.txt", ObjectFileText("CLibraryTestItem"));
    CResourceLibrary<CLibraryTestItem> tutorials(LIBRARY_TUTORIAL);
    const CListRegistryEntry* entry = GetListRegistry().FindEntry(&tutorials);
    ASSERT_NE(entry, nullptr);
    EXPECT_STREQ(entry->listName.GetText(), "Tutorial");
    EXPECT_STREQ(entry->folder.GetText(), "Resources");
    EXPECT_EQ(tutorials.GetCount(), 0u);

    GetListRegistry().LoadAll();
    ASSERT_EQ(tutorials.GetCount(), 2u);
    EXPECT_STREQ(tutorials.GetName(0), "Intro");
    EXPECT_STREQ(tutorials.GetName(1), "Pages/Editor");
}

TEST_F(LibraryInstances, DestroyedLibraryLeavesTheRegistry)
{
    const uint32_t before = GetListRegistry().GetCount();
    {
        CResourceLibrary<CLibraryTestItem> tutorials(LIBRARY_TUTORIAL);
        tutorials.Init("Second Name", "Resources", 0);
        EXPECT_EQ(GetListRegistry().GetCount(), before + 2);
    }
    EXPECT_EQ(GetListRegistry().GetCount(), before);
}

// "General Objects" in a data folder holding an object of each test class.
class GeneralObjects : public ArchiveTestFolder
{
protected:
    void SetUp() override
    {
        ArchiveTestFolder::SetUp();
        m_Folder.WriteFile("Data/Resources/UI Layout.Object.txt", ObjectFileText("CLibraryTestItem", {"Name=Layout"}));
        m_Folder.WriteFile("Data/Resources/Menus/Main Menu Options.Object.txt",
                           ObjectFileText("CLibraryTestItemDerived", {"Name=Menu"}));
        m_Folder.WriteFile("Data/Resources/Brick Layer.Object.txt", ObjectFileText("CLibraryOtherItem"));
        m_Folder.WriteFile("Data/Resources/Gone.Object.txt", ObjectFileText("CLibraryTestItem"));
        InitCatalogueLibrary(GetGeneralObjectList(), LIBRARY_GENERAL_OBJECTS);
    }
};

TEST_F(GeneralObjects, NamedObjectOfTheClassOrASubclassIsFoundOnceAndKept)
{
    CNamedGeneralObject<CLibraryTestItem> layout("UI Layout");
    ASSERT_NE(layout.Get(), nullptr);
    EXPECT_STREQ(layout.Get()->m_Name.GetText(), "Layout");

    // Filed in a sub-folder, it is still found by its bare name.
    CNamedGeneralObject<CLibraryTestItem> menu("Main Menu Options");
    ASSERT_NE(menu.Get(), nullptr);
    EXPECT_STREQ(menu.Get()->m_Name.GetText(), "Menu");
    EXPECT_STREQ(GetGeneralObjectList().GetListName().GetText(), "General Objects");
}

TEST_F(GeneralObjects, ObjectOfAnotherClassIsAFatalErrorNamingTheFile)
{
    CNamedGeneralObject<CLibraryTestItem> layer("Brick Layer");
    EXPECT_EXIT(layer.Get(), ::testing::ExitedWithCode(255),
                "Invalid class type\nThe general object \"Brick Layer\" in \"Resources/Brick Layer.Object.txt\" is a "
                "CLibraryOtherItem when a CLibraryTestItem is expected\\.");
}

TEST_F(GeneralObjects, ObjectThatDoesNotReadIsAFatalErrorNamingTheFile)
{
    CNamedGeneralObject<CLibraryTestItem> gone("Gone");
    ASSERT_NE(GetGeneralObjectList().Find("Gone", -1), -1);
    std::filesystem::remove(Absolute("Data/Resources/Gone.Object.txt"));
    EXPECT_EXIT(gone.Get(), ::testing::ExitedWithCode(255),
                "Fatal Error\nThe general object \"Gone\" could not be read from \"Resources/Gone.Object.txt\"\\.");
}

TEST_F(GeneralObjects, MissingNamedObjectIsTheNotFoundReport)
{
    CNamedGeneralObject<CLibraryTestItem> missing("Tutorial Display Options");
    EXPECT_EXIT(missing.Get(), ::testing::ExitedWithCode(255),
                "Fatal Not Found Error.*\"Tutorial Display Options\" which should be in the \"General Objects\" list "
                "located in the \"Resources\" folder");
}
