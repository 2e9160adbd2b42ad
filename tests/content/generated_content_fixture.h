#pragma once

#include <gtest/gtest.h>

#include <string>

#include "content/content_items.h"
#include "content/content_tree.h"
#include "engine/app/sound/sound_list.h"
#include "engine/core/lists/list_registry.h"
#include "engine/core/settings/paths.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/libraries/library_catalogue.h"
#include "game/playfield/particle_generator.h"
#include "tests/support/scoped_temp_folder.h"

// The generated content in a temporary folder, with the lists that balls,
// ships and power-ups name armed over it as the game's libraries list them.
class GeneratedContentTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_PreviousDataFolder = GetDataFolder();
        CContentTree tree;
        uint32_t changed = 0;
        ASSERT_TRUE(GenerateContent(m_Folder.Path(), tree, changed));
        SetDataFolder((m_Folder.Path() + "/Data").c_str());
        InitCatalogueLibrary(GetSequenceList(), LIBRARY_SEQUENCES);
        InitCatalogueLibrary(GetParticleGeneratorList(), LIBRARY_PARTICLE_GENERATORS);
        GetSoundList().Mount("Sound List", "Sounds", ".wav", ".ogg");
    }

    void TearDown() override
    {
        GetListRegistry().DisposeAll();
        SetDataFolder(m_PreviousDataFolder.c_str());
    }

    ScopedTempFolder m_Folder;
    std::string m_PreviousDataFolder;
};
