#pragma once

#include <cstdint>
#include <vector>

#include "engine/graphics/image_filter_chain.h"

class CFrame;
class FloydSteinbergDither;

// Turns a plain frame into a run-length frame: transparent pixels become
// skips, stretches of equal pixels longer than the fill threshold become
// fill runs, the rest literal runs. A 32-bit source is split by alpha into
// streams and written with 32-bit stored values; the depth conversion that
// runs after this step narrows them. Runs are already cut by the target's
// notion of equal colour (same palette entry, same 5-6-5 word), so the
// narrowed runs stay valid.
class CImageStepRunLength : public CImageFilterChain
{
public:
    enum Mode : int32_t
    {
        FIVE_LAYERS = 0,  // 8-bit palette frames, five translucency streams
        ALPHA = 1,        // opaque stream, translucent stream and its alpha
    };

    explicit CImageStepRunLength(int32_t mode) : CImageFilterChain(IMAGE_STEP_RUN_LENGTH), m_Mode(mode) {}
    CImageFilterChain* Clone() const override { return new CImageStepRunLength(m_Mode); }
    bool ApplyStep(CFrame& frame, const CRect& context) override;
    // Whether the conversion step after this one dithers.
    bool ConversionDithers() const;

    int32_t m_Mode;
};

// A stretch of equal pixels becomes a fill run only when longer than this
// (8 at start; 64 disables fills).
void SetRleFillThreshold(int32_t threshold);
int32_t GetRleFillThreshold();

// One row to encode: each pixel's stored bytes, whether it is empty
// (transparent) and its equality key: pixels are equal when their keys are.
struct RunLengthRowSource
{
    const uint8_t* values;
    uint32_t valueBytes;
    const uint32_t* keys;
    const uint8_t* empty;
    int32_t width;
};

// Appends the row's codes to the output.
void EncodeRunLengthRow(const RunLengthRowSource& row, std::vector<uint8_t>& output);
// Every row of a plain 8- or 16-bit frame in place as stream 0 (value 0
// transparent); false, unchanged, for another frame.
bool EncodeRunLengthFrame(CFrame& frame);

// The destination becomes a 32-bit frame of the source's size holding the
// pixels whose alpha lies in (low, min(high, 255)]; all others are zero.
void SplitAlphaLayer(CFrame& destination, const CFrame& source, int32_t low, int32_t high);

// The two 32-bit encoders. The five-layer form needs the game palette and
// answers false without one, leaving the frame as it was.
bool EncodeFiveLayerForm(const CImageStepRunLength& step, CFrame& frame);
bool EncodeAlphaForm(const CImageStepRunLength& step, CFrame& frame);

// Dithers an opaque 32-bit layer to the current palette's colours; false
// without a palette.
bool DitherLayerToPalette(CFrame& layer);
// Dithers a 32-bit row to 5-6-5 levels in place, alpha untouched.
void DitherRowTo565(uint8_t* row, int32_t width, FloydSteinbergDither& ditherer);
