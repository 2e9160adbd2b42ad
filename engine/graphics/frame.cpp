#include "engine/graphics/frame.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "engine/blit/antialiased_lines.h"
#include "engine/blit/blit_type.h"
#include "engine/core/lists/object_file_name_hooks.h"
#include "engine/core/program/error_report.h"
#include "engine/core/program/profiler.h"
#include "engine/graphics/developer_message.h"
#include "engine/graphics/frame_clipping.h"
#include "engine/graphics/palette_holder.h"
#include "engine/object/editor_hooks.h"
#include "engine/object/properties/object_pointer_property.h"

namespace {

CProfileSection s_ConstructSection("CFrame_CFrame");

ObjectPointerProperty* s_pPaletteProperty = new ObjectPointerProperty(
    "Palette", DynamicValueMember<CObject*>(), CPaletteHolder::SGetClassInfo(), EDITOR_HIDDEN, nullptr);
AttachDynamicProperty s_AttachPalette(s_pPaletteProperty, CFrame::SGetClassInfo(), 0, nullptr);

} // namespace

VP_IMPLEMENT_CLASS(CFrame, CFrameInterface, 2.0f)

void CFrame::RegisterProperties(CClassInfo*)
{
}

CFrame::CFrame()
    : m_UpperLeftX(0)
    , m_UpperLeftY(0)
    , m_pPixels(nullptr)
    , m_WidthShift(0)
    , m_HeightShift(0)
    , m_Width(0)
    , m_Height(0)
    , m_pRowOffsets(nullptr)
    , m_pStreamData{}
    , m_pStreamRowOffsets{}
    , m_Format(0)
{
    CProfileScope timing(s_ConstructSection);
    ConstructProperties(SGetClassInfo());
}

CFrame::~CFrame()
{
    DestroyProperties(SGetClassInfo());
    DetachPaletteHolder();
    FreePixels();
}

void CFrame::AddCustomEditorControls(CPropertyWindow* window)
{
    GetEditorHooks().AddImagePreviewEditor(window, this);
}

uint32_t CFrame::RunLengthBlockBytes() const
{
    uint32_t bytes = 4u * m_Height;
    for (const uint8_t* block : {m_pPixels, m_pStreamData[0], m_pStreamData[1], m_pStreamData[2], m_pStreamData[3]})
    {
        if (block)
        {
            uint32_t size;
            std::memcpy(&size, block, sizeof(size));
            bytes += size;
        }
    }
    return bytes;
}

uint32_t CFrame::GetInstanceSize() const
{
    const uint32_t own = SGetClassInfo()->GetInstanceSize();
    if (IsRunLengthFormat(m_Format))
        return own + RunLengthBlockBytes();
    return own + static_cast<uint32_t>(GetBytesPerPixel()) * m_Width * m_Height;
}

int32_t CFrame::GetBitsPerPixel() const
{
    return BitsPerPixelOfFormat(m_Format);
}

int32_t CFrame::GetBytesPerPixel() const
{
    return GetBitsPerPixel() / 8;
}

void CFrame::GetBounds(CRect& bounds) const
{
    bounds = CRect{m_UpperLeftX, m_UpperLeftY, m_UpperLeftX + m_Width, m_UpperLeftY + m_Height};
}

// ---- pixels and row tables

uint8_t SideShift(uint32_t value)
{
    uint8_t shift = 0;
    while (value > 1)
    {
        value >>= 1;
        shift++;
    }
    return shift;
}

uint8_t* AllocatePixelBlock(size_t bytes)
{
    const size_t rounded = (bytes + 15) & ~size_t{15};
    void* block = std::aligned_alloc(16, rounded);
    if (block)
        std::memset(block, 0, rounded);
    return static_cast<uint8_t*>(block);
}

void FreePixelBlock(uint8_t* block)
{
    std::free(block);
}

int32_t* BuildRowOffsetTable(int32_t pitch, uint32_t rows)
{
    const uint32_t count = rows < 2 ? 2 : rows;
    int32_t* table = new int32_t[count];
    for (uint32_t i = 0; i < count; i++)
        table[i] = static_cast<int32_t>(i) * pitch;
    return table;
}

