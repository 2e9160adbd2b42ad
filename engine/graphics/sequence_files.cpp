// Where a sequence's files live and how it is loaded from them.
//
// A sequence is authored as a folder "<folder>/-<name>/" of source images
// with a "Properties.txt" beside them, and loaded at run time from its
// compiled cache (the object's binary form with the frames in their
// compiled form) whenever the cache is newer than its sources. In
// compressed-storage mode the shipped data holds ".Sequence" strips instead
// of sources: a cache is trusted only while its file time equals its
// strip's, and a cache rebuilt from a strip is given the strip's time, so
// the second start reads the cache directly.

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "engine/core/files/data_file_save.h"
#include "engine/core/files/data_files.h"
#include "engine/core/files/file_search.h"
#include "engine/core/files/file_sink.h"
#include "engine/core/files/memory_stream.h"
#include "engine/core/program/error_report.h"
#include "engine/core/program/loading_messages.h"
#include "engine/core/program/profiler.h"
#include "engine/core/program/system_event_pump.h"
#include "engine/core/settings/paths.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_cache_files.h"
#include "engine/graphics/frame_image_io.h"
#include "engine/graphics/image_filter_chain.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/sequence.h"
#include "engine/object/current_file_scope.h"
#include "engine/object/object_files.h"
#include "engine/object/object_stream.h"

namespace {

CProfileSection s_ReadCustomPropBinSection("CSequence_ReadCustomPropBin");

bool s_RefreshInProgress = false;

void GetSourceFolder(CString& out, const char* folder, const char* name)
{
    out.Format("%s/-%s/", folder, name);
}

void GetPropertiesPath(CString& out, const char* folder, const char* name)
{
    out.Format("%s/-%s/Properties.txt", folder, name);
}

// The source images' file names, without their folder and extension.
void ListSourceImages(const char* folder, const char* name, CStringArray& out)
{
    CString sourceFolder;
    GetSourceFolder(sourceFolder, folder, name);
    CSearchSpec search;
    search.SetFolder(sourceFolder.GetText());
    search.SetMode(CSearchSpec::kThisFolderOnly);
    search.SetNameForm(CSearchSpec::kFileNamesOnly);
    for (int32_t i = 0; i < CFrameImageIO::GetHandlerCount(); i++)
        search.AddExtension(CFrameImageIO::GetHandlerExtension(i));
    CFileNameList found;
    found.Fill(search, 0);
    for (uint32_t i = 0; i < found.GetCount(); i++)
    {
        const CString file = found.GetNameString(i);
        const char* text = file.GetText();
        CString stem;
        stem.Assign(text, static_cast<uint32_t>(GetFileExtension(text) - text));
        out.Add(stem);
    }
}

// Byte order with ASCII letters folded, so "B" follows "a".
void SortNoCase(CStringArray& names)
{
    std::sort(names.begin(), names.end(), [](const CString& a, const CString& b) { return a.CompareNoCase(b) < 0; });
}

} // namespace

bool CSequence::GetCachePath(CString& out, const char* folder, const char* name, const CImageFilterChain* chain)
{
    const int32_t depth = chain != nullptr ? chain->GetTargetDepth() : GetDisplayBitDepth();
    CString cacheFolder;
    cacheFolder.AssignPath(GetCacheFolderName(), folder);
    const char* extension = ".seq32";
    bool dashed = true;
    if (depth <= 8)
    {
        extension = ".seq";
        dashed = false;
    }
    else if (depth == 16)
    {
        extension = ".seq16";
        dashed = IsCompressedStorageMode();
    }
    else if (depth == 24)
    {
        extension = ".seq24";
    }
    out.Format("%s/%s%s%s", cacheFolder.GetText(), dashed ? "-" : "", name, extension);
    return depth < 32;
}

const char* CSequence::GetCacheKeyword()
{
    if (IsCompressedStorageMode())
        return "SEQUENCE";
    switch (GetDisplayBitDepth())
    {
    case 8:
        return "seq";
    case 16:
        return "seq16";
    case 24:
        return "seq24";
    case 32:
        return "seq32";
    default:
        return nullptr;
    }
}

void CSequence::GetStripPath(CString& out, const char* folder, const char* name)
{
    CString cacheFolder;
    cacheFolder.AssignPath(GetCacheFolderName(), folder);
    out.Format("%s/%s.Sequence", cacheFolder.GetText(), name);
}

bool CSequence::IsCacheStale(const char* folder, const char* name, const CImageFilterChain* chain) const
{
    CString cachePath;
    GetCachePath(cachePath, folder, name, chain);
    CString pattern;
    for (int32_t i = 0; i < CFrameImageIO::GetHandlerCount(); i++)
    {
        pattern.Format("%s/-%s/*%s", folder, name, CFrameImageIO::GetHandlerExtension(i));
        if (IsNewer(pattern.GetText(), cachePath.GetText()))
            return true;
    }
    GetPropertiesPath(pattern, folder, name);
    if (IsNewer(pattern.GetText(), cachePath.GetText()))
        return true;
    return GetDisplayBitDepth() == 8 && IsNewer("Cache/Palettes/GamePalette.pal", cachePath.GetText());
}

