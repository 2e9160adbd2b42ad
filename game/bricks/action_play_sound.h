#pragma once

#include <cstdint>

#include "game/bricks/action.h"

// Plays one sound of the global sound list; the handled flag is left alone.
class CActionPlaySound : public CAction
{
    VP_DECLARE_CLASS(CActionPlaySound)
public:
    CActionPlaySound();
    ~CActionPlaySound() override;

    int32_t m_Sound;

protected:
    void DoExecute(bool& handled) override;
};
