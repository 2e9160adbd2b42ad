// How a frame is loaded: from its compiled cache when that is fresh, else
// rebuilt, and the cache written again.
//
// Freshness is decided by file times. A cache is stale when the source
// image, the frame's object file or (at 8 bits) the game palette stamp is
// newer. In compressed storage the ".Frame" file is the shipped form of a
// frame: a cache is used only while its time equals the ".Frame" file's,
// and a cache rebuilt from the ".Frame" file is given that time.
//
// A cache is written only from a load that succeeded, so a failure never
// leaves an empty frame that later starts would take as good. A damaged
// loose cache is rebuilt; one inside an archive cannot be and is fatal.
#include "engine/graphics/frame_loading.h"

#include <memory>

#include "engine/core/files/data_file_save.h"
#include "engine/core/files/data_files.h"
#include "engine/core/files/file.h"
#include "engine/core/files/memory_stream.h"
#include "engine/core/program/error_report.h"
#include "engine/core/program/loading_messages.h"
#include "engine/graphics/bit_depth_filter.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_cache_files.h"
#include "engine/graphics/frame_image_io.h"
#include "engine/graphics/image_filter_chain.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/object/class_info.h"
#include "engine/object/object_files.h"

namespace {

const char* const GAME_PALETTE_STAMP = "Cache/Palettes/GamePalette.pal";

// What the steps after loading do, read from a chain: the dither flag of
// its conversion, whether it encodes, the depth it converts to.
struct FinishingSteps
{
    bool dither = false;
    bool runLength = false;
    int32_t depth = -1;

    explicit FinishingSteps(const CImageFilterChain& chain)
    {
        if (const CImageFilterChain* step = chain.FindStep(IMAGE_STEP_BIT_DEPTH))
            dither = static_cast<const CBitDepthFilter*>(step)->m_Dither;
        runLength = chain.HasStep(IMAGE_STEP_RUN_LENGTH) || chain.HasStep(IMAGE_STEP_RUN_LENGTH_ALPHA);
        depth = chain.GetDepthOverride();
    }
    void ApplyTo(CFrame& frame) const { BuildFrameLoadSteps(frame, dither, runLength, depth); }
};

bool WriteCache(CFrame& frame, const CString& cache, uint32_t flags)
{
    CFile memory;
    memory.Attach(new CMemoryStream(), OPEN_READ | OPEN_WRITE | OPEN_CREATE);
    if (!frame.WriteBinary(memory))
        return false;
    const uint32_t size = memory.GetSize();
    memory.Seek(0);
    return StoreDataFile(cache.GetText(), flags | OPEN_CREATE_FOLDERS, memory.Map(size), size);
}

CString ObjectFilePath(const char* folder, const char* name)
{
    CString path;
    path.Format("%s/%s.txt", folder, name);
    return path;
}

CFrameImageIO* FindSourceImage(const char* folder, const char* name, uint32_t flags)
{
    CString preferred("-");
    preferred += name;
    if (CFrameImageIO* source = CFrameImageIO::CheckDuplicateNames(folder, preferred.GetText(), flags))
        return source;
    return CFrameImageIO::CheckDuplicateNames(folder, name, flags);
}

bool IsCacheStale(const CFrameImageIO* source, const char* folder, const char* name, const CString& cache,
                  uint32_t flags)
{
    const char* cachePath = cache.GetText();
    bool stale = source != nullptr && IsNewer(source->GetPath().GetText(), flags, cachePath, flags);
    if (GetDisplayBitDepth() == 8)
        stale = stale || IsNewer(GAME_PALETTE_STAMP, 0, cachePath, flags);
    return stale || IsNewer(ObjectFilePath(folder, name).GetText(), flags, cachePath, flags);
}

// The chain a rebuild finishes with: the caller's, else the default.
const CImageFilterChain& FinishingChain(CImageFilterChain* chain)
{
    return chain ? *chain : GetDefaultFrameLoadSteps();
}

} // namespace

CImageFilterChain& GetDefaultFrameLoadSteps()
{
    static CImageFilterChain chain;
    chain.Clear();
    for (int32_t id : {IMAGE_STEP_ALPHA_THRESHOLD, IMAGE_STEP_TRIM, IMAGE_STEP_UNPREMULTIPLY,
                       IMAGE_STEP_BIT_DEPTH_DITHERED, IMAGE_STEP_RUN_LENGTH})
        chain.AddStep(id);
    return chain;
}

void BuildFrameLoadSteps(CFrame& frame, bool dither, bool runLength, int32_t depth)
{
    CImageFilterChain chain;
    chain.InsertStep(new CBitDepthFilter(depth == -1 ? GetDisplayBitDepth() : depth, dither));
    if (runLength)
        chain.AddStep(IMAGE_STEP_RUN_LENGTH);
    chain.Apply(frame);
}

