#include <gtest/gtest.h>

#include "engine/app/required_libraries.h"
#include "engine/core/settings/paths.h"
#include "engine/graphics/fonts/font_library.h"
#include "engine/object/libraries/library_catalogue.h"
#include "tests/support/scoped_temp_folder.h"

namespace {

// Start-up over a data folder whose font objects are gone: a fatal data
// report naming the library, not null fonts handed to every caller.
TEST(RequiredLibrariesDeathTest, AnArmedEmptyFontLibraryIsAFatalReportNamingIt)
{
    ScopedTempFolder folder;
    folder.WriteFile("Data/Resources/Fonts/readme.txt", "no fonts here");
    SetDataFolder((folder.Path() + "Data").c_str());
    InitCatalogueLibrary(GetFontLibrary(), LIBRARY_FONTS);
    EXPECT_EXIT(RequireEngineLibraries(), ::testing::ExitedWithCode(255), "Fatal Error.*no font in Fonts");
}

TEST(RequiredLibraries, AFontLibraryWithAFontPasses)
{
    ScopedTempFolder folder;
    folder.WriteFile("Data/Resources/Fonts/Plain.FONT.TXT", "CFont\r\n{\r\n}\r\n");
    SetDataFolder((folder.Path() + "Data").c_str());
    InitCatalogueLibrary(GetFontLibrary(), LIBRARY_FONTS);
    RequireEngineLibraries();
    EXPECT_EQ(GetFontLibrary().GetCount(), 1u);
}

// Tests that replace the engine's services never arm the fonts: nothing of
// such a start-up reads them, so their absence is no fault.
TEST(RequiredLibraries, ALibraryNeverArmedIsLeftAlone)
{
    CFontLibrary unarmed;
    RequireLibraryItems(unarmed, "font", "anywhere");
    EXPECT_EQ(unarmed.GetCount(), 0u);
}

} // namespace
