#pragma once

class CBrickBase;
class Polygon2D;

// What the editor's polygon tool edits of a selected brick: its collision
// polygon, which lives in (and is saved with) the brick's style sheet.
class CBrickPolygonAdapter
{
public:
    explicit CBrickPolygonAdapter(CBrickBase* brick)
        : m_pBrick(brick)
    {
    }

    // None when the brick has no style sheet.
    Polygon2D* Get() const;
    // Also moves the style sheet's grid polygon half a pixel outside it.
    void Set(const Polygon2D& polygon) const;

private:
    CBrickBase* m_pBrick;
};
