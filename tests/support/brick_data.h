#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "tests/support/manual_audio_output.h"
#include "tests/support/scoped_temp_folder.h"
#include "tests/support/sprite_fixtures.h"

class CSequence;

// The least a data folder holds for the game to start: the brick styles
// start-up finds by name, the placeholder "!None" and the two that aliases
// name, as files below the given "Data" folder (never read).
void WriteStartUpBrickStyles(const std::string& dataFolder);

// What bricks read, in the current data folder "Data" below the folder
// given: the sounds "Pop Brick.wav", "Clink.wav", "Brick Turned On.wav",
// "Brick Turned Off.wav" and "Partial Damage.wav" beside whatever
// "Data/Sounds" holds, mounted as the sound list; the sequences "!None"
// (one pixel), "Brick" (four 40 x 22 frames at 15 a second), the starfish
// looks "Starfish1" (four frames), "Starfish Ball Overlay" and "Starfish
// overlay small" (two frames each at 10 a second); the
// particle generators "!None" and "Break"; and the style sheets, in library
// order, "!None" (Optional), "Ball Accelerator" and "Ball Decelerator"
// (Normal), "Common/Red" (Normal), "Indestructible", "Normal" (score 10,
// its destroyed sequence "Brick" and break generator "Break"), "Optional",
// "Quiet" (Normal, score 3, no effects but its sound) and "Shredder", and
// one or more of each further kind (named after it), written as files and
// read by the library: among them "Splitter" (a "Quiet" child on its place
// drifting (1.5, -2) and an entry without a child) and "Splitter Sequence"
// (splitting on "Brick" into a "Quiet" child at (-20, 5) and an "Optional"
// one at (20, 5)), "Speed Changer" (twice the speed, "Clink.wav", "Break"
// for the trail and the burst) and "Speed Changer Plain" (half the speed,
// nothing else). Gone with the object.
class ScopedBrickData
{
public:
    explicit ScopedBrickData(const std::string& folder);
    ~ScopedBrickData();

    ScopedBrickData(const ScopedBrickData&) = delete;
    ScopedBrickData& operator=(const ScopedBrickData&) = delete;

    static int32_t StyleIndex(const char* name);
    // The sound list's count after the mount.
    uint32_t GetSoundCount() const { return m_SoundCount; }
    CSequence* GetBrickSequence() const { return m_pBrickSequence; }

private:
    ListedSequences m_Sequences;
    CSequence* m_pBrickSequence;
    uint32_t m_SoundCount;
};

// The general object that play reads by name beyond the bricks' data, for
// a program without the playfield's fixture: the floating texts' "Power Up
// Text Display Options" (a collected coin's bonus rises as one), written
// below the folder's "Data" and armed as the general objects.
void ArmGeneralObjectsForPlay(const std::string& folder);

// For a program without a test fixture (a benchmark): a temporary folder
// made current with "Data" as the data folder, the sound manager running
// over the manual audio stand-in, and the bricks' data and the general
// objects of play in it; all undone, and the old folder current again, when
// it goes.
class ScopedBrickDataFolder
{
public:
    ScopedBrickDataFolder();
    ~ScopedBrickDataFolder();

    ScopedBrickDataFolder(const ScopedBrickDataFolder&) = delete;
    ScopedBrickDataFolder& operator=(const ScopedBrickDataFolder&) = delete;

    const ScopedTempFolder& GetFolder() const { return m_Folder; }

private:
    ScopedManualAudio m_Audio;
    ScopedTempFolder m_Folder;
    std::filesystem::path m_SavedFolder;
    std::unique_ptr<ScopedBrickData> m_pData;
};
