// The ".Sequence" strip: the form in which compressed-storage data ships a
// sequence. One zlib block holds the sequence's text form followed by the
// frame table's; an image block holds every frame laid out in one 32-bit
// picture. Reading a strip cuts the frames back out of the picture and
// converts them to the display depth.
//
// Frames are laid left to right in rows. Frame widths are 16-bit, so a row
// ends before it would pass kStripRowWidthLimit pixels and the next starts
// below the tallest frame of the rows above; the frame table records each
// frame's rectangle, so readers simply honour its Top.

#include "engine/graphics/sequence_strip.h"

#include <algorithm>
#include <cstdlib>

#include "engine/blit/blit_type_registry.h"
#include "engine/core/files/compressed_block.h"
#include "engine/core/files/data_file_save.h"
#include "engine/core/files/data_files.h"
#include "engine/core/files/memory_stream.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/image_block.h"
#include "engine/graphics/image_filter_chain.h"
#include "engine/graphics/sequence.h"
#include "engine/object/current_file_scope.h"
#include "engine/object/object_files.h"
#include "engine/object/object_stream.h"
#include "engine/object/properties/array_property.h"
#include "engine/object/properties/bool_property.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/int_property.h"
#include "engine/object/properties/object_pointer_property.h"
#include "engine/object/properties/unsigned_int_property.h"

VP_IMPLEMENT_CLASS(CFrameInfo, CObject, 3.0f)

void CFrameInfo::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new IntProperty("Left", VP_MEMBER(m_Left), EDITOR_HIDDEN, 0, nullptr, 0, 0));
    classInfo->AddProperty(new IntProperty("Top", VP_MEMBER(m_Top), EDITOR_HIDDEN, 0, nullptr, 0, 0));
    classInfo->AddProperty(new IntProperty("Right", VP_MEMBER(m_Right), EDITOR_HIDDEN, 0, nullptr, 0, 0));
    classInfo->AddProperty(new IntProperty("Bottom", VP_MEMBER(m_Bottom), EDITOR_HIDDEN, 0, nullptr, 0, 0));
    classInfo->AddProperty(
        new IntProperty("UpperLeftXOffset", VP_MEMBER(m_UpperLeftXOffset), EDITOR_HIDDEN, 0, nullptr, 0, 0));
    classInfo->AddProperty(
        new IntProperty("UpperLeftYOffset", VP_MEMBER(m_UpperLeftYOffset), EDITOR_HIDDEN, 0, nullptr, 0, 0));
}

CFrameInfo::CFrameInfo()
    : m_Left(0)
    , m_Top(0)
    , m_Right(0)
    , m_Bottom(0)
    , m_UpperLeftXOffset(0)
    , m_UpperLeftYOffset(0)
{
    ConstructProperties(SGetClassInfo());
}

CFrameInfo::~CFrameInfo()
{
    DestroyProperties(SGetClassInfo());
}

VP_IMPLEMENT_CLASS(CSequenceFrameInfoList, CObject, 2.0f)

void CSequenceFrameInfoList::RegisterProperties(CClassInfo* classInfo)
{
    auto* element = new ObjectPointerProperty("Frame Info", ArrayElementMember<CFrameInfo*>(),
                                              CFrameInfo::SGetClassInfo(), EDITOR_HIDDEN, nullptr);
    element->SetAllowNone(true);
    classInfo->AddProperty(new ArrayProperty("Frame Infos", VP_MEMBER(m_Count), VP_MEMBER(m_Capacity),
                                             VP_MEMBER(m_pChildList), "m_ChildList", true, element, EDITOR_HIDDEN));
    classInfo->AddProperty(new BoolProperty("WasRLE", VP_MEMBER(m_WasRLE), EDITOR_HIDDEN, false, nullptr));
    classInfo->AddProperty(new UnsignedIntProperty("Flags", VP_MEMBER(m_Flags), EDITOR_HIDDEN, 0, nullptr, 0, 0));
    classInfo->AddProperty(
        new UnsignedIntProperty("BlitType", VP_MEMBER(m_BlitType), EDITOR_HIDDEN, 0, nullptr, 0, 0));
    classInfo->AddProperty(new FloatProperty("FPS", VP_MEMBER(m_FPS), EDITOR_HIDDEN, 0.0f, nullptr, 0.0f, 0.0f, 1.0f));
}

