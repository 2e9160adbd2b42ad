#pragma once

#include <cstdint>

// A player's input as actions ("Shoot" is action 0), whatever device and
// keys the player bound them to.
class CPlayerControls
{
public:
    static constexpr int32_t ACTION_SHOOT = 0;

    virtual ~CPlayerControls() = default;
    virtual bool IsActionDown(int32_t action) const = 0;
};
