#pragma once

#include <cstdint>

class CPlayerControls;
class CPlayfield;

// Plays the playfield without a window, as a steady player would: each
// step the mouse moves so that the ship stands under the lowest ball in
// play (the one about to fall past it), reported as the event pump reports
// the pointer, and "Shoot" goes down for one step whenever the ship holds
// a ball, so each served ball is shot off once. The steps it drives are
// the playfield's fixed updates.
class CHeadlessPlayDriver
{
public:
    CHeadlessPlayDriver(CPlayfield& playfield, CPlayerControls& controls);

    // Sets the input for this step, then runs the playfield's update.
    void Step();

    int32_t GetSteps() const { return m_Steps; }

private:
    void FollowLowestBall();
    void ShootHeldBall();

    CPlayfield& m_Playfield;
    CPlayerControls& m_Controls;
    int32_t m_Steps = 0;
};
