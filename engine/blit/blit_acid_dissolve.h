#pragma once

#include <cstdint>

#include "engine/blit/blit_type.h"

class CFrame;
class CSequence;

// How a brick hit by an acid ball is drawn until the acid has eaten it:
// the brick, with an animated overlay painted on it, shown only where an
// animated mask still covers it (DrawAcidComposite). Both animations run on
// the dissolve's own clock, advanced by its owner every update; when either
// reaches its last frame the dissolve is finished, and its owner destroys
// the brick. Each brick has its own object, not registered by name.
//
// A sequence without frames (or a list without sequences) draws nothing
// and finishes the dissolve at once.
class CAcidDissolveBlitType : public CBlitType
{
public:
    // Sequence indices in the sequence list; the offset places the mask's
    // and the overlay's hot spots relative to the brick's.
    CAcidDissolveBlitType(int32_t maskSequence, int32_t overlaySequence, int32_t xOffset, int32_t yOffset);
    ~CAcidDissolveBlitType() override = default;

    void Advance(float seconds) { m_Time += seconds; }
    float GetTime() const { return m_Time; }
    bool IsFinished() const { return m_Finished; }

    // The brick (16-bit alpha run-length) onto a 16-bit frame.
    void Draw(CFrameInterface* brick, const CRect& sourceRect, CFrameInterface* destination,
              const CRect& destinationRect);

protected:
    // The game's sequence list; tests give sequences of their own.
    virtual CSequence* GetSequence(int32_t index);

private:
    // The frame of the sequence at the current time, held at its last
    // frame (which finishes the dissolve). Null without one.
    CFrame* FrameNow(int32_t sequenceIndex);

    int32_t m_MaskSequence;
    int32_t m_OverlaySequence;
    int32_t m_XOffset;
    int32_t m_YOffset;
    float m_Time;
    bool m_Finished;
};
