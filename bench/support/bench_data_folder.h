#pragma once

// Header-only: every bench/*_bench.cpp is its own executable and none links
// another source file.

#include <filesystem>
#include <string>

#include "engine/app/sound/sound_manager.h"
#include "engine/core/settings/paths.h"
#include "tests/support/manual_audio_output.h"
#include "tests/support/scoped_temp_folder.h"

// A fresh data folder made the current one, with the sound manager running
// on manual audio, as a benchmark's playfield needs; all undone when it
// goes, after whatever was built over it.
class CBenchDataFolder
{
public:
    CBenchDataFolder()
        : m_SavedFolder(std::filesystem::current_path())
    {
        std::filesystem::current_path(m_Folder.Path());
        std::filesystem::create_directories("Data");
        SetDataFolder("Data");
        GetSoundManager().Init();
        GetSoundManager().SetSoundLimit(16);
    }

    ~CBenchDataFolder()
    {
        GetSoundManager().Shutdown();
        SetDataFolder(".");
        std::filesystem::current_path(m_SavedFolder);
    }

    CBenchDataFolder(const CBenchDataFolder&) = delete;
    CBenchDataFolder& operator=(const CBenchDataFolder&) = delete;

    std::string Path() const { return m_Folder.Path(); }

private:
    ScopedManualAudio m_Audio;
    ScopedTempFolder m_Folder;
    std::filesystem::path m_SavedFolder;
};