CSequenceFrameInfoList::CSequenceFrameInfoList()
    : m_WasRLE(false)
    , m_Flags(0)
    , m_BlitType(0)
    , m_FPS(0.0f)
    , m_pChildList(nullptr)
    , m_Count(0)
    , m_Capacity(0)
{
    ConstructProperties(SGetClassInfo());
}

CSequenceFrameInfoList::~CSequenceFrameInfoList()
{
    DestroyProperties(SGetClassInfo());
}

void CSequenceFrameInfoList::Append(CFrameInfo* info)
{
    static const auto* s_pInfos =
        static_cast<const ArrayProperty*>(SGetClassInfo()->FindProperty("Frame Infos"));
    *static_cast<CFrameInfo**>(s_pInfos->AppendElement(this)) = info;
}

namespace {

// The strip's picture is one frame: past the frame size limits it cannot
// be made.
bool StripFits(int32_t width, int32_t height)
{
    return static_cast<uint32_t>(width) <= CFrame::MAX_SIDE && static_cast<uint32_t>(height) <= CFrame::MAX_SIDE &&
           static_cast<size_t>(width) * static_cast<size_t>(height) * 4 <= CFrame::MAX_PIXEL_BYTES;
}

// The part of the rectangle inside a strip of the size.
CRect ClipToStrip(const CFrameInfo& info, int32_t width, int32_t height)
{
    return CRect{std::max(info.m_Left, 0), std::max(info.m_Top, 0), std::min(info.m_Right, width),
                 std::min(info.m_Bottom, height)};
}

} // namespace

bool CSequence::WriteStrip(CFile& stream, uint32_t jpegQuality, bool lossless, bool wasRunLength)
{
    CSequenceFrameInfoList infos;
    infos.m_WasRLE = wasRunLength;
    infos.m_Flags = m_Flags;
    infos.m_BlitType = static_cast<uint32_t>(m_BlitType);
    infos.m_FPS = m_FramesPerSecond;

    int32_t x = 0;
    int32_t rowTop = 0;
    int32_t stripWidth = 0;
    int32_t stripHeight = 0;
    for (uint32_t i = 0; i < m_FrameCount; i++)
    {
        CFrame* frame = GetFrame(i);
        if (frame == nullptr)
        {
            infos.Append(nullptr);
            continue;
        }
        const int32_t width = frame->GetWidth();
        if (x > 0 && x + width > kStripRowWidthLimit)
        {
            x = 0;
            rowTop = stripHeight;
        }
        CFrameInfo* info = new CFrameInfo;
        info->m_Left = x;
        info->m_Top = rowTop;
        info->m_Right = x + width;
        info->m_Bottom = rowTop + frame->GetHeight();
        info->m_UpperLeftXOffset = frame->GetUpperLeftXOffset();
        info->m_UpperLeftYOffset = frame->GetUpperLeftYOffset();
        infos.Append(info);
        x = info->m_Right;
        stripWidth = std::max(stripWidth, info->m_Right);
        stripHeight = std::max(stripHeight, info->m_Bottom);
    }
    if (!StripFits(stripWidth, stripHeight))
        return false;

    CObjectStream text;
    text.OpenOnMemory(new CMemoryStream, OPEN_READ | OPEN_WRITE | OPEN_CREATE);
    WriteText(text, true);
    infos.WriteText(text, true);
    const uint32_t textSize = text.GetSize();
    uint8_t* textBytes = text.GetBuffer();
    const bool textWritten = WriteCompressedBlock(stream, textBytes, textSize, 9);
    std::free(textBytes);
    if (!textWritten)
        return false;
    if (stripWidth <= 0 || stripHeight <= 0)
        return true;

    CFrame strip;
    strip.Create(static_cast<uint32_t>(stripWidth), static_cast<uint32_t>(stripHeight), 32);
    CBlitType* normal = GetBlitTypeRegistry().GetBlitType(GetBlitTypeRegistry().Find("Normal", -1));
    for (uint32_t i = 0; i < infos.GetCount(); i++)
    {
        const CFrameInfo* info = infos.GetInfo(i);
        if (info != nullptr)
            strip.BlitAt(GetFrame(i), info->m_Left - info->m_UpperLeftXOffset, info->m_Top - info->m_UpperLeftYOffset,
                         normal);
    }
    return EncodeImageBlock(strip, stream, jpegQuality, lossless);
}

