#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/graphics/frame_format.h"
#include "engine/graphics/frame_interface.h"

class CFile;
class CImageFilterChain;
class CPropertyWindow;
class CString;

// The one surface that owns pixels: plain pixels at 8 (palette index), 16
// (5-6-5), 24 (blue, green, red) or 32 bits (blue, green, red, alpha), or a
// run-length image of up to five streams. Run-length frames are read-only
// images: drawing onto one does nothing, and blitting onto one is fatal.
//
// Row starts always come from the row offset table (entry i = i x pitch,
// in pixels, at least two entries), so a frame over pixels it does not own
// (the screen's locked surface) works like any other.
class CFrame : public CFrameInterface
{
    VP_DECLARE_CLASS(CFrame)
public:
    CFrame();
    ~CFrame() override;

    // The largest side and pixel block a frame takes.
    static constexpr uint32_t MAX_SIDE = 65535;
    static constexpr size_t MAX_PIXEL_BYTES = size_t{256} << 20;

    void AddCustomEditorControls(CPropertyWindow* window) override;
    uint32_t GetInstanceSize() const override;

    bool Blit(CFrameInterface* source, CRect& sourceRect, CRect& destinationRect, CBlitType* blitType) override;
    void ClearRect(const CRect& rect) override;
    void Clear() override;
    void Fill(const CColor& colour) override;
    void FillBytes(uint8_t value) override;
    void FillRect(const CRect& rect, const CColor& colour) override;
    using CFrameInterface::FillRect;
    int32_t GetBitsPerPixel() const override;
    int32_t GetBytesPerPixel() const override;
    uint8_t* GetPixels() const override { return m_pPixels; }
    uint8_t* GetPixelsForRect(const CRect&) override { return m_pPixels; }
    uint8_t* GetStream1Data() const override { return m_pStreamData[0]; }
    uint8_t* GetStream2Data() const override { return m_pStreamData[1]; }
    uint8_t* GetStream3Data() const override { return m_pStreamData[2]; }
    uint8_t* GetStream4Data() const override { return m_pStreamData[3]; }
    void GetBounds(CRect& bounds) const override;
    uint32_t GetFormat() const override { return m_Format; }
    int32_t GetHeight() const override { return m_Height; }
    int32_t GetPitch() const override { return m_pRowOffsets ? m_pRowOffsets[1] : 0; }
    int32_t GetWidthShift() const override { return m_WidthShift; }
    int32_t GetHeightShift() const override { return m_HeightShift; }
    int32_t GetUpperLeftXOffset() const override { return m_UpperLeftX; }
    int32_t GetUpperLeftYOffset() const override { return m_UpperLeftY; }
    int32_t GetWidth() const override { return m_Width; }
    const int32_t* GetRowOffsets() const override { return m_pRowOffsets; }
    const int32_t* GetStream1RowOffsets() const override { return m_pStreamRowOffsets[0]; }
    const int32_t* GetStream2RowOffsets() const override { return m_pStreamRowOffsets[1]; }
    const int32_t* GetStream3RowOffsets() const override { return m_pStreamRowOffsets[2]; }
    const int32_t* GetStream4RowOffsets() const override { return m_pStreamRowOffsets[3]; }
    void DrawLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const CColor& colour) override;
    void DrawLineAA(float x0, float y0, float x1, float y1, const CColor& colour) override;
    using CFrameInterface::DrawLineAA;
    bool GetPixel(int32_t x, int32_t y, CColor& colour) const override;
    uint32_t GetPixelValue(int32_t x, int32_t y) const override;
    void SetPixel(int32_t x, int32_t y, const CColor& colour) override;
    bool HitTestPixel(int32_t x, int32_t y) const override;
    void RemapRect(const CRect& rect, const uint8_t* map) override;
    using CFrameInterface::RemapRect;
    CColorTable* GetPalette() const override;

    // Rectangles already clipped, in pixel coordinates.
    virtual void BlitClipped(CFrameInterface* source, const CRect& sourceRect, const CRect& destinationRect,
                             CBlitType* blitType);

    // New zeroed plain pixels with their row table; offsets zero.
    void Create(uint32_t width, uint32_t height, int32_t bitsPerPixel);
    // Answers the pitch. Keeps pixels of the same size and depth; a depth
    // other than 8, 16, 24 or 32, a side above MAX_SIDE, a block above
    // MAX_PIXEL_BYTES or a failed allocation leaves no pixels and answers 0.
    int32_t AllocatePixels(uint32_t width, uint32_t height, int32_t bitsPerPixel);
    // For pixels placed by someone else: shifts, zero offsets and, when
    // asked, a new row table.
    void BuildRowTable(int32_t pitch, bool rebuild);
    void SetFormat(int32_t bitsPerPixel);
    void FreePixels();

    // The own palette, kept in the dynamic "Palette" property.
    void SetPalette(const CColorTable& table);
    // The name the cache readers use for the same thing.
    void AttachPalette(const CColorTable& table) { SetPalette(table); }
    void AttachPaletteHolder();
    void DetachPaletteHolder();

    void CopyFrom(const CObject& other) override;
    // This frame becomes a copy of a rectangle (source hot-spot
    // coordinates) of the source; what lies past the source stays zero.
    void CopyRect(CFrameInterface* source, const CRect& rect);
    // In pixel coordinates; (0, 0, 0, 0) when nothing is visible.
    void GetContentBounds(CRect& bounds) const;
    bool HasNonZeroPixels() const;

    void SetUpperLeftOffset(int32_t x, int32_t y);
    void MoveUpperLeftOffset(int32_t dx, int32_t dy);

    // For the readers of cache files and the screen, which place pixels,
    // run-length streams (1 to 4) and row tables themselves. Blocks are
    // freed with FreePixelBlock unless the frame is marked borrowed.
    void SetPixelData(uint8_t* pixels, int32_t* rowOffsets)
    {
        m_pPixels = pixels;
        m_pRowOffsets = rowOffsets;
    }
    void SetStream(int32_t stream, uint8_t* data, int32_t* rowOffsets);
    void SetFormatWord(uint32_t format) { m_Format = format; }

    // Decodes a JPEG file into the frame (24 bits).
    bool LoadJPEG(const char* path, uint32_t flags);

    // The compiled form: a 36-byte header, then each stream's bytes and
    // row offsets, as in memory. The object form keeps its own names.
    using CObject::ReadBinary;
    using CObject::WriteBinary;
    bool WriteBinary(CFile& file);
    // False, leaving no pixels, for anything but a frame this program
    // could have written: wrong version, short data, inconsistent depth,
    // encoding, sizes or row tables, damaged run-length streams. A file
    // that maps in place lends its bytes (borrowed pixels; the file's
    // buffer must outlive the frame), except to one-row frames.
    bool ReadBinary(CFile& file);

    // Where the frame's cache lies for the chain's depth (the display
    // depth without one); empty for other depths.
    static void GetCachePath(CString& out, const char* folder, const char* name, const CImageFilterChain* chain,
                             bool underCache);
    static const char* GetCacheKeyword();
    // The ".Frame" file "Cache/<folder>/<name>.Frame": offsets and one
    // image block of the frame drawn at 32 bits.
    bool SaveFrameFile(const char* folder, const char* name, int32_t jpegQuality, bool losslessOnly);
    bool LoadFrameFile(const char* folder, const char* name);
    // Loads the frame from its cache when fresh, else from its ".Frame"
    // file or source image, writing the cache again.
    virtual bool RebuildFromSource(const char* folder, const char* name, CImageFilterChain* chain, bool underCache,
                                   uint32_t flags);
    void SetSize(uint32_t width, uint32_t height);