namespace {

// From the ".Frame" file; the cache takes its time.
bool RebuildFromFrameFile(CFrame& frame, const char* folder, const char* name, CImageFilterChain* chain,
                          const CString& cache, uint32_t flags)
{
    if (!frame.LoadFrameFile(folder, name))
        return false;
    FinishingSteps(FinishingChain(chain)).ApplyTo(frame);
    CString frameFile;
    GetFrameFilePath(frameFile, folder, name);
    if (WriteCache(frame, cache, flags))
        SetDataFileTime(cache.GetText(), GetDataFileTime(frameFile.GetText(), flags, kFileTimeLastWrite), flags,
                        kSetLastWriteTime);
    return true;
}

// From the source image. In compressed storage the image is loaded,
// cleaned and kept at full depth, stored as the ".Frame" file, and the
// frame is what that file holds (lossy compression included) finished for
// display.
bool RebuildFromImage(CFrame& frame, CFrameImageIO& source, const char* folder, const char* name,
                      CImageFilterChain* chain, const CString& cache, uint32_t flags)
{
    CString message;
    message.Format("Building Frame \"%s\" from Source File", name);
    ShowLoadingMessage(GetLoadingMessageWriter(), message.GetText(), true, 0);
    if (!IsCompressedStorageMode())
    {
        if (!source.LoadFrame(frame, chain, flags))
            return false;
        WriteCache(frame, cache, flags);
        return true;
    }
    const CImageFilterChain& caller = FinishingChain(chain);
    CImageFilterChain local;
    caller.CopyStepsInto(local);
    local.SetDepthOverride(caller.GetDepthOverride());
    const FinishingSteps finishing(local);
    for (int32_t type : {IMAGE_STEP_BIT_DEPTH, IMAGE_STEP_RUN_LENGTH, IMAGE_STEP_RUN_LENGTH_ALPHA})
        local.RemoveStep(type);
    if (!source.LoadFrame(frame, &local, flags))
        return false;
    // Reloading only what was saved: a failed save must not bring back an
    // older ".Frame" file.
    if (frame.SaveFrameFile(folder, name, GetFrameJpegQuality(), GetForceLosslessFrameImages()))
        frame.LoadFrameFile(folder, name);
    finishing.ApplyTo(frame);
    WriteCache(frame, cache, flags);
    return true;
}

} // namespace

bool CFrame::RebuildFromSource(const char* folder, const char* name, CImageFilterChain* chain, bool underCache,
                               uint32_t flags)
{
    DetachPaletteHolder();
    FreePixels();
    CString cache;
    GetCachePath(cache, folder, name, chain, underCache);
    if (cache.IsEmpty())
        return false;
    const bool inArchive = DataFileExistsIn(cache.GetText(), flags);
    std::unique_ptr<CFrameImageIO> source;
    if (!inArchive)
    {
        source.reset(FindSourceImage(folder, name, flags));
        if (IsCacheStale(source.get(), folder, name, cache, flags))
            return source ? RebuildFromImage(*this, *source, folder, name, chain, cache, flags)
                          : RebuildFromFrameFile(*this, folder, name, chain, cache, flags);
    }

    CString frameFile;
    GetFrameFilePath(frameFile, folder, name);
    const bool differs =
        IsCompressedStorageMode() && !inArchive &&
        GetDataFileTime(frameFile.GetText(), flags, kFileTimeLastWrite) !=
            GetDataFileTime(cache.GetText(), flags, kFileTimeLastWrite);
    bool cacheDamaged = false;
    if (!differs)
    {
        CFile file;
        if (file.Open(cache.GetText(), flags | OPEN_READ | OPEN_WHOLE_FILE))
        {
            if (ReadBinary(file))
                return true;
            if (inArchive)
            {
                CString text;
                text.Format("Frame \"%s\" could not be re-built because it is storred in an achive", cache.GetText());
                ShowErrorReport("Fatal Error loading a frame", text.GetText());
                ExitAfterFatalError();
            }
            cacheDamaged = true;
        }
    }
    // A damaged cache is rebuilt from the source image when there is one,
    // else from the ".Frame" file; a missing ".Frame" file falls back to
    // the source.
    if (!(cacheDamaged && source) && RebuildFromFrameFile(*this, folder, name, chain, cache, flags))
        return true;
    return source && RebuildFromImage(*this, *source, folder, name, chain, cache, flags);
}

CFrame* LoadFrameObject(const char* folder, const char* name, CImageFilterChain* chain, bool underCache,
                        uint32_t flags, const CClassInfo* classInfo)
{
    const CString objectFile = ObjectFilePath(folder, name);
    std::unique_ptr<CObject> object(LoadObjectFromFile(objectFile.GetText(), flags, true, nullptr));
    const bool created = object == nullptr;
    if (created)
    {
        const CClassInfo* frameClass = classInfo ? classInfo : CFrame::SGetClassInfo();
        object.reset(frameClass->CreateObject());
        if (object)
            object->SetDefaults();
    }
    if (!object || !object->IsKindOf(CFrame::SGetClassInfo()))
        return nullptr;
    CFrame* frame = static_cast<CFrame*>(object.get());
    if (!frame->RebuildFromSource(folder, name, chain, underCache, flags))
        return nullptr;
    if (created && frame->GetClassInfo() != CFrame::SGetClassInfo())
        SaveObjectToFile(frame, objectFile.GetText(), flags);
    object.release();
    return frame;
}
