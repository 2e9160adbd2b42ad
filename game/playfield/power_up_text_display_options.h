#pragma once

#include <cstdint>

#include "engine/object/object.h"

// The look of the names that rise from collected power-ups (and of the
// coin bricks' bonus texts). The general object "Power Up Text Display
// Options" holds the one instance; it is fetched at every use, so the
// editor's changes show at once.
class CPowerUpTextDisplayOptions : public CObject
{
    VP_DECLARE_CLASS(CPowerUpTextDisplayOptions)
public:
    CPowerUpTextDisplayOptions();
    ~CPowerUpTextDisplayOptions() override;

    // An index of the fonts list.
    int32_t m_FontToPrintWith;
    // Seconds a text lives.
    float m_DisplayTime;
    // Percent of the display time a text stays fully opaque before it
    // fades.
    float m_RemainOpaque;
    // Pixels per second of rise.
    float m_Speed;
    // How much faster a text runs out for every text made after it.
    float m_SpeedIncreasePerMultipleItems;
    // No text is drawn lower than this y.
    int32_t m_MaxHeightToDrawAt;
};

// The general object's instance; a missing one is the fatal not-found
// report.
CPowerUpTextDisplayOptions* GetPowerUpTextDisplayOptions();
