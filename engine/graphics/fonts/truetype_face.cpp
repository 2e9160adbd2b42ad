#include "engine/graphics/fonts/truetype_face.h"

#include <algorithm>
#include <cmath>
#include <new>

#include FT_GLYPH_H

#include "engine/blit/blit_normal.h"
#include "engine/core/color/color.h"
#include "engine/core/program/error_report.h"
#include "engine/core/strings/ref_string.h"
#include "engine/graphics/frame.h"

namespace {

FT_Library s_Library = nullptr;
int32_t s_OpenFaces = 0;

// The open flags of a font file: read through the engine's order of loose
// files and mounted archives, each face on its own handle of an archive.
constexpr uint32_t kFontOpenFlags = 0x400 | OPEN_OWN_ARCHIVE_FILE | OPEN_READ;

[[noreturn]] void ExitWithFreeTypeError(const char* what, int error)
{
    CString text;
    text.Format("%s\n  error = 0x%04x\n", what, static_cast<unsigned>(error));
    ShowErrorReport("FATAL ERROR", text.GetText());
    ExitAfterFatalError(1);
}

// FreeType's stream callbacks, C frames between FreeType and CFile.
unsigned long ReadFontStream(FT_Stream stream, unsigned long offset, unsigned char* buffer, unsigned long count)
{
    if (count == 0)
        return 0;
    CFile* file = static_cast<CFile*>(stream->descriptor.pointer);
    if (offset > UINT32_MAX || !file->Seek(static_cast<uint32_t>(offset)))
        return 0;
    const uint32_t wanted = count > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(count);
    return file->Read(buffer, wanted);
}

void CloseFontStream(FT_Stream stream)
{
    static_cast<CFile*>(stream->descriptor.pointer)->Close();
}

} // namespace

TrueTypeFace::TrueTypeFace()
    : m_Face(nullptr)
    , m_PointSize(0.0f)
    , m_CharSize(0)
    , m_Ascender(0)
    , m_Stream{}
    , m_OpenArgs{}
{
}

TrueTypeFace::~TrueTypeFace() = default;

int32_t TrueTypeFace::CharSizeOfPointSize(float pointSize)
{
    if (!std::isfinite(pointSize))
        pointSize = 12.0f;
    // FreeType takes sizes up to 0xFFFF pixels.
    const float scaled = pointSize * 64.0f;
    if (scaled >= 65535.0f * 64.0f)
        return 65535 * 64;
    if (scaled <= 0.0f)
        return 0;
    return static_cast<int32_t>(scaled);
}

TrueTypeFace* TrueTypeFace::Open(const char* path, float pointSize)
{
    TrueTypeFace* face = new (std::nothrow) TrueTypeFace;
    if (face == nullptr)
        return nullptr;

    if (s_Library == nullptr)
    {
        const FT_Error error = FT_Init_FreeType(&s_Library);
        if (error != 0)
            ExitWithFreeTypeError("Could not initialize FreeType library", error);
    }

    bool opened = face->m_File.Open(path, kFontOpenFlags);
    if (opened)
    {
        face->m_Stream.size = face->m_File.GetSize();
        face->m_Stream.descriptor.pointer = &face->m_File;
        face->m_Stream.read = ReadFontStream;
        face->m_Stream.close = CloseFontStream;
        face->m_OpenArgs.flags = FT_OPEN_STREAM;
        face->m_OpenArgs.stream = &face->m_Stream;
        opened = FT_Open_Face(s_Library, &face->m_OpenArgs, 0, &face->m_Face) == 0;
    }
    if (!opened)
    {
        CString what(path);
        what += " is not a font file or could not be opened";
        // Nothing of the failed open is kept, for callers that go on after
        // the report (the fuzz targets).
        delete face;
        if (s_OpenFaces == 0)
        {
            FT_Done_FreeType(s_Library);
            s_Library = nullptr;
        }
        ExitWithFreeTypeError(what.GetText(), 0);
    }

    face->m_PointSize = pointSize;
    face->m_CharSize = CharSizeOfPointSize(pointSize);
    FT_Set_Char_Size(face->m_Face, face->m_CharSize, face->m_CharSize, 72, 72);
    face->m_Ascender = 0;
    s_OpenFaces++;
    return face;
}

