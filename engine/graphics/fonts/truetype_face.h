#pragma once

#include <cstdint>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "engine/core/files/file.h"

class CColor;
class CFrame;

// One TrueType face opened through the engine's own files, so a font inside a
// mounted archive opens like a loose one, and rendering one character code
// into a 32-bit glyph frame: the colour in every pixel, the coverage as
// alpha.
//
// Every face of the program shares one FreeType library: the first open makes
// it, the last close releases it, and a later open makes it afresh.
//
// FreeType reads through C callbacks, so nothing it calls may throw or end the
// program: a read that fails answers a short count and FreeType reports the
// error to Open, which then shows the fatal report on the caller's side.
class TrueTypeFace
{
public:
    // Opens the face at the point size or ends the program with exit code 1
    // ("FATAL ERROR": the library could not start, or the file does not open
    // or is no font). Null only when the record cannot be allocated.
    static TrueTypeFace* Open(const char* path, float pointSize);

    // Renders the code into the glyph frame (created here, 32 bits, plain).
    // False when FreeType cannot load or convert the glyph, or the glyph
    // would need a frame more than four ems (at least 64 pixels, at most
    // the frame size cap) wide or high; the frame then holds nothing
    // useful. A charmap error ends the program with exit code 1.
    bool RenderGlyph(CFrame& glyph, uint32_t code, const CColor& colour);
    // The ascender in whole pixels, 0 until the first glyph was rendered.
    int32_t GetAscender() const { return m_Ascender; }
    float GetPointSize() const { return m_PointSize; }
    // The character size handed to FreeType, in 26.6 units at 72 dpi.
    int32_t GetCharSize() const { return m_CharSize; }
    FT_Face GetFreeTypeFace() const { return m_Face; }
    // Closes the face and frees the record.
    void Close();

    // Point size times 64, truncated; a size that is not finite counts as 12
    // points and a huge one is held at what FreeType can take.
    static int32_t CharSizeOfPointSize(float pointSize);

    // The shared library (null while no face is open) and the open faces.
    static FT_Library GetSharedLibrary();
    static int32_t GetOpenFaceCount();

    TrueTypeFace(const TrueTypeFace&) = delete;
    TrueTypeFace& operator=(const TrueTypeFace&) = delete;

private:
    TrueTypeFace();
    ~TrueTypeFace();

    int64_t MaxGlyphSide() const;
    bool CopyBitmapGlyph(CFrame& glyph, const FT_Bitmap& bitmap, int32_t advance, int32_t left, int32_t top,
                         const CColor& colour);

    FT_Face m_Face;
    float m_PointSize;
    int32_t m_CharSize;
    int32_t m_Ascender;
    CFile m_File;
    FT_StreamRec m_Stream;
    FT_Open_Args m_OpenArgs;
};
