#pragma once

#include <cstdint>

#include "engine/blit/run_kernel_table.h"
#include "engine/core/geometry/rect.h"

class CFrameInterface;

// Drawing run-length frames. A row is a sequence of codes without an end
// code: 0x80-0xFF skip (code & 0x7F) pixels, 0x40-0x7F a literal run of
// (code & 0x3F) stored values, 0x00-0x3F a fill run of (code & 0x3F)
// pixels of one stored value. Values are 1, 2 or 3 bytes by depth. Each
// stream is one block starting with its 32-bit byte size, its rows found
// through a table of byte offsets from the block's start. Alpha frames keep
// opaque pixels in stream 0, translucent ones in stream 4, and the alpha
// bytes of stream 4 in stream 3: one per literal pixel, one per fill run.
//
// Every run is one call of a kernel routine chosen by its length. The
// renderers trust their data (the frame readers validate it) and draw
// each stream over all rows of the rectangle before the next.
//
// Whole rows (the source rectangle spans the frame's width) draw every run
// whole; otherwise the rows are clipped to the destination rectangle:
// runs partly outside draw their visible pixels and still consume all of
// their values and alpha bytes.

enum class RunRows
{
    WHOLE,
    CLIPPED
};

// The two kernel rows one stream is drawn through: literal runs and fill
// runs.
struct RunKernelPair
{
    const RunKernelRow* literal;
    const RunKernelRow* fill;
};

// Whole rows when the source rectangle spans the source's width.
RunRows RunRowsFor(const CFrameInterface* source, const CRect& sourceRect);

// How the 5-6-5 blends of an alpha frame are made: the blit type's
// opacity exactly 1.0 or not (the caller has pointed CurrentOpacityRow at
// the opacity row first), plain arithmetic or four-lane steps.
enum class RunBlend
{
    OPAQUE,
    OPAQUE_FOUR_LANE,
    OPACITY,
    OPACITY_FOUR_LANE
};

// Five streams of palette indices onto 8 bits, the translucency level
// (0..5) choosing which streams are drawn through which blend tables;
// level 5 or any other draws nothing.
void DrawRle8(const CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
              const CRect& destinationRect, int32_t level, RunRows rows);
// The same streams onto 16 bits, every pass converting through the
// palette's 5-6-5 words.
void DrawRle8To16(const CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                  const CRect& destinationRect, int32_t level, RunRows rows);

// DrawRle8 through kernel rows of the caller's, one pair per pass.
void DrawRle8Through(const CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                     const CRect& destinationRect, int32_t level, const RunKernelPair (&passes)[5], RunRows rows);

void DrawRle16Alpha(const CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                    const CRect& destinationRect, RunBlend blend, RunRows rows);
// 16-bit alpha frames onto 16 bits through kernel rows of the caller's:
// the opaque pair for stream 0, the translucent pair (with alpha) for
// stream 4.
void DrawRle16AlphaThrough(const CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                           const CRect& destinationRect, RunKernelPair opaque, RunKernelPair translucent, RunRows rows);
// Onto 24 bits translucent pixels are drawn as if opaque; onto 32 bits
// they keep their alpha in the fourth byte.
void DrawRle16AlphaTo24(const CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                        const CRect& destinationRect, RunRows rows);
void DrawRle16AlphaTo32(const CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                        const CRect& destinationRect, RunRows rows);

// 24-bit alpha frames; onto 32 bits each pixel's fourth byte is untouched.
// With opacity the caller has pointed CurrentOpacityRow at its row.
void DrawRle24Alpha(const CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                    const CRect& destinationRect, bool withOpacity, RunRows rows);
void DrawRle24AlphaTo32(const CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                        const CRect& destinationRect, bool withOpacity, RunRows rows);
