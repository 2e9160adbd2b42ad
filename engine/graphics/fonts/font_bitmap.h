#pragma once

#include <cstdint>

#include "engine/graphics/fonts/font.h"

class CFrame;

// A font whose glyphs are cut from a strip picture of the "Frames" library
// named like the font's file ("Fonts/Big White" for
// "Fonts/Big White.FONT.TXT"), glyphs left to right in code order from
// "Bitmap/First ASCII" to "Bitmap/Last ASCII". Codes the strip lacks come
// from the font's TrueType face as in any font.
//
// A strip of equal cells ("Load/Fixed Width") divides its width by the
// number of codes. Otherwise markers (pixels whose alpha is not 0) separate
// the glyphs: the bottom row marks where each glyph ends, and column 0 marks
// the top row (in its upper half) and the baseline below it; neither the
// bottom row nor column 0 belongs to a glyph. Glyphs are drawn with the top
// row at the text's y, and the font is as high as the baseline lies below
// the strip's top.
class CFontBitmap : public CFont
{
    VP_DECLARE_CLASS(CFontBitmap)
public:
    CFontBitmap();
    ~CFontBitmap() override;

    // The first request cuts the strip, once.
    CFrame* GetGlyphFrame(uint32_t code) override;
    // Glyphs cut from a strip stay until the font goes.
    void ReleaseGlyphs() override;

    // Cuts the glyphs of first..last from the strip; none when last is below
    // first.
    void BuildGlyphs(const CFrame& strip);

    uint32_t GetFirstAscii() const { return m_FirstAscii; }
    uint32_t GetLastAscii() const { return m_LastAscii; }
    bool IsFixedWidth() const { return m_FixedWidth; }
    void SetCodeRange(uint32_t first, uint32_t last)
    {
        m_FirstAscii = first;
        m_LastAscii = last;
    }
    void SetFixedWidth(bool fixedWidth) { m_FixedWidth = fixedWidth; }

private:
    // The strip named like the font's file, or null.
    const CFrame* FindStrip();

    uint32_t m_FirstAscii;
    uint32_t m_LastAscii;
    bool m_FixedWidth;
    bool m_GlyphsBuilt;
};
