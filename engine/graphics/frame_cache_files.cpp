#include "engine/graphics/frame_cache_files.h"

#include "engine/blit/blit_normal.h"
#include "engine/core/files/data_file_save.h"
#include "engine/core/files/file.h"
#include "engine/core/files/memory_stream.h"
#include "engine/core/files/stream.h"
#include "engine/core/strings/ref_string.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/image_block.h"
#include "engine/graphics/image_filter_chain.h"
#include "engine/graphics/pixel_formats.h"

namespace {

bool s_CompressedStorageMode = true;
bool s_NoLossyFrameImages = false;
bool s_ForceLosslessFrameImages = false;
int32_t s_FrameJpegQuality = 65;

} // namespace

void SetCompressedStorageMode(bool on)
{
    s_CompressedStorageMode = on;
}

bool IsCompressedStorageMode()
{
    return s_CompressedStorageMode;
}

void SetNoLossyFrameImages(bool on)
{
    s_NoLossyFrameImages = on;
}

bool GetNoLossyFrameImages()
{
    return s_NoLossyFrameImages;
}

void SetForceLosslessFrameImages(bool on)
{
    s_ForceLosslessFrameImages = on;
}

bool GetForceLosslessFrameImages()
{
    return s_ForceLosslessFrameImages;
}

void SetFrameJpegQuality(int32_t quality)
{
    s_FrameJpegQuality = quality;
}

int32_t GetFrameJpegQuality()
{
    return s_FrameJpegQuality;
}

void GetFrameFilePath(CString& out, const char* folder, const char* name)
{
    out.Format("%s/%s/%s.Frame", "Cache", folder, name);
}

const char* GetFrameCacheTextExtension()
{
    return "txt";
}

const char* GetFrameSourceExtensions()
{
    return "TGA,RLA";
}

void CFrame::GetCachePath(CString& out, const char* folder, const char* name, const CImageFilterChain* chain,
                          bool underCache)
{
    CString base;
    if (underCache)
        base.AssignPath("Cache", folder);
    else
        base = folder;
    out = "";
    switch (chain ? chain->GetDepthOverride() : GetDisplayBitDepth())
    {
    case 8:
        out.Format("%s/%s.frm", base.GetText(), name);
        break;
    case 16:
        out.Format(IsCompressedStorageMode() ? "%s/-%s.frm16" : "%s/%s.frm16", base.GetText(), name);
        break;
    case 24:
        out.AssignFlatPath(base.GetText(), name, ".frm24");
        break;
    case 32:
        out.AssignFlatPath(base.GetText(), name, ".frm32");
        break;
    default:
        break;
    }
}

const char* CFrame::GetCacheKeyword()
{
    if (IsCompressedStorageMode())
        return "FRAME";
    switch (GetDisplayBitDepth())
    {
    case 16:
        return "frm16";
    case 24:
        return "frm24";
    case 32:
        return "frm32";
    default:
        return "frm";
    }
}

bool CFrame::SaveFrameFile(const char* folder, const char* name, int32_t jpegQuality, bool losslessOnly)
{
    CFrame plain;
    plain.Create(m_Width, m_Height, 32);
    if (plain.GetPixels() == nullptr)
        return false;
    plain.BlitAt(this, -m_UpperLeftX, -m_UpperLeftY, &GetBlitNormal());
    CFile memory;
    memory.Attach(new CMemoryStream(), OPEN_READ | OPEN_WRITE | OPEN_CREATE);
    memory.WriteInt(m_UpperLeftX).WriteInt(m_UpperLeftY);
    if (!EncodeImageBlock(plain, memory, jpegQuality, losslessOnly))
        return false;
    CString path;
    GetFrameFilePath(path, folder, name);
    const uint32_t size = memory.GetSize();
    memory.Seek(0);
    return StoreDataFile(path.GetText(), OPEN_CREATE_FOLDERS, memory.Map(size), size);
}

bool CFrame::LoadFrameFile(const char* folder, const char* name)
{
    CString path;
    GetFrameFilePath(path, folder, name);
    CFile file;
    if (!file.Open(path.GetText(), OPEN_READ | OPEN_WHOLE_FILE))
        return false;
    int32_t x, y;
    if (file.Read(&x, 4) != 4 || file.Read(&y, 4) != 4 || !DecodeImageBlock(*this, file))
    {
        FreePixels();
        return false;
    }
    SetUpperLeftOffset(x, y);
    return true;
}
