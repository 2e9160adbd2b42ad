#pragma once

#include <cstdint>

#include "engine/core/geometry/rect.h"
#include "engine/core/geometry/vector2d.h"

class CColor;
class CFile;
class CFrameInterface;
struct CollisionMotion;
struct CollisionResult;

const uint32_t POLYGON2D_MAX_POINTS = 300;

// Shape flags, recomputed with the edges.
const uint32_t POLYGON2D_CONCAVE = 0x1;
// The turns of the edges add up to one whole positive turn: the points run
// clockwise on screen, and the edge normals point outwards.
const uint32_t POLYGON2D_WOUND_POSITIVELY = 0x2;

// Edge i runs from point i to point i + 1.
struct Polygon2DEdge {
    Vector2 normal;  // unit, (dy, -dx) / length; (0, 1) for an edge of length 0
    float length;
};

// The outline of a collidable thing or of an editor-drawn area. A polygon is
// closed when its last point repeats its first; the repeat is stored. Every
// change recomputes the edges, bounds, flags and centre, so they are always
// current.
class Polygon2D {
public:
    Polygon2D();
    Polygon2D(const Polygon2D& other);
    Polygon2D& operator=(const Polygon2D& other);
    ~Polygon2D();

    // Editing. Indices out of range change nothing.
    void SetPoints(const Polygon2D& other);
    // Inserts after the given index; -1 (or any index from the last point
    // on) appends. Refused silently at the point limit, or when the point
    // equals the one it would follow.
    void InsertPoint(float x, float y, int32_t afterIndex);
    void Close();
    // On a closed polygon the first and the last point move together.
    void SetPoint(int32_t index, float x, float y);
    void MovePoint(int32_t index, float dx, float dy);
    // Removing the first point of a closed polygon keeps it closed;
    // removing the closing repeat itself opens it.
    void RemovePoint(int32_t index);
    void Clear();
    // Moves every edge of a closed polygon outwards by distance along its
    // normal (inwards for a negative distance).
    void Inflate(float distance);

    uint32_t GetCount() const { return m_Count; }
    const Vector2& GetPoint(uint32_t index) const { return m_pPoints[index]; }
    const Polygon2DEdge& GetEdge(uint32_t index) const { return m_pEdges[index]; }
    const CRect& GetBounds() const { return m_Bounds; }
    uint32_t GetFlags() const { return m_Flags; }
    bool IsConcave() const { return (m_Flags & POLYGON2D_CONCAVE) != 0; }
    bool IsWoundPositively() const { return (m_Flags & POLYGON2D_WOUND_POSITIVELY) != 0; }
    const Vector2& GetCentre() const { return m_Centre; }

    // Queries, in the polygon's own coordinates.
    bool IsClosed() const;
    // Only the stored edges count: an open outline is not closed implicitly.
    bool ContainsPoint(float x, float y) const;
    bool IsNear(float x, float y, float radius) const;
    // The vertex nearest to the point within a squared distance of 1e8,
    // leaving out the closing repeat and skipIndex; -1 when there is none.
    int32_t FindNearestPoint(const Vector2& point, float* outSquaredDistance, int32_t skipIndex = -1) const;
    // The edge among the first edgeCount (-1: all) nearest to a circle it
    // touches, with the circle's distance from it and how far along the edge
    // the contact lies; -1 when none touches.
    int32_t FindNearestEdgeHit(const Vector2& centre, float radius, float* outDistance,
                               int32_t edgeCount = -1, float* outTravelled = nullptr) const;
    // Total length of the first edgeCount edges; 0 means all of them.
    float GetLength(int32_t edgeCount = 0) const;
    float GetEdgeLength(int32_t index) const;
    void PointAlongEdge(int32_t index, float distance, Vector2& outPoint) const;
    void GetBoundsAt(const Vector2& offset, CRect& outRect) const;

    // Draws the edges offset by (x, y), leaving out the last edgesToLeaveOut
    // of them; a lone point is drawn as a pixel in a 10-pixel box. Edge
    // numbers use the game object's text font.
    void Draw(CFrameInterface& frame, float x, float y, const CColor& colour,
              bool numberEdges = false, int32_t edgesToLeaveOut = 0) const;

    // The "POLY2D" block. A refused block leaves the polygon empty.
    bool Read(CFile& file);
    void Write(CFile& file) const;

    // Sweeps (polygon_collision.cpp). This polygon sits at offset; the other
    // at otherOffset. Moving vertices are discs of radius 1.
    void GetSweptBounds(const Vector2& offset, const CollisionMotion& motion, CRect& outRect) const;
    bool SweptBoundsOverlap(const Vector2& offset, const Polygon2D& other, const Vector2& otherOffset,
                            const Vector2& motionVector, int32_t margin) const;
    static bool SweepAgainstEdge(const Vector2& start, const Vector2& direction, float length,
                                 const CollisionMotion& motion,
                                 const Vector2& edgeStart, const Vector2& edgeEnd, float radius,
                                 const Vector2& edgeNormal, const Vector2& edgeDirection, float edgeLength,
                                 float& time, Vector2& outOffset, Vector2& outNormal);
    // This polygon rests; the point moves.
    bool CollideLine(const Vector2& offset, const Vector2& point, const CollisionMotion& motion,
                     CollisionResult& result) const;
    // This polygon moves; the other rests.
    bool SweepVertices(const Vector2& offset, const Polygon2D& other, const Vector2& otherOffset,
                       const CollisionMotion& motion, CollisionResult& result) const;
    // This polygon moves, the other rests. Only a contact strictly earlier
    // than the result's time is taken.
    bool Collide(const Vector2& offset, const Polygon2D& other, const Vector2& otherOffset,
                 const CollisionMotion& motion, CollisionResult& result) const;
    bool Overlaps(const Vector2& offset, const Polygon2D* other, const Vector2& otherOffset) const;

private:
    // The shared area of POLYGON2D_MAX_POINTS points that rebuilds go through.
    static Vector2* GetScratchPoints();
    void SetPointsFromScratch(uint32_t count);
    void TakePoints(Vector2* points, uint32_t count);
    void FreeArrays();
    void Recompute();
    void ComputeBoundsAndCentre();
    void ComputeEdgesAndFlags();
    uint32_t GetDistinctPointCount() const;

    Vector2* m_pPoints;
    Polygon2DEdge* m_pEdges;  // m_Count - 1 of them; none below 2 points
    uint32_t m_Count;
    CRect m_Bounds;
    uint32_t m_Flags;
    Vector2 m_Centre;
};
