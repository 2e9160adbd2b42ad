#pragma once

#include <cstdint>

#include "engine/core/lists/resource_ref.h"

class CSequence;

// Plays one sequence in a browser cell or a preview: a frame position that
// advances with the elapsed time while playing, steps by hand, and markers
// for the hot spot and the sequence's per-frame coordinates. A reference
// never owns its sequence; without one (an empty list) it draws nothing and
// its bounds are empty.
class CSequenceRef : public CResourceRef
{
public:
    CSequenceRef(VirtualArray* list, int32_t itemIndex, CSequence* sequence);
    // Made straight from a sequence: no list, index 0.
    explicit CSequenceRef(CSequence* sequence);

    void Draw(CFrame* target, CPoint point) override;
    void Update(float seconds) override;
    // A click sets the coordinate of the shown frame (SetCoordinate).
    bool HandlePress(int32_t button, CPoint point) override;
    void GetBounds(CRect& bounds) override;

    void Play() { m_Playing = true; }
    void Stop() { m_Playing = false; }
    void SetShowHotSpot(bool show) { m_ShowHotSpot = show; }
    void SetShowCoordinates(bool show) { m_ShowCoordinates = show; }
    void StepBack();
    void StepForward();
    // Only while coordinates are shown, paused, with button 0, and for a
    // shown frame that exists; the sequence's file is not saved here.
    bool SetCoordinate(int32_t button, CPoint point);

    bool IsPlaying() const { return m_Playing; }
    float GetPosition() const { return m_Position; }
    void SetPosition(float position) { m_Position = position; }
    CSequence* GetSequence() const { return m_pSequence; }

private:
    uint32_t GetShownFrame() const;

    bool m_Playing;
    bool m_ShowHotSpot;
    bool m_ShowCoordinates;
    CSequence* m_pSequence; // not owned
    float m_Position;
};

// The white point with a black ring that marks a hot spot or a coordinate.
void DrawPointMarker(CFrame* target, int32_t x, int32_t y);
