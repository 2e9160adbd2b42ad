#pragma once

#include <memory>
#include <vector>

#include "engine/app/sound/sound_reader.h"

class CWaveConverter;

// Reads a RIFF WAVE file: PCM data as it stands, compressed data (IMA and
// Microsoft ADPCM, A-law, mu-law) through a converter, piece by piece.
//
// The chunk walk ends at the end of the RIFF form or of the file, whichever
// comes first, and at a chunk header cut short, so damaged sizes cannot keep
// it going; chunks are padded to even sizes. Every field the reader relies
// on is checked before use, and a "data" size beyond the file is cut to it.
class CWaveReader : public CSoundReader
{
public:
    CWaveReader();
    ~CWaveReader() override;

    bool Open(CFile* file) override;
    uint32_t Read(void* destination, uint32_t bytes) override;
    uint32_t Tell() override;
    // A converted sound restarts its conversion and decodes up to the
    // position again.
    void Seek(uint32_t position) override;

private:
    bool FindChunks(CWaveFormat& format, uint32_t& factSamples, bool& hasFact);
    bool OpenConverted(const CWaveFormat& source, uint32_t factSamples, bool hasFact);
    uint32_t ReadConverted(uint8_t* destination, uint32_t bytes);

    uint32_t m_DataStart;
    std::unique_ptr<CWaveConverter> m_pConverter;
    std::vector<uint8_t> m_Scratch;
    uint32_t m_Produced;
    uint32_t m_Consumed;
};
