#pragma once

#include <cstdint>

#include "engine/core/geometry/point.h"
#include "engine/core/geometry/vector2d.h"

class CFrame;
class CSequence;

// One image of a multi-part sprite: a sequence shown at an animation
// progress from 0 to 1, with its own visibility, collidability and offset
// from the sprite. Drawing and collision use the integer offset.
//
// The progress is a double: a step is the sequence's rate over 60 times
// its frame count, and twelve steps of 1/12 must reach the end in the
// twelfth (in float they fall short and end a step late).
class CSpritePart
{
public:
    // The progress a part has before it was set.
    static constexpr double UNSET_PROGRESS = -1.0;

    explicit CSpritePart(CSequence* sequence);

    // An unset progress becomes 0; the frame follows the progress.
    void SetSequence(CSequence* sequence);
    void SetProgress(double progress);
    // A random start (the round logic's generator), but the first frame
    // while the level editor builds the round.
    void RandomizeProgress();
    // One step of 1/60 s; true once the end is reached, where the part then
    // stays. A part with nothing to show has ended.
    bool AdvanceOnce();
    // One step, wrapping round past the end.
    void AdvanceLooping();
    void SetOffset(float x, float y);

    // The frame index lies inside the sequence (the frame may still be
    // absent).
    bool IndexNamesFrame() const;
    // The frame at the frame index; null past either end or without one.
    CFrame* GetImage() const;
    CSequence* GetSequence() const { return m_pSequence; }
    int32_t GetFrameIndex() const { return m_FrameIndex; }
    double GetProgress() const { return m_Progress; }
    const Vector2& GetOffset() const { return m_Offset; }
    CPoint GetIntegerOffset() const { return m_IntegerOffset; }

    // PART_VISIBLE, PART_COLLIDABLE.
    uint32_t m_Flags;

private:
    uint32_t GetFrameCount() const;
    // The progress of one step; 0 without frames or for a rate that gives
    // no finite step.
    double StepLength() const;
    void UpdateFrameFromProgress();

    CSequence* m_pSequence;
    int32_t m_FrameIndex;
    double m_Progress;
    Vector2 m_Offset;
    CPoint m_IntegerOffset;
};
