#include "engine/graphics/frame_image_io.h"

#include <vector>

#include "engine/core/files/data_files.h"
#include "engine/core/files/file.h"
#include "engine/core/files/memory_stream.h"
#include "engine/core/program/error_report.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_loading.h"
#include "engine/graphics/image_filter_chain.h"
#include "engine/graphics/jpeg_codec.h"
#include "engine/graphics/tga_file_io.h"

VP_IMPLEMENT_ABSTRACT_CLASS(CFrameImageIO, CObject, 1.0f)

void CFrameImageIO::RegisterProperties(CClassInfo*)
{
}

namespace {

// The registry, with the TGA handler entered when it is first used.
std::vector<CFrameImageIO*>& GetHandlers()
{
    static std::vector<CFrameImageIO*> handlers;
    static CTGAFileIO tgaHandler;
    static const bool registered = [] {
        handlers.push_back(&tgaHandler);
        return true;
    }();
    (void)registered;
    return handlers;
}

// Every load reads its whole file into this one buffer, which grows to the
// largest file seen and is kept.
std::vector<uint8_t>& GetSharedLoadBuffer()
{
    static std::vector<uint8_t> buffer;
    return buffer;
}

bool IsDataFileReadable(const CString& path, uint32_t flags)
{
    return CanOpenDataFile(path.GetText(), flags & OPEN_NAME_UNCHANGED);
}

CFrameImageIO* NewHandlerLike(const CFrameImageIO& registered, const CString& path)
{
    CFrameImageIO* handler = static_cast<CFrameImageIO*>(registered.GetClassInfo()->CreateObject());
    handler->SetPath(path.GetText());
    return handler;
}

void ReportFatal(const char* title, const CString& text)
{
    ShowErrorReport(title, text.GetText());
    ExitAfterFatalError();
}

} // namespace

CString MakeImagePath(const char* folder, const char* name, const char* extension)
{
    CString path;
    if (folder != nullptr)
    {
        path = folder;
        path += "/";
    }
    path += name;
    path += extension;
    return path;
}

CFrameImageIO::CFrameImageIO()
{
    ConstructProperties(SGetClassInfo());
}

CFrameImageIO::~CFrameImageIO()
{
    DestroyProperties(SGetClassInfo());
}

bool CFrameImageIO::Write(CFrame& frame, const char* path, uint32_t flags)
{
    return SaveFrameAsJpeg(frame, path, 90, flags, true);
}

const char* CFrameImageIO::GetExtension() const
{
    return ".JPG";
}

bool CFrameImageIO::NeedsRewrite(const char*, uint32_t)
{
    return false;
}

int32_t CFrameImageIO::Read(CFrame& frame, const uint8_t* bytes, uint32_t size, const char*, int32_t)
{
    CFile file;
    file.Attach(new CMemoryStream(const_cast<uint8_t*>(bytes), size, false), OPEN_READ);
    return DecodeJpegIntoFrame(frame, file) ? frame.GetWidth() : 0;
}

int32_t CFrameImageIO::GetDataBitDepth(const uint8_t*, uint32_t)
{
    return 24;
}

int32_t CFrameImageIO::Register(CFrameImageIO* handler)
{
    GetHandlers().push_back(handler);
    return static_cast<int32_t>(GetHandlers().size());
}

int32_t CFrameImageIO::GetHandlerCount()
{
    return static_cast<int32_t>(GetHandlers().size());
}

const char* CFrameImageIO::GetHandlerExtension(int32_t index)
{
    return GetHandlers()[static_cast<size_t>(index)]->GetExtension();
}

CFrameImageIO* CFrameImageIO::CheckDuplicateNames(const char* folder, const char* name, uint32_t flags)
{
    const std::vector<CFrameImageIO*>& handlers = GetHandlers();
    for (size_t i = 0; i < handlers.size(); i++)
    {
        const CString path = MakeImagePath(folder, name, handlers[i]->GetExtension());
        if (!IsDataFileReadable(path, flags))
            continue;
        for (size_t j = 0; j < handlers.size(); j++)
        {
            if (j == i || CString(handlers[j]->GetExtension()).CompareNoCase(handlers[i]->GetExtension()) == 0)
                continue;
            if (IsDataFileReadable(MakeImagePath(folder, name, handlers[j]->GetExtension()), flags))
            {
                CString text;
                text.Format("\"%s\" has more than one image file of the same name saved in the same directior.  "
                            "The game cannont tell which one you want.  Please delete or more one of them.",
                            path.GetText());
                ReportFatal("Fatal Error loading a frame", text);
            }
        }
        return NewHandlerLike(*handlers[i], path);
    }
    return nullptr;
}

CFrameImageIO* CFrameImageIO::FindAndOpen(const char* folder, const char* name, const char* extension)
{
    for (CFrameImageIO* handler : GetHandlers())
        if (CString(handler->GetExtension()).CompareNoCase(extension) == 0)
            return NewHandlerLike(*handler, MakeImagePath(folder, name, handler->GetExtension()));
    return nullptr;
}

bool CFrameImageIO::LoadFrame(CFrame& frame, CImageFilterChain* chain, uint32_t flags)
{
    if (chain == nullptr)
        chain = &GetDefaultFrameLoadSteps();
    std::vector<uint8_t>& buffer = GetSharedLoadBuffer();
    uint32_t size;
    {
        CFile file;
        if (!file.Open(m_Path.GetText(), flags | OPEN_READ))
            return false;
        size = file.GetSize();
        if (buffer.size() < size)
        {
            buffer.clear();
            buffer.shrink_to_fit();
            buffer.resize(size);
        }
        size = file.Read(buffer.data(), size);
    }
    frame.DetachPaletteHolder();
    const int32_t depth = GetDataBitDepth(buffer.data(), size);
    if (depth != 0 && NeedsRewrite(m_Path.GetText(), flags))
    {
        if (!CanWriteDataFile(m_Path.GetText(), flags))
        {
            CString text;
            text.Format("'%s' is an uncompressed TGA and is write protected.", m_Path.GetText());
            text += "  The game automatically creates compressed TGAs when it finds uncompressed ones.";
            text += "  This TGA was checked into source safe without being run in the game.";
            text += "  You need to check it out and re-run the game.";
            ReportFatal("Fatal Error loading a frame", text);
        }
        CFrame rewritten;
        if (Read(rewritten, buffer.data(), size, m_Path.GetText(), depth) != 0)
            Write(rewritten, m_Path.GetText(), flags);
    }
    if (Read(frame, buffer.data(), size, m_Path.GetText(), depth) == 0)
        return false;
    chain->Apply(frame);
    return frame.GetPixels() != nullptr;
}

bool CFrameImageIO::WriteFrame(CFrame& frame, uint32_t flags)
{
    return Write(frame, m_Path.GetText(), flags);
}
