#pragma once

#include <cstdint>

#include "engine/core/color/color.h"
#include "engine/core/strings/ref_string.h"
#include "engine/object/object.h"

class CBlitType;
class CFrame;
class CFrameInterface;
class TrueTypeFace;

// Justification of a line of text at its x.
enum ETextJustification
{
    JUSTIFY_LEFT = 0,
    JUSTIFY_CENTER = 1,
    JUSTIFY_RIGHT = 2
};

// How wrapped text places its lines: the first line of each paragraph and the
// lines that follow it each have a justification and indents from the left
// and right of the wrapping width. All zero: every line left-justified over
// the whole width.
struct CTextWrapStyle
{
    int32_t firstJustification = JUSTIFY_LEFT;
    int32_t firstLeftIndent = 0;
    int32_t firstRightIndent = 0;
    int32_t nextJustification = JUSTIFY_LEFT;
    int32_t nextLeftIndent = 0;
    int32_t nextRightIndent = 0;

    bool operator==(const CTextWrapStyle&) const = default;
};

// The engine's font: glyphs rendered once per character code from the
// TrueType file its "Font Family" names, at its "Point Size" and in its
// "Generated Color", kept as display-ready frames and drawn one by one with
// its blit type. Everything that measures, wraps and draws text sits here.
//
// The width of a character is the width of its glyph frame; codes below 20
// are never drawn and measure 0, and so does a code whose glyph failed to
// render. Glyphs of one font share their upper-left y offset, so the line
// height is the height plus that offset.
class CFont : public CObject
{
    VP_DECLARE_CLASS(CFont)
public:
    CFont();
    ~CFont() override;

    // Hands the property window the font preview, then closes the face (the
    // glyphs stay; the next one to render opens it again).
    void AddCustomEditorControls(CPropertyWindow* window) override;

    // The glyph of a code, rendered on first request; null when rendering
    // failed (the next request tries again).
    virtual CFrame* GetGlyph(uint8_t code);
    virtual CFrame* GetGlyphW(uint16_t code);
    virtual CFrame* GetGlyphFrame(uint32_t code);
    // Closes the face and deletes every glyph.
    virtual void ReleaseGlyphs();

    // Null below code 20.
    CFrame* GetDrawableGlyph(uint32_t code);
    // Takes the frame as the glyph of the code (a previous one is deleted),
    // growing the table as needed: bitmap fonts cut their glyphs this way.
    void StoreGlyph(uint32_t code, CFrame* glyph);
    uint32_t GetGlyphCount() const { return m_GlyphCount; }
    bool IsFaceOpen() const { return m_pFace != nullptr; }

    // Metrics.
    int32_t GetPointSize() const;
    int32_t GetHeight();
    int32_t GetLineHeight();
    int32_t GetCharWidth(uint32_t code);
    // The widths of at most limit characters (-1: all of them).
    int32_t GetTextWidth(const CString& text, int32_t limit = -1);
    int32_t GetTextWidthN(const char* text, int32_t limit);
    // The widest line between line feeds.
    int32_t GetMultiLineWidth(const CString& text);
    // (line feeds + 1) x (line height + gap).
    int32_t GetTextBlockHeight(const CString& text, int32_t gap);

    // Drawing, through BlitAt with the font's blit type. A fixed-advance code
    // of 20 or more gives every character a cell as wide as that code's
    // glyph, each glyph centred in its cell.
    void DrawText(CFrameInterface& destination, int32_t x, int32_t y, const CString& text,
                  int32_t justification = JUSTIFY_LEFT, uint32_t fixedAdvanceCode = 0);
    void DrawNumber(CFrameInterface& destination, int32_t x, int32_t y, int32_t value, int32_t justification);
    // Lines split at line feeds, one every line height + gap; answers the
    // number of lines and, when asked, the y below the last.
    int32_t DrawMultiLineText(CFrameInterface& destination, int32_t x, int32_t y, const CString& text, int32_t gap,
                              int32_t justification, int32_t* endY = nullptr);

