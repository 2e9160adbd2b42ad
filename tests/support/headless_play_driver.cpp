#include "tests/support/headless_play_driver.h"

#include <algorithm>
#include <cmath>

#include "engine/app/input/mouse_state.h"
#include "game/playfield/player_controls.h"
#include "game/playfield/player_ship_ai.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite.h"

namespace {

// The ship's travel under the mouse without a screen: the pointer's share
// of 800 pixels places the ship between x 35 and x 602. The driver aims at
// the ship's position, so it undoes that mapping.
constexpr float kPointerWidth = 800.0f;
constexpr float kShipLeftmostX = 35.0f;
constexpr float kShipTravel = 567.0f;

int32_t PointerXForShipAt(float shipX)
{
    const float share = std::clamp((shipX - kShipLeftmostX) / kShipTravel, 0.0f, 1.0f);
    return static_cast<int32_t>(std::lround(share * kPointerWidth));
}

} // namespace

CHeadlessPlayDriver::CHeadlessPlayDriver(CPlayfield& playfield, CPlayerControls& controls)
    : m_Playfield(playfield)
    , m_Controls(controls)
{
}

void CHeadlessPlayDriver::Step()
{
    m_Controls.BeginStep();
    FollowLowestBall();
    ShootHeldBall();
    m_Playfield.Update(CPlayfield::kStepSeconds);
    m_Steps++;
}

// A held ball rides with the ship: following it would walk the ship away.
void CHeadlessPlayDriver::FollowLowestBall()
{
    const CPlayerShipAI* ship = m_Playfield.GetShipAI();
    const CSprite* held = ship != nullptr ? ship->GetHeldBall() : nullptr;
    const CSprite* lowest = nullptr;
    for (const CSprite* ball = m_Playfield.m_pBallsInPlay->GetHead(); ball != nullptr; ball = ball->GetNext())
    {
        if (ball != held && (lowest == nullptr || ball->m_Position.y > lowest->m_Position.y))
            lowest = ball;
    }
    if (lowest == nullptr)
        return;
    const CPoint pointer = GetMouseState().GetPosition();
    GetMouseState().SetPositionFromSystem(PointerXForShipAt(lowest->m_Position.x), pointer.y);
}

// Down for one step, then up for at least one: the ship fires on the step
// the button is down, and a button held on would catch the ball again.
void CHeadlessPlayDriver::ShootHeldBall()
{
    const CPlayerShipAI* ship = m_Playfield.GetShipAI();
    const bool holding = ship != nullptr && ship->GetHeldBall() != nullptr;
    const bool wasDown = m_Controls.WasActionDown(CPlayerControls::ACTION_SHOOT);
    m_Controls.SetActionDown(CPlayerControls::ACTION_SHOOT, holding && !wasDown);
}
