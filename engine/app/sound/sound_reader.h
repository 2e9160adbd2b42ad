#pragma once

#include <cstdint>

#include "engine/platform/audio/wave_format.h"

class CFile;

// Turns a sound file into 16-bit little-endian PCM (or the 8-bit PCM of an
// 8-bit WAVE file) on demand. Sounds read a whole file at once; the music
// streams read in pieces, split over the two regions of a ring buffer, and
// mix a second track into what the first wrote.
//
// Positions (Tell, Seek) count output bytes from the start of the sound.
//
// A music reader reads on the refill thread: reads and seeks answer errors
// (fewer bytes, none), never raise a fatal report, and take no profiler
// section, since the profiler belongs to the main thread.
class CSoundReader
{
public:
    CSoundReader();
    virtual ~CSoundReader();

    // Takes the file, open for reading; true when it can be decoded.
    virtual bool Open(CFile* file) = 0;
    // Answers the bytes produced: fewer at the end, 0 on a decoding error.
    virtual uint32_t Read(void* destination, uint32_t bytes) = 0;
    virtual uint32_t Tell() = 0;
    virtual void Seek(uint32_t position) = 0;

    void GetFormat(CWaveFormat& format) const { format = m_Format; }
    const CWaveFormat& GetOutputFormat() const { return m_Format; }
    // The decoded size of the whole sound.
    uint32_t GetTotalBytes() const { return m_TotalBytes; }
    // Bytes of the data chunk (WAVE) or of the file (Ogg Vorbis).
    uint32_t GetSourceBytes() const { return m_SourceBytes; }

    // Reads bytes1 + bytes2 and lays them into the two regions. Answers the
    // bytes read.
    uint32_t ReadSplit(void* destination1, uint32_t bytes1, void* destination2, uint32_t bytes2);
    // Reads bytes1 + bytes2 and blends them into the samples already in the
    // regions: weight 1 keeps what is there, 0 replaces it by the new data.
    // Answers the bytes read; only those are blended.
    uint32_t ReadMix(void* destination1, uint32_t bytes1, void* destination2, uint32_t bytes2, float weight);

    CSoundReader(const CSoundReader&) = delete;
    CSoundReader& operator=(const CSoundReader&) = delete;

protected:
    CWaveFormat m_Format;
    CFile* m_pFile;
    uint32_t m_TotalBytes;
    uint32_t m_SourceBytes;

private:
    uint8_t* DecodeBuffer();

    uint8_t* m_pDecodeBuffer;
};

// Opens the file (open flags plus reading) and picks the reader by its first
// bytes: "RIFF" with "WAVE" is a WAVE file, anything else is tried as Ogg
// Vorbis. None when the file does not open or cannot be decoded.
CSoundReader* OpenSoundReader(const char* name, uint32_t flags);

// The blend of ReadMix for one sample of each width, exposed for its tests.
int16_t MixSample16(int16_t existing, int16_t incoming, float weight);
uint8_t MixSample8(uint8_t existing, uint8_t incoming, float weight);
