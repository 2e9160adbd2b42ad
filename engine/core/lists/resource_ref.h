#pragma once

#include <cstdint>

#include "engine/core/geometry/point.h"
#include "engine/core/geometry/rect.h"

class CFrame;
class VirtualArray;

// A drawable reference to one item of a named list, by list and index,
// resolved by each kind when it is made or drawn. The lists' reference
// factories make them; browsers and previews draw, animate and press items
// through this interface without knowing the kind of item.
class CResourceRef
{
public:
    // A right or bottom of GetBounds below this means there is no picture.
    static constexpr int32_t kNoPictureEdge = -9998;

    CResourceRef(VirtualArray* list, int32_t itemIndex);
    virtual ~CResourceRef();

    // Draws the item with its hot spot at the point.
    virtual void Draw(CFrame* target, CPoint point) = 0;
    // Advances an animated item by the step in seconds.
    virtual void Update(float seconds) = 0;
    // A press of the button at a point relative to the hot spot; true when
    // the item used it. Most items take no presses.
    virtual bool HandlePress(int32_t button, CPoint point);
    // The picture's rectangle around the hot spot.
    virtual void GetBounds(CRect& bounds) = 0;

    VirtualArray* GetList() const { return m_pList; }
    int32_t GetItemIndex() const { return m_ItemIndex; }

    CResourceRef(const CResourceRef&) = delete;
    CResourceRef& operator=(const CResourceRef&) = delete;

protected:
    VirtualArray* m_pList; // not owned
    int32_t m_ItemIndex;
};
