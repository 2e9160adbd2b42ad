#pragma once

#include <cstdint>

#include "engine/core/geometry/rect.h"
#include "engine/core/memory/dynamic_array.h"
#include "engine/graphics/color_table.h"

class CBlitType;
class CFrameInterface;
class CStream;

// Draws a clipped, non-empty source rectangle onto an equally large
// destination rectangle, both in pixel coordinates; reads the blit type's
// opacity and palette.
using BlitRoutine = void (*)(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                             const CRect& destinationRect, CBlitType* blitType);

// A named way of drawing one frame onto another: a table of routines, one
// per pair of source and destination formats (depth and encoding), and an
// opacity. Derived blit types differ only in the routines their
// constructors enter. Blit types are shared objects of the main thread: a
// caller that draws at another opacity sets it, draws and sets it back.
class CBlitType
{
public:
    // How a blit type reads its source: one source pixel per destination
    // pixel, wrapping around the source, or scaled. The first kind reads
    // only inside the source, so blits clip against it.
    enum Kind
    {
        ONE_TO_ONE,
        TILES,
        SCALES
    };

    struct Entry
    {
        int32_t sourceBits;
        int32_t sourceEncoding;
        int32_t destinationBits;
        int32_t destinationEncoding;
        BlitRoutine routine;
    };

    CBlitType(const CBlitType&) = delete;
    CBlitType& operator=(const CBlitType&) = delete;
    virtual ~CBlitType() = 0;

    virtual int32_t ReturnsZero(int32_t, int32_t) { return 0; }
    // Null when the pair has no routine. The last answer is kept for the
    // next lookup of the same pair.
    virtual BlitRoutine Lookup(const CFrameInterface* source, const CFrameInterface* destination);
    virtual CColorTable* GetPalette() { return &m_Palette; }
    // The opacity as 4 bytes.
    virtual void WriteOpacity(CStream& stream);
    virtual void ReadOpacity(CStream& stream);
    virtual bool ReturnsTrue() { return true; }

    // An entry with the same four values has its routine replaced in place.
    void AddEntry(int32_t sourceBits, int32_t sourceEncoding, int32_t destinationBits, int32_t destinationEncoding,
                  BlitRoutine routine);
    // Held within 0..1 (NaN reads as 1): the opacity byte and the
    // translucency level index tables with it.
    void SetOpacity(float opacity);
    float GetOpacity() const { return m_Opacity; }
    int32_t GetOpacityByte() const { return m_OpacityByte; }
    int32_t GetTranslucencyLevel() const { return m_TranslucencyLevel; }
    Kind GetKind() const { return m_Kind; }
    uint32_t GetEntryCount() const { return m_Entries.GetCount(); }

protected:
    explicit CBlitType(Kind kind = ONE_TO_ONE);

private:
    CColorTable m_Palette;
    CDynamicArray<Entry> m_Entries;
    float m_Opacity;
    int32_t m_TranslucencyLevel;
    int32_t m_OpacityByte;
    uint32_t m_CachedKey;
    BlitRoutine m_CachedRoutine;
    Kind m_Kind;
};
