#pragma once

#include <cstdint>

#include "engine/core/geometry/rect.h"

class CFrame;

// The ids callers add steps by. Ids 9 and 12 are variants stored as the
// types 8 and 11, so a chain holds at most one run-length step and one
// depth conversion.
enum ImageStepId : int32_t
{
    IMAGE_STEP_CENTER_HOT_SPOT = 2,
    IMAGE_STEP_ALPHA_THRESHOLD = 3,
    IMAGE_STEP_BLACK_TO_TRANSPARENT = 4,
    IMAGE_STEP_COLOR_THRESHOLD = 5,
    IMAGE_STEP_TRIM = 6,
    IMAGE_STEP_UNPREMULTIPLY = 7,
    IMAGE_STEP_RUN_LENGTH = 8,
    IMAGE_STEP_RUN_LENGTH_ALPHA = 9,
    IMAGE_STEP_PALETTE_REDUCE = 10,
    IMAGE_STEP_BIT_DEPTH = 11,
    IMAGE_STEP_BIT_DEPTH_DITHERED = 12,
};

// The ordered steps that finish an image loaded from a source file. One
// class serves as the chain's head (type 0) and as the base of every step;
// steps are kept in ascending type order whatever order they were added
// in, so a chain always cuts alpha before it trims, trims before it
// encodes, and encodes before it narrows the encoded values.
//
// Steps that need to know the depth the image ends at (black to
// transparent, the run-length encoder) ask GetTargetDepth from themselves:
// the depth of a conversion step after them, else the chain's depth
// override, else the display depth.
class CImageFilterChain
{
public:
    explicit CImageFilterChain(int32_t type = 0);
    // Deleting a head deletes its steps.
    virtual ~CImageFilterChain();
    // A new node of the same type with the same parameters; a head clones
    // to a new empty head.
    virtual CImageFilterChain* Clone() const;
    // The head answers true and changes nothing.
    virtual bool ApplyStep(CFrame& frame, const CRect& context);

    // Creates and inserts the step of an id. False when the chain is
    // closed, the id is unknown or its stored type is already present.
    bool AddStep(int32_t id);
    // Takes the step unless the chain is closed or holds its type; a
    // refused step stays with the caller.
    bool InsertStep(CImageFilterChain* step);
    bool RemoveStep(int32_t type);
    bool HasStep(int32_t type) const { return FindStep(type) != nullptr; }
    CImageFilterChain* FindStep(int32_t type) const;
    void Clear();
    // Clones of this chain's steps into the other; types it holds are
    // skipped.
    void CopyStepsInto(CImageFilterChain& other) const;

    int32_t GetTargetDepth() const;
    int32_t GetDepthOverride() const;
    // -1 for none.
    void SetDepthOverride(int32_t bits) { m_DepthOverride = bits; }
    void SetClosed(bool closed) { m_Closed = closed; }
    bool IsClosed() const { return m_Closed; }

    // Runs every step, each with the frame's rectangle as it was at the
    // start; true only when all of them answered true.
    bool Apply(CFrame& frame);

    int32_t GetType() const { return m_Type; }
    CImageFilterChain* GetNext() const { return m_pNext; }

    CImageFilterChain(const CImageFilterChain&) = delete;
    CImageFilterChain& operator=(const CImageFilterChain&) = delete;

protected:
    // The chain a step was inserted into (itself for a head).
    const CImageFilterChain* GetHead() const { return m_pHead; }

private:
    void RemoveStepAfterHead();

    CImageFilterChain* m_pNext;
    const CImageFilterChain* m_pHead;
    int32_t m_Type;
    int32_t m_DepthOverride;
    bool m_Closed;
};
