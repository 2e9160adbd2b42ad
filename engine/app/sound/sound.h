#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"

// One playable sound effect. It loads its file at first use into one static
// buffer, and plays overlapping copies through duplicates that share the
// data: each sound keeps a chain of copies, examined at most once per engine
// update, so one effect triggered every update overlaps itself without
// piling up voices.
//
// The device-independent part lives here; a device's sound fills in the
// buffer operations.
class CSound
{
public:
    // Flags.
    static constexpr uint32_t kMultiChannel = 0x04;
    static constexpr uint32_t kLooping = 0x08;
    static constexpr uint32_t kLoaded = 0x10;
    static constexpr uint32_t kSixteenBit = 0x40;

    CSound();
    virtual ~CSound();

    virtual void Reset() = 0;
    virtual bool DuplicateFrom(CSound* source) = 0;
    // Bit 0 of flags: a copy may start when this sound is still playing.
    virtual void PlayBuffer(uint32_t flags) = 0;
    virtual void SetVolume(int32_t volume) = 0;
    virtual void SetFrequency(uint32_t frequency) = 0;
    virtual bool SetPan(int32_t pan) = 0;
    virtual void StopBuffer() = 0;
    virtual void ReleaseBuffer() = 0;
    virtual bool IsPlaying() = 0;
    virtual bool LoadBuffer(const char* name, uint32_t flags) = 0;

    // Deferred, only the name is kept and the file is read at first use.
    bool LoadFromName(const char* name, bool looping, bool deferred);
    // Loads a pending file or completes a pending duplicate.
    void LoadOnDemand();
    void Preload() { LoadOnDemand(); }
    // The device-independent part of PlayBuffer: true when this sound is to
    // start from its beginning now.
    bool Play(bool copyAllowed);
    // A free duplicate of this sound (made when needed), this sound itself
    // when no copy can be had, or none when the chain was already examined
    // in this update.
    CSound* GetAvailableCopy();
    // The device-independent part of DuplicateFrom; false when the source is
    // not loaded yet (the duplicate is then made at first use).
    bool Copy(CSound* source);
    // Answers whether it was playing; takes it off the playing list.
    bool Stop();
    void RemoveFromPlayingList();
    // Drops a sound that has finished from the playing list.
    void UpdatePlayingState();
    void SetLooping(bool looping);
    void SetListIndex(int32_t index) { m_ListIndex = index; }
    void Unload();

    bool IsLoaded() const { return (m_Flags & kLoaded) != 0; }
    bool IsLooping() const { return (m_Flags & kLooping) != 0; }
    // Loading is pending: a file name or a source to duplicate.
    bool IsPending() const { return m_PendingName.HasText() || m_pPendingSource; }
    uint32_t GetFlags() const { return m_Flags; }
    uint32_t GetDataBytes() const { return m_DataBytes; }
    int32_t GetListIndex() const { return m_ListIndex; }
    uint32_t GetBaseFrequency() const { return m_BaseFrequency; }
    CSound* GetCopy() const { return m_pCopy; }
    CSound* GetNextPlaying() const { return m_pNextPlaying; }

    CSound(const CSound&) = delete;
    CSound& operator=(const CSound&) = delete;

protected:
    // Base state after a reset.
    void ResetState();

    uint32_t m_DataBytes;
    CString m_PendingName;
    CSound* m_pPendingSource;
    uint32_t m_Flags;
    uint32_t m_Frequency;
    uint32_t m_BaseFrequency;
    int32_t m_LastCopyFrame;
    CSound* m_pCopy;
    int32_t m_Pan;
    int32_t m_ListIndex;
    CSound* m_pNextPlaying;
};
