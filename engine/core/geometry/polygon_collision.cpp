#include "engine/core/geometry/polygon_collision.h"

#include <algorithm>
#include <cmath>

#include "engine/core/maths/maths_helpers.h"
#include "engine/core/program/profiler.h"

namespace {

// Every moving vertex is a disc of this radius, so shapes stop just short
// of each other instead of sharing a boundary.
const float DISC_RADIUS = 1.0f;
const float REACH_MARGIN = 0.01f;
const float PARALLEL_TOLERANCE = 0.0001f;
const float DOUBLE_ROOT_TOLERANCE = 0.00001f;
const int32_t BOUNDS_MARGIN = 1;

CProfileSection g_CollideLineSection("Polygon2D_CollideLine");
CProfileSection g_CollideSection("Polygon2D_Collide");

bool SamePoint(const Vector2& a, const Vector2& b)
{
    return a.x == b.x && a.y == b.y;
}

} // namespace

bool CollisionMotion::SetFromPoints(const Vector2& from, const Vector2& to)
{
    return SetVector(Vector2Subtract(to, from));
}

bool CollisionMotion::SetVector(const Vector2& vector)
{
    m_Vector = vector;
    m_Length = Vector2Length(vector);
    if (m_Length == 0.0f)
    {
        m_Direction = vector;
        return false;
    }
    m_Direction = Vector2{vector.x / m_Length, vector.y / m_Length};
    return true;
}

void CollisionMotion::SetExtra(const Vector2& velocity, float bounceFactor, float minimumBounceSpeed, float friction,
                               float stopSpeed)
{
    m_Velocity = velocity;
    m_BounceFactor = bounceFactor;
    m_MinimumBounceSpeed = minimumBounceSpeed;
    m_Friction = friction;
    m_StopSpeed = stopSpeed;
}

void CollisionMotion::ExtendBounds(CRect& rect) const
{
    if (m_Direction.x > 0.0f)
    {
        rect.right += CeilToInt(m_Direction.x * m_Length + 1.0f);
        rect.left -= 1;
    }
    else
    {
        rect.left -= CeilToInt(-m_Direction.x * m_Length + 1.0f);
        rect.right += 1;
    }
    if (m_Direction.y > 0.0f)
    {
        rect.bottom += CeilToInt(m_Direction.y * m_Length + 1.0f);
        rect.top -= 1;
    }
    else
    {
        rect.top -= CeilToInt(-m_Direction.y * m_Length + 1.0f);
        rect.bottom += 1;
    }
}

CollisionResult::CollisionResult()
    : m_Time(1.0f)
    , m_Offset{0.0f, 0.0f}
    , m_Normal{0.0f, 0.0f}
    , m_Contact{0.0f, 0.0f}
{
}

void CollisionResult::Flip()
{
    Vector2Negate(m_Normal);
    Vector2Negate(m_Offset);
    m_Contact = Vector2Add(Vector2Add(m_Contact, m_Normal), m_Offset);
}

int32_t SolveMonicQuadratic(float c, float b, float outRoots[2])
{
    float h = b / 2.0f;
    float q = h * h - c;
    if (q > -DOUBLE_ROOT_TOLERANCE && q < DOUBLE_ROOT_TOLERANCE)
    {
        outRoots[0] = -h;
        outRoots[1] = -h;
        return 1;
    }
    if (q < 0.0f)
        return 0;
    float root = std::sqrt(q);
    outRoots[0] = root - h;
    outRoots[1] = -root - h;
    return 2;
}

float MinOfFloats(const float* values, int32_t count)
{
    if (count <= 0)
        return 0.0f;
    float smallest = values[0];
    for (int32_t i = 1; i < count; i++)
        smallest = std::min(smallest, values[i]);
    return smallest;
}

void Polygon2D::GetSweptBounds(const Vector2& offset, const CollisionMotion& motion, CRect& outRect) const
{
    GetBoundsAt(offset, outRect);
    motion.ExtendBounds(outRect);
}

bool Polygon2D::SweptBoundsOverlap(const Vector2& offset, const Polygon2D& other, const Vector2& otherOffset,
                                   const Vector2& motionVector, int32_t margin) const
{
    // This polygon's bounds at the start and at the end of the move, in the
    // other polygon's frame.
    const CRect& own = m_Bounds;
    const CRect& theirs = other.m_Bounds;
    const Vector2& o = offset;
    const Vector2& g = otherOffset;
    const Vector2& v = motionVector;
    // In 64 bits: a polygon far out (a level may place a brick anywhere)
    // rounds to the ends of the 32-bit range, where adding its bounds
    // would overflow.
    auto at = [](int32_t edge, float offset) { return static_cast<int64_t>(edge) + RoundToInt(offset); };
    const int64_t left = std::min(at(own.left, Floor(o.x) - g.x), at(own.left, Floor(o.x + v.x - g.x))) - margin;
    const int64_t top = std::min(at(own.top, Floor(o.y) - g.y), at(own.top, Floor(o.y + v.y - g.y))) - margin;
    const int64_t right = std::max(at(own.right, Ceil(o.x - g.x)), at(own.right, Ceil(o.x + v.x - g.x))) + margin;
    const int64_t bottom = std::max(at(own.bottom, Ceil(o.y - g.y)), at(own.bottom, Ceil(o.y + v.y - g.y))) + margin;
    return std::max<int64_t>(left, theirs.left) < std::min<int64_t>(right, theirs.right) &&
           std::max<int64_t>(top, theirs.top) < std::min<int64_t>(bottom, theirs.bottom);
}

