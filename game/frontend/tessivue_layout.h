#pragma once

#include "engine/core/geometry/point.h"
#include "engine/object/object.h"

// Where the score board's text box stands: its upper-left corner and size.
class CTessivueLayout : public CObject
{
    VP_DECLARE_CLASS(CTessivueLayout)
public:
    CTessivueLayout();
    ~CTessivueLayout() override;

    CPoint m_Position;
    CPoint m_Size;
};
