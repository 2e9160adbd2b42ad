#pragma once

#include <cstdint>
#include <vector>

#include "engine/graphics/font.h"
#include "engine/graphics/frame_interface.h"

// A frame that draws nothing and remembers every call, in order, so tests
// can compare what was drawn.
class CRecordingFrame : public CFrameInterface
{
public:
    enum Kind { LINE, LINE_AA, PIXEL };

    struct Call
    {
        Kind kind;
        float x0;
        float y0;
        float x1;
        float y1;
        const CColor* colour;
    };

    void DrawLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const CColor& colour) override;
    void DrawLineAA(float x0, float y0, float x1, float y1, const CColor& colour) override;
    void SetPixel(int32_t x, int32_t y, const CColor& colour) override;

    std::vector<Call> calls;
};

// A font of a given point size that remembers the numbers it was asked to
// draw.
class CRecordingFont : public CFont
{
public:
    struct Number
    {
        int32_t x;
        int32_t y;
        int32_t value;
        int32_t justification;
    };

    explicit CRecordingFont(int32_t pointSize) : m_PointSize(pointSize) {}

    int32_t GetPointSize() const override { return m_PointSize; }
    void DrawNumber(CFrameInterface& frame, int32_t x, int32_t y, int32_t value, int32_t justification) override;

    std::vector<Number> numbers;

private:
    int32_t m_PointSize;
};