bool Polygon2D::SweepAgainstEdge(const Vector2& start, const Vector2& direction, float length,
                                 const CollisionMotion& motion, const Vector2& edgeStart, const Vector2& edgeEnd,
                                 float radius, const Vector2& edgeNormal, const Vector2& edgeDirection,
                                 float edgeLength, float& time, Vector2& outOffset, Vector2& outNormal)
{
    const Vector2& move = motion.m_Vector;

    // Reach: an edge the disc cannot get near during the move is left
    // before any root or intersection is computed.
    float reach = length + radius + REACH_MARGIN;
    Vector2 fromEdgeStart = Vector2Subtract(start, edgeStart);
    float along = Vector2Dot(fromEdgeStart, edgeDirection);
    if (!(along > -reach && along < edgeLength + reach))
        return false;
    if (!(Vector2Dot(fromEdgeStart, fromEdgeStart) - along * along < reach * reach))
        return false;

    // Touching: the disc already overlaps the edge and moves further in.
    Vector2 touchNormal;
    float touchDistance;
    if (SweepPointAgainstCircle(edgeStart, edgeLength, edgeDirection, start, radius + REACH_MARGIN, &touchNormal,
                                &touchDistance, nullptr))
    {
        float depth = std::min(touchDistance, radius) - radius;
        if (depth < time && Vector2Dot(touchNormal, direction) < 0.0f)
        {
            time = depth;
            outOffset = Vector2{0.0f, 0.0f};
            outNormal = touchNormal;
            return true;
        }
    }

    // Face: the path of the disc's centre against the edge pushed out by
    // the radius.
    if (time > 0.0f)
    {
        Vector2 shift = Vector2Scale(edgeNormal, radius);
        Vector2 faceStart = Vector2Add(edgeStart, shift);
        Vector2 faceEnd = Vector2Add(edgeEnd, shift);
        Vector2 end = Vector2Add(start, move);
        if (RangesOverlap(start.x, end.x, faceStart.x, faceEnd.x) &&
            RangesOverlap(start.y, end.y, faceStart.y, faceEnd.y))
        {
            Vector2 e = Vector2Subtract(faceStart, faceEnd);
            Vector2 u = Vector2Subtract(start, faceStart);
            float den = move.y * e.x - e.y * move.x;
            float num = u.x * e.y - u.y * e.x;
            float num2 = u.y * move.x - u.x * move.y;
            bool parallel = den > -PARALLEL_TOLERANCE && den < PARALLEL_TOLERANCE;
            if (RatioWithinUnit(num, den) && RatioWithinUnit(num2, den) && !parallel)
            {
                float s = num / den;
                if (s < time)
                {
                    time = s;
                    outOffset = Vector2Scale(move, s);
                    outNormal = edgeNormal;
                    return true;
                }
            }
        }
    }

    // Corners: the disc's path against the edge's end points.
    Vector2 corner;
    if (SweepPointAgainstCircle(start, length, direction, edgeStart, radius, nullptr, nullptr, nullptr))
        corner = edgeStart;
    else if (SweepPointAgainstCircle(start, length, direction, edgeEnd, radius, nullptr, nullptr, nullptr))
        corner = edgeEnd;
    else
        return false;

    Vector2 k = Vector2Subtract(start, corner);
    float roots[2];
    int32_t rootCount = SolveMonicQuadratic(Vector2Dot(k, k) - radius * radius, 2.0f * Vector2Dot(k, direction), roots);
    float travelled = MinOfFloats(roots, rootCount);
    if (!(travelled > 0.0f))
        return false;
    float s = travelled / length;
    if (!(s < time))
        return false;

    time = s;
    outOffset = Vector2Scale(move, s);
    Vector2 away = Vector2Subtract(Vector2Add(start, outOffset), corner);
    float awayLength = Vector2Length(away);
    outNormal = awayLength == 0.0f ? Vector2{1.0f, 0.0f} : Vector2{away.x / awayLength, away.y / awayLength};
    return true;
}

