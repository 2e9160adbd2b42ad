#pragma once

#include <cstdint>

class CFrameInterface;

// A font whose glyphs are drawn onto frames.
class CFont {
public:
    virtual ~CFont() = default;

    // The font's point size rounded up to a whole number.
    virtual int32_t GetPointSize() const = 0;
    // Draws the decimal text of value at (x, y).
    virtual void DrawNumber(CFrameInterface& frame, int32_t x, int32_t y, int32_t value, int32_t justification) = 0;
};
