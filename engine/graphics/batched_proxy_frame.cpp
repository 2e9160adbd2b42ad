#include "engine/graphics/batched_proxy_frame.h"

#include "engine/blit/blit_type.h"
#include "engine/core/color/color.h"

VP_IMPLEMENT_CLASS(CBatchedProxyFrame, CProxyFrame, 1.0f)

void CBatchedProxyFrame::RegisterProperties(CClassInfo*)
{
}

namespace {

enum Opcode : uint32_t
{
    END = 0,
    BLIT,
    CLEAR_RECT,
    FILL_RECT,
    LINE,
    LINE_AA,
    PIXEL,
    REMAP
};

template <typename T>
void Put(CMemoryStream& stream, const T& value)
{
    stream.Write(&value, sizeof(T));
}

template <typename T>
bool Take(CMemoryStream& stream, T& value)
{
    return stream.Read(&value, sizeof(T)) == sizeof(T);
}

void PutRect(CMemoryStream& stream, const CRect& rect)
{
    Put(stream, rect.left);
    Put(stream, rect.top);
    Put(stream, rect.right);
    Put(stream, rect.bottom);
}

bool TakeRect(CMemoryStream& stream, CRect& rect)
{
    return Take(stream, rect.left) && Take(stream, rect.top) && Take(stream, rect.right) && Take(stream, rect.bottom);
}

// Blue in the low byte, alpha in the high one.
uint32_t PackedColour(const CColor& colour)
{
    return uint32_t{colour.m_Blue} | uint32_t{colour.m_Green} << 8 | uint32_t{colour.m_Red} << 16 |
           uint32_t{colour.m_Alpha} << 24;
}

// The opaque colour of a recorded value, converted once for a row of
// entries of one colour.
const CColor& ReplayColour(uint32_t value)
{
    static CColor s_Colour;
    static uint32_t s_Value = 0;
    static bool s_Built = false;
    if (!s_Built || value != s_Value)
    {
        s_Colour.SetRGBA(static_cast<int32_t>((value >> 16) & 0xFF), static_cast<int32_t>((value >> 8) & 0xFF),
                         static_cast<int32_t>(value & 0xFF), 255);
        s_Value = value;
        s_Built = true;
    }
    return s_Colour;
}

// Holds a blit type's opacity while a recorded one is drawn.
CMemoryStream& OpacityScratch()
{
    static CMemoryStream s_Scratch;
    return s_Scratch;
}

// One entry's values and its drawing; false when the recording ends
// inside it.
bool ReplayEntry(uint32_t opcode, CMemoryStream& stream, CFrameInterface& target)
{
    CRect rect;
    uint32_t colour = 0;
    switch (opcode)
    {
    case BLIT:
    {
        CFrameInterface* source = nullptr;
        CRect destination;
        CBlitType* blitType = nullptr;
        if (!Take(stream, source) || !TakeRect(stream, rect) || !TakeRect(stream, destination) ||
            !Take(stream, blitType) || stream.GetSize() - static_cast<uint32_t>(stream.Tell()) < 4)
            return false;
        CMemoryStream& scratch = OpacityScratch();
        scratch.Rewind();
        blitType->WriteOpacity(scratch);
        blitType->ReadOpacity(stream);
        target.Blit(source, rect, destination, blitType);
        scratch.Seek(0);
        blitType->ReadOpacity(scratch);
        return true;
    }
    case CLEAR_RECT:
        if (!TakeRect(stream, rect))
            return false;
        target.ClearRect(rect);
        return true;
    case FILL_RECT:
        if (!TakeRect(stream, rect) || !Take(stream, colour))
            return false;
        target.FillRect(rect, ReplayColour(colour));
        return true;
    case LINE:
        if (!TakeRect(stream, rect) || !Take(stream, colour))
            return false;
        target.DrawLine(rect.left, rect.top, rect.right, rect.bottom, ReplayColour(colour));
        return true;
    case LINE_AA:
    {
        float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        if (!Take(stream, x0) || !Take(stream, y0) || !Take(stream, x1) || !Take(stream, y1) || !Take(stream, colour))
            return false;
        target.DrawLineAA(x0, y0, x1, y1, ReplayColour(colour));
        return true;
    }
    case PIXEL:
    {
        int32_t x = 0, y = 0;
        if (!Take(stream, x) || !Take(stream, y) || !Take(stream, colour))
            return false;
        target.SetPixel(x, y, ReplayColour(colour));
        return true;
    }
    case REMAP:
    {
        const uint8_t* map = nullptr;
        if (!TakeRect(stream, rect) || !Take(stream, map))
            return false;
        target.RemapRect(rect, map);
        return true;
    }
    default:
        return false;
    }
}

} // namespace

CBatchedProxyFrame::CBatchedProxyFrame()
{
    ConstructProperties(SGetClassInfo());
}

CBatchedProxyFrame::~CBatchedProxyFrame()
{
    DestroyProperties(SGetClassInfo());
}

bool CBatchedProxyFrame::Blit(CFrameInterface* source, CRect& sourceRect, CRect& destinationRect, CBlitType* blitType)
{
    Put(m_Recording, uint32_t{BLIT});
    Put(m_Recording, source);
    PutRect(m_Recording, sourceRect);
    PutRect(m_Recording, destinationRect);
    Put(m_Recording, blitType);
    blitType->WriteOpacity(m_Recording);
    return true;
}

void CBatchedProxyFrame::ClearRectMapped(const CRect& rect)
{
    Put(m_Recording, uint32_t{CLEAR_RECT});
    PutRect(m_Recording, rect);
}

void CBatchedProxyFrame::FillRect(const CRect& rect, const CColor& colour)
{
    Put(m_Recording, uint32_t{FILL_RECT});
    PutRect(m_Recording, rect);
    Put(m_Recording, PackedColour(colour));
}

void CBatchedProxyFrame::DrawLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const CColor& colour)
{
    Put(m_Recording, uint32_t{LINE});
    PutRect(m_Recording, CRect{x0, y0, x1, y1});
    Put(m_Recording, PackedColour(colour));
}

void CBatchedProxyFrame::DrawLineAA(float x0, float y0, float x1, float y1, const CColor& colour)
{
    Put(m_Recording, uint32_t{LINE_AA});
    for (float value : {x0, y0, x1, y1})
        Put(m_Recording, value);
    Put(m_Recording, PackedColour(colour));
}

void CBatchedProxyFrame::SetPixel(int32_t x, int32_t y, const CColor& colour)
{
    Put(m_Recording, uint32_t{PIXEL});
    Put(m_Recording, x);
    Put(m_Recording, y);
    Put(m_Recording, PackedColour(colour));
}

void CBatchedProxyFrame::RemapRect(const CRect& rect, const uint8_t* map)
{
    Put(m_Recording, uint32_t{REMAP});
    PutRect(m_Recording, rect);
    Put(m_Recording, map);
}

void CBatchedProxyFrame::Reset()
{
    m_Recording.Rewind();
}

void CBatchedProxyFrame::EndRecording()
{
    Put(m_Recording, uint32_t{END});
}

void CBatchedProxyFrame::Replay()
{
    m_Recording.Seek(0);
    if (m_pTarget == nullptr)
        return;
    uint32_t opcode = END;
    while (Take(m_Recording, opcode) && opcode != END)
        if (!ReplayEntry(opcode, m_Recording, *m_pTarget))
            return;
}
