#pragma once

#include <cstdint>

// Where the software cursor's animation stands: a fractional frame
// position moving forward or backward at the sequence's frame rate, either
// wrapping round or stopping on the end it runs into.
class CCursorAnimation
{
public:
    CCursorAnimation();

    // A new sequence of frameCount frames: reversed it starts on its last
    // frame; forward it keeps its place unless that lies past its end.
    void Start(int32_t frameCount, bool loop, bool reverse);

    // Moves by framesPerSecond x seconds; one frame or none never moves.
    void Advance(int32_t frameCount, float framesPerSecond, float seconds);

    float GetPosition() const { return m_Position; }
    int32_t GetFrameIndex() const { return static_cast<int32_t>(m_Position); }
    bool IsLooping() const { return m_Loop; }
    bool IsReversed() const { return m_Reverse; }

private:
    float m_Position;
    bool m_Loop;
    bool m_Reverse;
};