bool Polygon2D::CollideLine(const Vector2& offset, const Vector2& point, const CollisionMotion& motion,
                            CollisionResult& result) const
{
    CProfileScope scope(g_CollideLineSection);
    if (m_Count < 2)
        return false;

    bool hit = false;
    for (uint32_t i = 0; i + 1 < m_Count; i++)
    {
        const Polygon2DEdge& edge = m_pEdges[i];
        // Only edges that face the move can be struck.
        if (!(Vector2Dot(edge.normal, motion.m_Direction) < 0.0f))
            continue;

        Vector2 edgeStart = Vector2Add(offset, m_pPoints[i]);
        Vector2 edgeEnd = Vector2Add(offset, m_pPoints[i + 1]);
        Vector2 edgeDirection{-edge.normal.y, edge.normal.x};
        float time = result.m_Time;
        Vector2 hitOffset{0.0f, 0.0f};
        Vector2 hitNormal{0.0f, 0.0f};
        if (SweepAgainstEdge(point, motion.m_Direction, motion.m_Length, motion, edgeStart, edgeEnd, DISC_RADIUS,
                             edge.normal, edgeDirection, edge.length, time, hitOffset, hitNormal) &&
            time < result.m_Time)
        {
            result.m_Time = time;
            result.m_Offset = hitOffset;
            result.m_Normal = hitNormal;
            result.m_Contact = Vector2Add(point, hitOffset);
            hit = true;
        }
    }
    return hit;
}

bool Polygon2D::SweepVertices(const Vector2& offset, const Polygon2D& other, const Vector2& otherOffset,
                              const CollisionMotion& motion, CollisionResult& result) const
{
    uint32_t distinct = GetDistinctPointCount();
    if (distinct == 0)
        return false;

    bool closed = IsClosed();
    bool hit = false;
    for (uint32_t i = 0; i < distinct; i++)
    {
        if (m_Count >= 2)
        {
            // A vertex whose both edges face away from the move trails it
            // and cannot strike anything first.
            uint32_t previousEdge;
            uint32_t nextEdge;
            if (i == 0)
            {
                previousEdge = closed ? m_Count - 2 : 0;
                nextEdge = 0;
            }
            else if (!closed && i == m_Count - 1)
            {
                previousEdge = i - 1;
                nextEdge = i - 1;
            }
            else
            {
                previousEdge = i - 1;
                nextEdge = i;
            }
            if (Vector2Dot(m_pEdges[previousEdge].normal, motion.m_Direction) < 0.0f &&
                Vector2Dot(m_pEdges[nextEdge].normal, motion.m_Direction) < 0.0f)
                continue;
        }
        Vector2 vertex = Vector2Add(offset, m_pPoints[i]);
        if (other.CollideLine(otherOffset, vertex, motion, result))
            hit = true;
    }
    return hit;
}

bool Polygon2D::Collide(const Vector2& offset, const Polygon2D& other, const Vector2& otherOffset,
                        const CollisionMotion& motion, CollisionResult& result) const
{
    CProfileScope scope(g_CollideSection);
    if (!SweptBoundsOverlap(offset, other, otherOffset, motion.m_Vector, BOUNDS_MARGIN) || m_Count == 0 ||
        other.m_Count < 2)
        return false;

    bool forwardHit = SweepVertices(offset, other, otherOffset, motion, result);

    // The mover's vertices miss a pointed corner of the resting polygon that
    // meets a flat side, so the resting polygon's corners are swept back
    // against the mover as well. A contact already touching at the start
    // cannot be beaten.
    bool reverseHit = false;
    if (!forwardHit || result.m_Offset.x != 0.0f || result.m_Offset.y != 0.0f)
    {
        CollisionMotion reversed = motion;
        Vector2Negate(reversed.m_Vector);
        Vector2Negate(reversed.m_Direction);
        if (other.SweepVertices(otherOffset, *this, offset, reversed, result))
        {
            result.Flip();
            reverseHit = true;
        }
    }
    return forwardHit || reverseHit;
}

bool Polygon2D::Overlaps(const Vector2& offset, const Polygon2D* other, const Vector2& otherOffset) const
{
    if (m_Count == 0 || !other || other->m_Count == 0)
        return false;
    if (!SweptBoundsOverlap(offset, *other, otherOffset, Vector2{0.0f, 0.0f}, BOUNDS_MARGIN))
        return false;

    uint32_t ownDistinct = GetDistinctPointCount();
    for (uint32_t i = 0; i < ownDistinct; i++)
    {
        Vector2 inOther = Vector2Subtract(Vector2Add(offset, m_pPoints[i]), otherOffset);
        if (other->ContainsPoint(inOther.x, inOther.y))
            return true;
    }
    uint32_t otherDistinct = other->GetDistinctPointCount();
    for (uint32_t i = 0; i < otherDistinct; i++)
    {
        Vector2 inOwn = Vector2Subtract(Vector2Add(otherOffset, other->m_pPoints[i]), offset);
        if (ContainsPoint(inOwn.x, inOwn.y))
            return true;
    }

    for (uint32_t i = 0; i + 1 < m_Count; i++)
    {
        Vector2 a1 = Vector2Add(offset, m_pPoints[i]);
        Vector2 a2 = Vector2Add(offset, m_pPoints[i + 1]);
        for (uint32_t j = 0; j + 1 < other->m_Count; j++)
        {
            Vector2 b1 = Vector2Add(otherOffset, other->m_pPoints[j]);
            Vector2 b2 = Vector2Add(otherOffset, other->m_pPoints[j + 1]);
            if (SamePoint(a1, b1))
                return true;
            float x;
            float y;
            if (IntersectSegments(a1.x, a1.y, a2.x, a2.y, b1.x, b1.y, b2.x, b2.y, x, y) == INTERSECT_POINT)
                return true;
        }
    }
    return false;
}