bool CSequence::LoadSequence(const char* folder, const char* name, CImageFilterChain* chain)
{
    CString cachePath;
    GetCachePath(cachePath, folder, name, nullptr);
    CString stripPath;
    GetStripPath(stripPath, folder, name);
    bool cacheMayBeUsed = true;
    if (IsCompressedStorageMode())
    {
        cacheMayBeUsed = GetDataFileTime(cachePath.GetText(), 0, kFileTimeLastWrite) ==
                         GetDataFileTime(stripPath.GetText(), 0, kFileTimeLastWrite);
    }
    if (cacheMayBeUsed && LoadCache(folder, name))
        return true;

    CString message;
    message.Format("Building sequence \"%s/%s\" from Images", folder, name);
    ShowLoadingMessage(GetLoadingMessageWriter(), message.GetText(), true, 0);
    if (!IsCompressedStorageMode())
        return BuildFromImages(folder, name, chain);
    bool built = BuildFromImages(folder, name, chain);
    if (!built)
        built = LoadStrip(folder, name);
    const uint64_t stripTime = GetDataFileTime(stripPath.GetText(), 0, kFileTimeLastWrite);
    if (stripTime != 0)
        SetDataFileTime(cachePath.GetText(), stripTime, 0, kSetLastWriteTime);
    return built;
}

bool CSequence::LoadCache(const char* folder, const char* name)
{
    CString cachePath;
    GetCachePath(cachePath, folder, name, nullptr);
    if (!DataFileExistsIn(cachePath.GetText(), 0) && IsCacheStale(folder, name, nullptr))
        return false;

    ClearFrames();
    CObjectStream stream;
    if (!stream.Open(cachePath.GetText(), OPEN_READ | OPEN_WHOLE_FILE | OPEN_NO_REPORT))
        return false;
    // Compiled frames point into the loaded file instead of copying it.
    stream.SetMapInPlace(true);
    bool read;
    {
        CCurrentFileScope currentFile(cachePath.GetText());
        CSequenceLoadingScope loading(*this);
        read = ReadBinary(stream);
    }
    if (stream.GetMappedTotal() > 0)
        m_pCacheBuffer = stream.GetBuffer();
    stream.Close();
    if (!read)
        ClearFrames();
    return read;
}

void CSequence::WriteCustomPropBin(CObjectStream& stream)
{
    stream.Write(&m_Bounds, sizeof(m_Bounds));
    for (uint32_t i = 0; i < m_FrameCount; i++)
    {
        CFrame* frame = GetFrame(i);
        const bool present = frame != nullptr && frame->GetWidth() > 0 && frame->GetHeight() > 0;
        stream.WriteByte(present ? 1 : 0);
        if (present)
            frame->WriteBinary(static_cast<CFile&>(stream));
    }
}

// The frame count was read with the properties, before any frame: a count
// above the bytes left (each frame takes at least its presence byte) is
// damage, refused before anything is allocated for it.
bool CSequence::ReadCustomPropBin(CObjectStream& stream)
{
    CProfileScope profile(s_ReadCustomPropBinSection);
    const uint32_t count = m_FrameCount;
    m_FrameCount = 0;
    stream.Read(&m_Bounds, sizeof(m_Bounds));
    if (stream.HasReadCameShort() || count > stream.GetBytesLeft())
        return false;
    CFrame** frames = static_cast<CFrame**>(std::calloc(count != 0 ? count : 1, sizeof(CFrame*)));
    AdoptFrames(frames, count);
    for (uint32_t i = 0; i < count; i++)
    {
        uint8_t present = 0;
        stream.Read(&present, 1);
        if (present == 0)
            continue;
        CFrame* frame = new CFrame;
        m_pFrames[i] = frame;
        if (!frame->ReadBinary(static_cast<CFile&>(stream)) || stream.HasReadCameShort())
        {
            ClearFrames();
            return false;
        }
    }
    return true;
}

bool CSequence::WriteCache(const char* cachePath)
{
    CObjectStream stream;
    if (!stream.OpenOnMemory(new CMemoryStream, OPEN_CREATE | OPEN_WRITE))
        return false;
    WriteBinary(stream);
    const uint32_t size = stream.GetSize();
    uint8_t* bytes = stream.GetBuffer();
    const bool stored = StoreDataFile(cachePath, OPEN_CREATE | OPEN_WRITE | OPEN_CREATE_FOLDERS, bytes, size);
    std::free(bytes);
    return stored;
}