    // Word wrapping. FitLine answers how many characters make up the first
    // line of text that fits in width, appending them (trailing blanks
    // trimmed) to out when given; a word wider than the whole width is split
    // only when asked. Widths compare unsigned, so a negative width fits
    // every word.
    int32_t FitLine(const CString& text, int32_t width, CString* out, bool splitLongWords);
    // Draws (or, without a destination, only measures) the text wrapped to
    // width; answers the total height.
    int32_t DrawWrappedLines(CFrameInterface* destination, int32_t x, int32_t y, const CString& text, int32_t width,
                             int32_t gap, int32_t justification);
    // Paragraphs split at line feeds, each wrapped to width with the style's
    // indents; answers the number of lines.
    int32_t DrawWrappedText(CFrameInterface& destination, int32_t x, int32_t y, const CString& text, int32_t width,
                            int32_t gap, const CTextWrapStyle& style = {});
    // The height, resp. the widest right edge, of DrawWrappedText's layout,
    // kept for the same string object, text and parameters: sizing code may
    // ask again every frame.
    int32_t GetWrappedTextHeight(const CString& text, int32_t width, int32_t gap, const CTextWrapStyle& style = {});
    int32_t GetWrappedTextWidth(const CString& text, int32_t width, int32_t gap, const CTextWrapStyle& style = {});
    // How many times the cached layout was computed: tests see it reused.
    uint32_t GetLayoutCount() const { return m_LayoutCount; }
    int32_t CountWrappedLines(const char* text, int32_t width);
    // The text with a line feed between its wrapped lines.
    CString WrapText(const CString& text, int32_t width);

    // Properties.
    int32_t GetFontFamily() const { return m_FontFamily; }
    void SetFontFamily(int32_t index);
    int32_t GetBlitTypeIndex() const { return m_BlitTypeIndex; }
    void SetBlitTypeIndex(int32_t index);
    CBlitType* GetBlitType() const { return m_pBlitType; }
    // "Point Size" as the font uses it: a size that is not finite (the
    // binary form carries any float) counts as 12.
    float GetPointSizeValue() const;
    void SetPointSize(float pointSize);
    bool GetGenerateAllCaps() const { return m_GenerateAllCaps; }
    void SetGenerateAllCaps(bool allCaps);
    const CColor& GetGeneratedColor() const { return m_GeneratedColor; }
    // Glyphs already rendered keep their colour.
    void SetGeneratedColor(const CColor& colour) { m_GeneratedColor = colour; }

protected:
    // The glyph entry of a code, without rendering.
    CFrame* PeekGlyph(uint32_t code) const { return code < m_GlyphCount ? m_ppGlyphs[code] : nullptr; }
    void SetHeight(int32_t height) { m_Height = height; }
    // CFont's own release, which the destructor runs whatever a subclass
    // made of ReleaseGlyphs.
    void ReleaseFaceAndGlyphs();

    // The height in pixels, 0 while not yet known; bitmap fonts store their
    // "Height Without Decenders" here.
    int32_t m_Height;

private:
    struct CLayoutResult
    {
        int32_t height = 0;
        int32_t lines = 0;
        uint32_t widest = 0;
        int32_t lastRight = 0;
    };
    // One line of a wrapped layout: its text (null for an empty line), its
    // room and left indent, its justification, and its y below the first.
    struct CWrappedLine
    {
        const CString* text;
        int32_t left;
        int32_t room;
        int32_t justification;
        int32_t y;
    };
    using LineVisitor = void (*)(CFont& font, void* context, const CWrappedLine& line);

    void GrowGlyphTable(uint32_t count);
    CFrame* RenderGlyph(uint32_t code);
    bool OpenFace();
    // Lays the paragraphs out and hands each line to the visitor; answers
    // the number of lines.
    int32_t WrapParagraphs(const CString& text, int32_t width, int32_t gap, const CTextWrapStyle& style,
                           LineVisitor visitor, void* context);
    const CLayoutResult& LayoutCached(const CString& text, int32_t width, int32_t gap, const CTextWrapStyle& style);

    TrueTypeFace* m_pFace;
    CFrame** m_ppGlyphs;
    uint32_t m_GlyphCount;
    CBlitType* m_pBlitType;

    // Properties.
    int32_t m_BlitTypeIndex;
    float m_PointSize;
    int32_t m_FontFamily;
    bool m_GenerateAllCaps;
    CColor m_GeneratedColor;

    // The cached layout: the string object (by address), its text and the
    // parameters it was laid out for.
    const CString* m_pLayoutString;
    CString m_LayoutText;
    int32_t m_LayoutWidth;
    int32_t m_LayoutGap;
    CTextWrapStyle m_LayoutStyle;
    CLayoutResult m_Layout;
    bool m_LayoutValid;
    uint32_t m_LayoutCount;
};