void FreeRowOffsetTable(int32_t*& table)
{
    delete[] table;
    table = nullptr;
}

void CFrame::SetSize(uint32_t width, uint32_t height)
{
    m_Width = static_cast<uint16_t>(width);
    m_Height = static_cast<uint16_t>(height);
}

void CFrame::SetStream(int32_t stream, uint8_t* data, int32_t* rowOffsets)
{
    m_pStreamData[stream - 1] = data;
    m_pStreamRowOffsets[stream - 1] = rowOffsets;
}

void CFrame::SetFormat(int32_t bitsPerPixel)
{
    m_Format = (m_Format & ~FRAME_DEPTH_MASK) | DepthBitsOf(bitsPerPixel);
}

void CFrame::FreePixels()
{
    if (m_Format & FRAME_BORROWED_PIXELS)
    {
        m_pPixels = nullptr;
        m_pRowOffsets = nullptr;
        for (int32_t i = 0; i < 4; i++)
        {
            m_pStreamData[i] = nullptr;
            m_pStreamRowOffsets[i] = nullptr;
        }
        m_Format &= ~FRAME_BORROWED_PIXELS;
    }
    m_Width = 0;
    m_Height = 0;
    FreePixelBlock(m_pPixels);
    m_pPixels = nullptr;
    FreeRowOffsetTable(m_pRowOffsets);
    for (int32_t i = 0; i < 4; i++)
    {
        FreePixelBlock(m_pStreamData[i]);
        m_pStreamData[i] = nullptr;
        FreeRowOffsetTable(m_pStreamRowOffsets[i]);
    }
    m_Format &= ~(FRAME_DEPTH_MASK | FRAME_RUN_LENGTH_BITS);
}

int32_t CFrame::AllocatePixels(uint32_t width, uint32_t height, int32_t bitsPerPixel)
{
    if (width == m_Width && height == m_Height && bitsPerPixel == GetBitsPerPixel() && m_pPixels &&
        !IsRunLengthFormat(m_Format))
        return GetPitch();
    FreePixels();
    const uint32_t depth = DepthBitsOf(bitsPerPixel);
    if (depth == 0 || width > MAX_SIDE || height > MAX_SIDE)
        return 0;
    const size_t bytes = size_t{width} * height * static_cast<size_t>(bitsPerPixel / 8);
    if (bytes > MAX_PIXEL_BYTES)
        return 0;
    if (bytes != 0)
    {
        m_pPixels = AllocatePixelBlock(bytes);
        if (m_pPixels == nullptr)
            return 0;
    }
    SetSize(width, height);
    m_Format |= depth;
    return static_cast<int32_t>(width);
}

void CFrame::Create(uint32_t width, uint32_t height, int32_t bitsPerPixel)
{
    const int32_t pitch = AllocatePixels(width, height, bitsPerPixel);
    BuildRowTable(pitch, true);
}

void CFrame::BuildRowTable(int32_t pitch, bool rebuild)
{
    m_UpperLeftX = 0;
    m_UpperLeftY = 0;
    m_WidthShift = SideShift(m_Width);
    m_HeightShift = SideShift(m_Height);
    if (m_Height != 0 && rebuild)
    {
        FreeRowOffsetTable(m_pRowOffsets);
        m_pRowOffsets = BuildRowOffsetTable(pitch, m_Height);
    }
}

void CFrame::SetUpperLeftOffset(int32_t x, int32_t y)
{
    m_UpperLeftX = static_cast<int16_t>(x);
    m_UpperLeftY = static_cast<int16_t>(y);
}

void CFrame::MoveUpperLeftOffset(int32_t dx, int32_t dy)
{
    SetUpperLeftOffset(m_UpperLeftX + dx, m_UpperLeftY + dy);
}

bool CFrame::IsWritablePlain() const
{
    return m_pPixels != nullptr && m_pRowOffsets != nullptr && !IsRunLengthFormat(m_Format);
}