void CSequence::LoadPropertiesFile(const char* folder, const char* name)
{
    CString path;
    GetPropertiesPath(path, folder, name);
    CObjectStream stream;
    if (stream.Open(path.GetText(), OPEN_READ | OPEN_WHOLE_FILE | OPEN_NO_REPORT))
    {
        CCurrentFileScope currentFile(path.GetText());
        CSequenceLoadingScope loading(*this);
        ReadObjectFromStream(this, stream);
        return;
    }
    SetDefaults();
    if (SaveObjectToFile(this, path.GetText(), 0))
        return;
    CString text;
    text.Format("The sequence \"%s/%s\" has no Properties.txt or it is unreadable and one cannot be created!\n"
                "It has most likely been zipped without first being tested in the game.\n"
                "Unzip it and test it, then zip it back up.  Or delete the properties.txt and let the game build a "
                "new one.",
                folder, name);
    ShowErrorReport("Can't Read Or Save Properties", text.GetText());
    ExitAfterFatalError();
}

bool CSequence::BuildFromImages(const char* folder, const char* name, CImageFilterChain* chain)
{
    CString cachePath;
    const bool allowCache = GetCachePath(cachePath, folder, name, chain);
    if (DataFileExistsIn(cachePath.GetText(), 0))
    {
        CString text;
        text.Format("Sequence \"%s\" could not be re-built because it is storred in an achive", cachePath.GetText());
        ShowErrorReport("Fatal Error loading a sequence", text.GetText());
        ExitAfterFatalError();
    }

    CStringArray files;
    ListSourceImages(folder, name, files);
    if (files.GetCount() == 0)
        return false;

    LoadPropertiesFile(folder, name);
    chain = BuildLoadSteps(chain);
    if (CanOpenDataFile(cachePath.GetText(), 0))
        DeleteDataFile(cachePath.GetText(), 0);
    SortNoCase(files);

    const uint32_t sourceCount = files.GetCount();
    uint32_t* selection = static_cast<uint32_t*>(std::malloc(sizeof(uint32_t) * (sourceCount + 1)));
    const uint32_t kept = SelectEveryNth(sourceCount, m_UseEvery, m_AlwaysIncludeLastFrame, selection);

    ClearFrames();
    CFrame** frames = static_cast<CFrame**>(std::calloc(kept, sizeof(CFrame*)));
    ShowLoadingMessage(GetLoadingMessageWriter(), " : Seq Frm(?]: ", false, 0);

    const bool wasRunLength = chain->HasStep(IMAGE_STEP_RUN_LENGTH);
    // In compressed-storage mode the strip keeps 32-bit plain frames, and
    // reading it converts and encodes them; the steps that would have done
    // so are kept aside for frames no strip can hold.
    CImageFilterChain removedSteps;
    if (IsCompressedStorageMode())
    {
        for (int32_t type : {IMAGE_STEP_BIT_DEPTH, IMAGE_STEP_RUN_LENGTH})
        {
            const CImageFilterChain* step = chain->FindStep(type);
            if (step != nullptr)
                removedSteps.InsertStep(step->Clone());
            chain->RemoveStep(type);
        }
    }

    CString sourceFolder;
    sourceFolder.Format("%s/-%s", folder, name);
    CString message;
    for (uint32_t k = 0; k < kept; k++)
    {
        message.Format("%04u", k + 1);
        ShowLoadingMessage(GetLoadingMessageWriter(), message.GetText(), false, 0);
        CFrame* frame = new CFrame;
        CFrameImageIO* handler =
            CFrameImageIO::CheckDuplicateNames(sourceFolder.GetText(), files[selection[k]].GetText(), 0);
        if (handler != nullptr && handler->LoadFrame(*frame, chain, 0))
            frames[k] = frame;
        else
            delete frame;
        delete handler;
    }
    std::free(selection);
    AdoptFrames(frames, kept);
    ApplyOffsets();

    if (m_FrameCount > 0 && allowCache)
    {
        if (IsCompressedStorageMode())
        {
            if (SaveStrip(folder, name, m_JpegQuality, (m_Flags & LOSSLESS) != 0, wasRunLength))
            {
                LoadStrip(folder, name);
            }
            else
            {
                // No strip could hold these frames: they are finished here
                // instead, from the steps the strip would have applied.
                for (uint32_t i = 0; i < m_FrameCount; i++)
                {
                    if (m_pFrames[i] != nullptr)
                        removedSteps.Apply(*m_pFrames[i]);
                }
            }
        }
        WriteCache(cachePath.GetText());
    }
    PumpSystemEventsFromEngine();
    return true;
}

// The sequence's folder is <folder>/-<name>; its properties are saved,
// then it is rebuilt from its images, which the saved file now predates.
void RefreshSequence(CSequence* sequence)
{
    if (sequence->IsLoading() || s_RefreshInProgress)
        return;
    s_RefreshInProgress = true;
    SaveObject(sequence);
    CString path;
    if (GetObjectFileName(sequence, path))
    {
        TruncateToFolder(path);
        path.RemoveSuffix("/");
        const char* text = path.GetText();
        const char* lastPart = GetFileNamePart(text);
        CString parent;
        parent.Assign(text, static_cast<uint32_t>(lastPart - text));
        parent.RemoveSuffix("/");
        const CString name(lastPart[0] == '-' ? lastPart + 1 : lastPart);
        sequence->ClearFrames();
        sequence->LoadSequence(parent.GetText(), name.GetText(), nullptr);
    }
    s_RefreshInProgress = false;
}
