#pragma once

#include "engine/app/sound/sound_reader.h"

// Decodes Ogg Vorbis through vorbisfile over the engine's own file, so a
// track may lie in an archive. The decoder state lives in a pooled block.
class CVorbisReader : public CSoundReader
{
public:
    CVorbisReader();
    ~CVorbisReader() override;

    bool Open(CFile* file) override;
    // A damaged stream answers what it decoded before the damage: holes and
    // broken links are skipped, but not for ever.
    uint32_t Read(void* destination, uint32_t bytes) override;
    uint32_t Tell() override;
    void Seek(uint32_t position) override;

private:
    void Clear();

    void* m_pState;
    bool m_Opened;
    bool m_Reading;
};