bool CFrame::ClipToPixels(const CRect& rect, CRect& pixels) const
{
    CRect bounds;
    GetBounds(bounds);
    pixels = rect;
    if (!ClipRect(bounds, pixels))
        return false;
    pixels.left -= m_UpperLeftX;
    pixels.right -= m_UpperLeftX;
    pixels.top -= m_UpperLeftY;
    pixels.bottom -= m_UpperLeftY;
    return true;
}

// ---- the own palette

CColorTable* CFrame::GetPalette() const
{
    CObject* holder = s_pPaletteProperty->GetValue(this);
    return holder ? &static_cast<CPaletteHolder*>(holder)->m_Table : nullptr;
}

void CFrame::AttachPaletteHolder()
{
    if (s_pPaletteProperty->GetValue(this) == nullptr)
        s_pPaletteProperty->SetValue(this, new CPaletteHolder);
}

void CFrame::DetachPaletteHolder()
{
    if (s_pPaletteProperty->HasValue(this))
        s_pPaletteProperty->RemoveValue(this);
}

void CFrame::SetPalette(const CColorTable& table)
{
    AttachPaletteHolder();
    GetPalette()->CopyFrom(table);
}

// ---- the blit path

bool CFrame::Blit(CFrameInterface* source, CRect& sourceRect, CRect& destinationRect, CBlitType* blitType)
{
    if (m_pPixels == nullptr)
        return false;
    // A plain source without pixels (the screen while unlocked) has
    // nothing to read.
    const uint32_t sourceFormat = source->GetFormat();
    if ((sourceFormat & FRAME_DEPTH_MASK) && !IsRunLengthFormat(sourceFormat) && source->GetPixels() == nullptr)
        return false;

    const int32_t sourceX = source->GetUpperLeftXOffset();
    const int32_t sourceY = source->GetUpperLeftYOffset();
    sourceRect.left -= sourceX;
    sourceRect.right -= sourceX;
    sourceRect.top -= sourceY;
    sourceRect.bottom -= sourceY;

    CRect bounds;
    GetBounds(bounds);
    if (!ClipBlitRectsFor(blitType, bounds, sourceRect, destinationRect))
        return false;
    // A rectangle reaching past the source would be read out of bounds by
    // blit types that read inside the source; a scaled one is cut in
    // proportion, the destination with it.
    const CRect sourcePixels{0, 0, source->GetWidth(), source->GetHeight()};
    if (blitType->GetKind() == CBlitType::ONE_TO_ONE && !ClipBlitRects(sourcePixels, destinationRect, sourceRect))
        return false;
    if (blitType->GetKind() == CBlitType::SCALES && !ClipScaledBlitRects(sourcePixels, destinationRect, sourceRect))
        return false;

    destinationRect.left -= m_UpperLeftX;
    destinationRect.right -= m_UpperLeftX;
    destinationRect.top -= m_UpperLeftY;
    destinationRect.bottom -= m_UpperLeftY;
    BlitClipped(source, sourceRect, destinationRect, blitType);
    return true;
}

void CFrame::BlitClipped(CFrameInterface* source, const CRect& sourceRect, const CRect& destinationRect,
                         CBlitType* blitType)
{
    if (BlitRoutine routine = blitType->Lookup(source, this))
    {
        routine(source, sourceRect, this, destinationRect, blitType);
        return;
    }
    if (IsRunLengthFormat(m_Format))
    {
        ShowErrorReport("Blitting To A Compressed Frame Error",
                        "The game is trying to Blit to a compressed frame.\nThis is possiblly a programming issue, "
                        "but just as likely a problem in the settings of a CFrames' property file.");
        ExitAfterFatalError();
    }
    if (IsRunLengthFormat(source->GetFormat()) && blitType->GetKind() == CBlitType::TILES)
    {
        CString message("The game is trying to Blit Wrapped (tile) a compressed frame.  This is possiblly a "
                        "programming issue, but just as likely a problem in the settings of a CFrames' property "
                        "file.");
        CString path;
        if (GetObjectFileName(source, path))
        {
            message += "  The frame with the problem is ";
            message += path;
        }
        SendDeveloperMessage(message.GetText());
    }
}

void CFrame::DrawLineAA(float x0, float y0, float x1, float y1, const CColor& colour)
{
    DrawAntiAliasedLine(*this, x0, y0, x1, y1, colour);
}
