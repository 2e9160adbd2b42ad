#pragma once

#include "engine/blit/blit_type.h"

// Sets a shared blit type's opacity for the guard's life and gives it back
// its previous value however the scope is left: blit types are shared by
// every drawer, so a fade left behind would dim the rest of the frame.
class CScopedBlitOpacity
{
public:
    CScopedBlitOpacity(CBlitType& blitType, float opacity)
        : m_BlitType(blitType)
        , m_Previous(blitType.GetOpacity())
    {
        blitType.SetOpacity(opacity);
    }
    ~CScopedBlitOpacity() { m_BlitType.SetOpacity(m_Previous); }

    CScopedBlitOpacity(const CScopedBlitOpacity&) = delete;
    CScopedBlitOpacity& operator=(const CScopedBlitOpacity&) = delete;

private:
    CBlitType& m_BlitType;
    float m_Previous;
};