bool CSequence::SaveStrip(const char* folder, const char* name, uint32_t jpegQuality, bool lossless,
                          bool wasRunLength)
{
    CString path;
    GetStripPath(path, folder, name);
    CFile stream;
    stream.Attach(new CMemoryStream, OPEN_READ | OPEN_WRITE | OPEN_CREATE);
    if (!WriteStrip(stream, jpegQuality, lossless, wasRunLength))
        return false;
    const uint32_t size = stream.GetSize();
    uint8_t* bytes = stream.GetBuffer();
    const bool stored = StoreDataFile(path.GetText(), OPEN_CREATE | OPEN_WRITE | OPEN_CREATE_FOLDERS, bytes, size);
    std::free(bytes);
    return stored;
}

bool CSequence::ReadStrip(CFile& stream)
{
    CSequenceLoadingScope loading(*this);
    ClearFrames();

    uint32_t textSize = 0;
    uint8_t* textBytes = ReadCompressedBlock(stream, &textSize);
    if (textBytes == nullptr)
        return false;
    CObjectStream text;
    text.OpenOnMemory(new CMemoryStream(textBytes, textSize, true), OPEN_READ);
    CSequenceFrameInfoList infos;
    if (!ReadObjectFromStream(this, text) || !ReadObjectFromStream(&infos, text))
        return false;
    m_BlitType = static_cast<int32_t>(infos.m_BlitType);
    m_FramesPerSecond = infos.m_FPS;
    m_Flags = infos.m_Flags;

    const uint32_t count = infos.GetCount();
    bool anyPresent = false;
    for (uint32_t i = 0; i < count; i++)
        anyPresent = anyPresent || infos.GetInfo(i) != nullptr;
    CFrame strip;
    if (!anyPresent || !DecodeImageBlock(strip, stream))
    {
        for (uint32_t i = 0; i < count; i++)
            AddFrame(nullptr, false, false);
        return true;
    }

    for (uint32_t i = 0; i < count; i++)
    {
        const CFrameInfo* info = infos.GetInfo(i);
        const CRect rect = info != nullptr ? ClipToStrip(*info, strip.GetWidth(), strip.GetHeight()) : CRect{};
        if (rect.right <= rect.left || rect.bottom <= rect.top)
        {
            AddFrame(nullptr, false, false);
            continue;
        }
        CFrame* frame = new CFrame;
        frame->CopyRect(&strip, rect);
        CImageFilterChain chain;
        chain.AddStep((m_Flags & DO_DITHER) != 0 ? IMAGE_STEP_BIT_DEPTH_DITHERED : IMAGE_STEP_BIT_DEPTH);
        if (infos.m_WasRLE)
            chain.AddStep(IMAGE_STEP_RUN_LENGTH);
        chain.Apply(*frame);
        frame->SetUpperLeftOffset(info->m_UpperLeftXOffset, info->m_UpperLeftYOffset);
        AddFrame(frame, false, false);
    }
    return true;
}

// Answers what the read found; only a good read leaves a cache behind, so
// a broken strip is never stamped as a fresh cache.
bool CSequence::LoadStrip(const char* folder, const char* name)
{
    CString path;
    GetStripPath(path, folder, name);
    CFile stream;
    if (!stream.Open(path.GetText(), OPEN_READ | OPEN_WHOLE_FILE | OPEN_NO_REPORT))
        return false;
    bool read;
    {
        CCurrentFileScope currentFile(path.GetText());
        read = ReadStrip(stream);
    }
    stream.Close();
    if (!read)
        return false;
    CString cachePath;
    if (GetCachePath(cachePath, folder, name, nullptr) && !CanOpenDataFile(cachePath.GetText(), 0))
        WriteCache(cachePath.GetText());
    return true;
}
