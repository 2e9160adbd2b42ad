#include "tests/support/music_test_folder.h"

#include "engine/app/sound/sound_manager.h"
#include "engine/core/settings/settings.h"
#include "engine/platform/periodic_timers.h"

void MusicTestFolder::SetUp()
{
    ArchiveTestFolder::SetUp();
    GetGeneralSettings().SetFileName((m_Folder.Path() + "Game.CFG").c_str());
    SetManualPeriodicTimers(true);
    GetSoundManager().SetMasterOffset(0);
    ASSERT_TRUE(GetSoundManager().Init());
}

void MusicTestFolder::TearDown()
{
    GetSoundManager().Shutdown();
    SetManualPeriodicTimers(false);
    GetGeneralSettings().SetFileName(".\\Config.INI");
    ArchiveTestFolder::TearDown();
}
