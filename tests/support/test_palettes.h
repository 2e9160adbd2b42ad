#pragma once

#include <cstdint>

#include "engine/graphics/palettes.h"

// Loads a small game and current palette for the 8-bit paths (black,
// white, three greys, red, green, blue; the rest black) and empties both
// again when it goes.
class ScopedTestPalette
{
public:
    ScopedTestPalette()
    {
        static const uint8_t ENTRIES[][3] = {{0, 0, 0},     {255, 255, 255}, {64, 64, 64}, {128, 128, 128},
                                             {192, 192, 192}, {255, 0, 0},   {0, 255, 0},  {0, 0, 255}};
        for (CColorTable* table : {&GamePalette, &CurrentPalette})
        {
            table->SetKind(CColorTable::PALETTE);
            for (uint32_t i = 0; i < 256; i++)
            {
                const uint8_t* entry = ENTRIES[i < 8 ? i : 0];
                table->SetEntry(i, entry[0], entry[1], entry[2]);
            }
        }
    }
    ~ScopedTestPalette()
    {
        GamePalette.SetKind(CColorTable::EMPTY);
        CurrentPalette.SetKind(CColorTable::EMPTY);
    }
    ScopedTestPalette(const ScopedTestPalette&) = delete;
    ScopedTestPalette& operator=(const ScopedTestPalette&) = delete;
};
