#pragma once

#include <cstdint>

#include "engine/object/object.h"

// How the seconds left before play resumes after a pause are shown over
// each ball: a number in a font and a picture behind it, each placed
// relative to the ball. The general object "Ball Count Down Display
// Options" holds the one instance.
class CBallCountDownDisplayOptions : public CObject
{
    VP_DECLARE_CLASS(CBallCountDownDisplayOptions)
public:
    CBallCountDownDisplayOptions();
    ~CBallCountDownDisplayOptions() override;

    // Index into the fonts list; 0 means none.
    int32_t m_FontToUse;
    int32_t m_FontX;
    int32_t m_FontY;
    // Index into "Frames"; 0 means none.
    int32_t m_FrameToUse;
    int32_t m_FrameX;
    int32_t m_FrameY;
};

// The general object's instance, looked up by name once.
CBallCountDownDisplayOptions* GetBallCountDownOptions();