void TrueTypeFace::Close()
{
    FT_Done_Face(m_Face);
    if (--s_OpenFaces == 0)
    {
        FT_Done_FreeType(s_Library);
        s_Library = nullptr;
    }
    delete this;
}

FT_Library TrueTypeFace::GetSharedLibrary()
{
    return s_Library;
}

int32_t TrueTypeFace::GetOpenFaceCount()
{
    return s_OpenFaces;
}

bool TrueTypeFace::RenderGlyph(CFrame& glyph, uint32_t code, const CColor& colour)
{
    const FT_Error charmapError = FT_Select_Charmap(m_Face, FT_ENCODING_UNICODE);
    if (charmapError != 0)
        ExitWithFreeTypeError("Invalid charmap.\n", charmapError);

    const FT_UInt index = FT_Get_Char_Index(m_Face, code & 0xFFFF);
    if (FT_Load_Glyph(m_Face, index, FT_LOAD_NO_BITMAP) != 0)
        return false;
    FT_Glyph outline = nullptr;
    if (FT_Get_Glyph(m_Face->glyph, &outline) != 0 || outline == nullptr)
        return false;
    if (FT_Glyph_To_Bitmap(&outline, FT_RENDER_MODE_NORMAL, nullptr, 1) != 0)
    {
        FT_Done_Glyph(outline);
        return false;
    }
    const FT_BitmapGlyph bitmapGlyph = reinterpret_cast<FT_BitmapGlyph>(outline);
    const int32_t advance = static_cast<int32_t>(m_Face->glyph->advance.x >> 6);
    const bool copied =
        CopyBitmapGlyph(glyph, bitmapGlyph->bitmap, advance, bitmapGlyph->left, bitmapGlyph->top, colour);
    FT_Done_Glyph(outline);
    return copied;
}

int64_t TrueTypeFace::MaxGlyphSide() const
{
    // Four ems, and never less than 64 pixels, is beyond any real glyph; a
    // damaged face that claims more would only cost time and memory.
    const int64_t em = (m_CharSize + 63) / 64;
    return std::min<int64_t>(CFrame::MAX_SIDE, std::max<int64_t>(64, 4 * em));
}

bool TrueTypeFace::CopyBitmapGlyph(CFrame& glyph, const FT_Bitmap& bitmap, int32_t advance, int32_t left, int32_t top,
                                   const CColor& colour)
{
    const int32_t ascender = static_cast<int32_t>(m_Face->size->metrics.ascender >> 6);
    const int32_t descender = -static_cast<int32_t>(m_Face->size->metrics.descender >> 6);
    if (m_Ascender == 0)
        m_Ascender = ascender;
    // Monochrome or colour bitmaps are left empty: the glyph has no pixels.
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY)
        return true;

    const int64_t width = std::max<int64_t>({advance, 1, bitmap.width});
    const int64_t height = std::max<int64_t>({bitmap.rows, 1, int64_t{ascender} + descender});
    if (width > MaxGlyphSide() || height > MaxGlyphSide())
        return false;

    CFrame coverage;
    if (bitmap.width != 0 && bitmap.rows != 0)
    {
        coverage.Create(bitmap.width, bitmap.rows, 32);
        if (coverage.GetPixels() == nullptr)
            return false;
        // A negative pitch stores the rows bottom up from the buffer's start.
        const int64_t pitch = bitmap.pitch;
        const unsigned char* row = pitch >= 0 ? bitmap.buffer : bitmap.buffer - pitch * (bitmap.rows - 1);
        for (uint32_t y = 0; y < bitmap.rows; y++, row += pitch)
        {
            uint8_t* to = coverage.GetPixels() + static_cast<size_t>(coverage.GetRowOffsets()[y]) * 4;
            for (uint32_t x = 0; x < bitmap.width; x++)
            {
                to[x * 4 + 0] = colour.m_Blue;
                to[x * 4 + 1] = colour.m_Green;
                to[x * 4 + 2] = colour.m_Red;
                to[x * 4 + 3] = row[x];
            }
        }
    }

    glyph.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 32);
    if (glyph.GetPixels() == nullptr)
        return false;
    if (coverage.GetPixels() != nullptr)
        glyph.BlitAt(&coverage, left, ascender - top, &GetBlitNormal());
    glyph.SetUpperLeftOffset(0, 1 - descender);
    return true;
}
