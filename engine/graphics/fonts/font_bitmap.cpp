#include "engine/graphics/fonts/font_bitmap.h"

#include <algorithm>

#include "engine/blit/blit_normal.h"
#include "engine/core/color/color.h"
#include "engine/core/lists/object_file_name_hooks.h"
#include "engine/graphics/fonts/glyph_preparation.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "engine/object/properties/bool_property.h"
#include "engine/object/properties/unsigned_int_property.h"

VP_IMPLEMENT_CLASS(CFontBitmap, CFont, 3.0f)

void CFontBitmap::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(
        new UnsignedIntProperty("Bitmap/First ASCII", VP_MEMBER(m_FirstAscii), EDITOR_EDITABLE, 32, nullptr, 0, 255));
    classInfo->AddProperty(
        new UnsignedIntProperty("Bitmap/Last ASCII", VP_MEMBER(m_LastAscii), EDITOR_EDITABLE, 125, nullptr, 0, 255));
    classInfo->AddProperty(
        new BoolProperty("Load/Fixed Width", VP_MEMBER(m_FixedWidth), EDITOR_EDITABLE, false, nullptr));
    // Saved with the font but not shown: cutting the strip measures it anew.
    const CPropertyMember<uint32_t> height{VP_OFFSET_OF(CFontBitmap, m_Height), sizeof(uint32_t)};
    classInfo->AddProperty(
        new UnsignedIntProperty("Height Without Decenders", height, EDITOR_HIDDEN, 0, nullptr, 0, 0));
}

CFontBitmap::CFontBitmap()
    : m_GlyphsBuilt(false)
{
    ConstructProperties(SGetClassInfo());
    m_FirstAscii = 32;
    m_LastAscii = 125;
    m_FixedWidth = false;
}

CFontBitmap::~CFontBitmap()
{
    DestroyProperties(SGetClassInfo());
}

CFrame* CFontBitmap::GetGlyphFrame(uint32_t code)
{
    if (!m_GlyphsBuilt)
    {
        m_GlyphsBuilt = true;
        if (const CFrame* strip = FindStrip())
            BuildGlyphs(*strip);
    }
    return CFont::GetGlyphFrame(code);
}

void CFontBitmap::ReleaseGlyphs()
{
}

namespace {

// A marker is any pixel whose alpha is not 0; (x, y) in pixel coordinates.
bool IsMarker(const CFrame& strip, int32_t x, int32_t y)
{
    CColor colour;
    strip.GetPixel(x + strip.GetUpperLeftXOffset(), y + strip.GetUpperLeftYOffset(), colour);
    return colour.m_Alpha != 0;
}

} // namespace

void CFontBitmap::BuildGlyphs(const CFrame& strip)
{
    // Also keeps the cell width's division defined.
    if (m_LastAscii < m_FirstAscii)
        return;
    const int32_t stripWidth = strip.GetWidth();
    const int32_t stripHeight = strip.GetHeight();
    const int32_t cellWidth =
        static_cast<int32_t>(static_cast<uint32_t>(stripWidth) / (m_LastAscii - m_FirstAscii + 1));

    int32_t glyphHeight;
    int32_t top = 0;
    int32_t x;
    if (m_FixedWidth)
    {
        glyphHeight = stripHeight;
        m_Height = stripHeight;
        x = 0;
    }
    else
    {
        // The bottom row and column 0 hold the markers.
        glyphHeight = stripHeight - 1;
        const int32_t middle = (stripHeight - 1) / 2;
        bool topFound = false;
        for (int32_t y = 0; y <= middle && !topFound; y++)
        {
            if (IsMarker(strip, 0, y))
            {
                top = y;
                topFound = true;
            }
        }
        int32_t baseline = topFound ? top + 1 : middle;
        while (baseline < stripHeight - 1 && !IsMarker(strip, 0, baseline))
            baseline++;
        m_Height = baseline;
        x = 1;
    }

    int32_t x0 = x;
    for (uint32_t code = m_FirstAscii; code <= m_LastAscii; code++)
    {
        CFrame* glyph = new CFrame;
        if (x0 >= stripWidth - 1)
        {
            // Past the strip's end: a blank cell.
            glyph->Create(static_cast<uint32_t>(cellWidth), static_cast<uint32_t>(std::max(glyphHeight, 0)),
                          strip.GetBitsPerPixel());
        }
        else
        {
            if (m_FixedWidth)
            {
                x += cellWidth;
            }
            else
            {
                while (x < stripWidth && !IsMarker(strip, x, stripHeight - 1))
                    x++;
            }
            glyph->Create(static_cast<uint32_t>(x - x0), static_cast<uint32_t>(std::max(glyphHeight, 0)), 32);
            if (glyph->GetPixels() != nullptr)
            {
                glyph->BlitAt(const_cast<CFrame*>(&strip), -x0 - strip.GetUpperLeftXOffset(),
                              -strip.GetUpperLeftYOffset(), &GetBlitNormal());
                PrepareGlyphForDrawing(*glyph);
            }
        }
        glyph->SetUpperLeftOffset(0, -top);
        StoreGlyph(code, glyph);
        x0 = x;
        if (!m_FixedWidth)
            x++;
    }
}

const CFrame* CFontBitmap::FindStrip()
{
    // "Fonts/Big White.FONT.TXT" cuts "Fonts/Big White"; a strip the list
    // lacks is none at all, never the list's first picture.
    static const uint32_t kSuffixLength = sizeof(".FONT.TXT") - 1;
    CString path;
    if (!GetObjectFileName(this, path) || path.GetLength() <= kSuffixLength)
        return nullptr;
    CString name;
    path.Left(name, path.GetLength() - kSuffixLength);
    CStandAloneFrameList& frames = GetFrameList();
    const int32_t index = frames.Find(name, -1);
    return index >= 0 ? frames.GetItemObject(static_cast<uint32_t>(index)) : nullptr;
}