protected:
    int16_t m_UpperLeftX;
    int16_t m_UpperLeftY;
    uint8_t* m_pPixels;
    uint8_t m_WidthShift;
    uint8_t m_HeightShift;
    uint16_t m_Width;
    uint16_t m_Height;
    int32_t* m_pRowOffsets;
    uint8_t* m_pStreamData[4];
    int32_t* m_pStreamRowOffsets[4];
    uint32_t m_Format;

private:
    bool IsWritablePlain() const;
    // Clips to the bounds and moves into pixel coordinates.
    bool ClipToPixels(const CRect& rect, CRect& pixels) const;
    void CopyPlane(CFrameInterface* source, const CRect& sourcePixels, const CRect& destinationPixels);
    uint32_t RunLengthBlockBytes() const;
};

// Pixel blocks are 16-byte aligned and zeroed; null when the allocation
// fails.
uint8_t* AllocatePixelBlock(size_t bytes);
void FreePixelBlock(uint8_t* block);
// Entries i x pitch, at least two.
int32_t* BuildRowOffsetTable(int32_t pitch, uint32_t rows);
void FreeRowOffsetTable(int32_t*& table);
// Bytes up to a 4-byte boundary, then words, then the rest.
void FillMemoryBytes(void* pointer, uint8_t value, size_t count);
// floor(log2(value)), 0 for 0 and 1.
uint8_t SideShift(uint32_t value);
