#include "engine/app/sound/sound.h"

#include "engine/app/sound/sound_manager.h"
#include "engine/core/files/memory_file_name.h"
#include "engine/core/program/profiler.h"

namespace {

CProfileSection g_LoadOnDemandSection("LoadingSoundAndDecompressing");
CProfileSection g_PlaySection("PlaySound");
CProfileSection g_PlayCopySection("PlaySoundCopy");
CProfileSection g_AvailableCopySection("Sound_GetAnAvailableCopy");
CProfileSection g_CopySection("Sound_Copy");
CProfileSection g_RemoveSection("Sound_RemoveFromPlayingList");

} // namespace

CSound::CSound()
    : m_Flags(0)
{
    ResetState();
    m_pPendingSource = nullptr;
    m_pCopy = nullptr;
    m_ListIndex = -1;
    m_pNextPlaying = nullptr;
}

// A sound still on the playing list would leave the list pointing at freed
// memory.
CSound::~CSound()
{
    RemoveFromPlayingList();
}

void CSound::ResetState()
{
    m_Frequency = 22050;
    m_BaseFrequency = 22050;
    m_Flags &= ~(kLooping | kLoaded);
    m_DataBytes = 0;
    m_LastCopyFrame = 0;
    m_Pan = 0;
}

bool CSound::LoadFromName(const char* name, bool looping, bool deferred)
{
    const CString fileName(name);
    StopBuffer();
    Reset();
    if (deferred)
    {
        m_PendingName = fileName;
        SetLooping(looping);
        return true;
    }
    if (!LoadBuffer(fileName.GetText(), 0))
        return false;
    m_Flags |= kLoaded;
    SetLooping(looping);
    GetSoundManager().CountLoaded(m_DataBytes);
    m_PendingName.Empty();
    m_pPendingSource = nullptr;
    SetVolume(GetSoundManager().EffectiveVolume(0));
    SetPan(0);
    SetFrequency(m_BaseFrequency);
    return true;
}

void CSound::LoadOnDemand()
{
    CProfileScope scope(g_LoadOnDemandSection);
    if (m_PendingName.HasText())
    {
        const CString name = m_PendingName;
        LoadFromName(name.GetText(), IsLooping(), false);
    }
    else if (m_pPendingSource)
    {
        CSound* source = m_pPendingSource;
        source->LoadOnDemand();
        const int32_t pan = m_Pan;
        const bool looping = IsLooping();
        // A source that could not be loaded leaves this sound pending and
        // silent.
        if (!DuplicateFrom(source))
            return;
        SetLooping(looping);
        SetVolume(GetSoundManager().EffectiveVolume(0));
        SetPan(pan);
    }
}

// A sound that still sounds stays on the playing list whatever this play
// decides, so the limit counts it and stopping everything reaches it.
bool CSound::Play(bool copyAllowed)
{
    CProfileScope scope(copyAllowed ? g_PlayCopySection : g_PlaySection);
    CSoundManager& manager = GetSoundManager();
    if (manager.CountPlaying() >= manager.GetSoundLimit())
        return false;
    LoadOnDemand();
    if (copyAllowed && IsPlaying())
    {
        if (CSound* copy = GetAvailableCopy())
            copy->PlayBuffer(1);
        return false;
    }
    if (IsLooping() && IsPlaying())
        return false;
    SetVolume(manager.EffectiveVolume(0));
    RemoveFromPlayingList();
    m_pNextPlaying = manager.GetFirstPlaying();
    manager.SetFirstPlaying(this);
    return true;
}

CSound* CSound::GetAvailableCopy()
{
    CProfileScope scope(g_AvailableCopySection);
    CSoundManager& manager = GetSoundManager();
    if (m_LastCopyFrame >= manager.GetUpdateCounter())
        return nullptr;
    m_LastCopyFrame = manager.GetUpdateCounter();
    if (manager.CountPlaying() >= manager.GetSoundLimit())
        return this;
    if (IsPlaying())
    {
        if (!m_pCopy)
        {
            CSound* copy = manager.CreateSound();
            if (!copy->DuplicateFrom(this))
            {
                manager.DeleteSound(copy);
                return this;
            }
            m_pCopy = copy;
        }
        return m_pCopy->GetAvailableCopy();
    }
    RemoveFromPlayingList();
    return this;
}

bool CSound::Copy(CSound* source)
{
    CProfileScope scope(g_CopySection);
    if (source->IsPending())
    {
        m_pPendingSource = source;
        return false;
    }
    ReleaseBuffer();
    Reset();
    m_Flags = source->m_Flags;
    m_Frequency = source->m_Frequency;
    m_BaseFrequency = source->m_BaseFrequency;
    m_DataBytes = 0;
    m_pCopy = nullptr;
    m_LastCopyFrame = 0;
    m_Pan = 0;
    SetLooping(false);
    return true;
}

bool CSound::Stop()
{
    const bool wasPlaying = IsPlaying();
    RemoveFromPlayingList();
    return wasPlaying;
}

void CSound::RemoveFromPlayingList()
{
    CProfileScope scope(g_RemoveSection);
    CSoundManager& manager = GetSoundManager();
    if (manager.GetFirstPlaying() == this)
        manager.SetFirstPlaying(m_pNextPlaying);
    else
    {
        for (CSound* sound = manager.GetFirstPlaying(); sound; sound = sound->m_pNextPlaying)
        {
            if (sound->m_pNextPlaying == this)
            {
                sound->m_pNextPlaying = m_pNextPlaying;
                break;
            }
        }
    }
    m_pNextPlaying = nullptr;
}

void CSound::UpdatePlayingState()
{
    if (!IsPlaying())
        RemoveFromPlayingList();
}

void CSound::SetLooping(bool looping)
{
    if (looping)
        m_Flags |= kLooping;
    else
        m_Flags &= ~kLooping;
}

void CSound::Unload()
{
    StopBuffer();
    if (m_DataBytes)
        GetSoundManager().CountUnloaded(m_DataBytes);
    m_DataBytes = 0;
    m_Flags &= ~kLoaded;
    if (m_PendingName.HasText())
        DeleteMemoryFile(m_PendingName.GetText());
    m_PendingName.Empty();
    m_pPendingSource = nullptr;
    GetSoundManager().DeleteSound(m_pCopy);
    m_pCopy = nullptr;
}
