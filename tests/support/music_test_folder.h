#pragma once

#include "tests/support/archive_test_folder.h"
#include "tests/support/manual_audio_output.h"

// Music streams on the stand-in audio output with hand-run refill timers:
// a settings file of the test's own, master offset 0, the sound manager
// started. A test that holds streams of its own releases them before this
// TearDown, which shuts the sound manager down.
class MusicTestFolder : public ArchiveTestFolder
{
protected:
    void SetUp() override;
    void TearDown() override;

    ScopedManualAudio m_Audio;
};
