#pragma once

// Hands one of the ship's pending starfish to the ball nearest the goal;
// false while no ball can take one.
bool AttachStarfishToNearestBall();
