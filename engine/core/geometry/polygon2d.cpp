#include "engine/core/geometry/polygon2d.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/core/maths/maths_helpers.h"
#include "engine/core/maths/maths_tables.h"
#include "engine/core/memory/memory_pools.h"

namespace {

// Operations that rebuild a polygon from another one's points go through
// this area, so a polygon can be rebuilt from itself.
Vector2 g_PolygonScratch[POLYGON2D_MAX_POINTS];

template <typename T>
T* AllocateArray(uint32_t count)
{
    if (count == 0)
        return nullptr;
    return static_cast<T*>(GetMemoryPools().Allocate(count * sizeof(T)));
}

template <typename T>
void FreeArray(T* array, uint32_t count)
{
    if (array)
        GetMemoryPools().Free(array, count * sizeof(T));
}

bool SamePoint(const Vector2& a, float x, float y)
{
    return a.x == x && a.y == y;
}

// The angle of a normal in [0, 2 pi).
float NormalAngle(const Vector2& normal)
{
    float angle = std::atan2(normal.y, normal.x);
    if (angle < 0.0f)
        angle += kTwoPi;
    return angle;
}

// Which corner region around the vertex the point lies in, numbered so that
// walking round the point steps through them in order.
int32_t Quadrant(const Vector2& vertex, float x, float y)
{
    if (x < vertex.x)
        return y < vertex.y ? 0 : 3;
    return y < vertex.y ? 1 : 2;
}

} // namespace

Polygon2D::Polygon2D()
    : m_pPoints(nullptr)
    , m_pEdges(nullptr)
    , m_Count(0)
    , m_Bounds{0, 0, 0, 0}
    , m_Flags(0)
    , m_Centre{0.0f, 0.0f}
{
}

Polygon2D::Polygon2D(const Polygon2D& other)
    : Polygon2D()
{
    *this = other;
}

Polygon2D& Polygon2D::operator=(const Polygon2D& other)
{
    if (this == &other)
        return *this;

    FreeArrays();
    m_Count = other.m_Count;
    m_Bounds = other.m_Bounds;
    m_Flags = other.m_Flags;
    m_Centre = other.m_Centre;
    m_pPoints = AllocateArray<Vector2>(m_Count);
    if (m_pPoints)
        std::memcpy(m_pPoints, other.m_pPoints, m_Count * sizeof(Vector2));
    if (other.m_pEdges)
    {
        m_pEdges = AllocateArray<Polygon2DEdge>(m_Count - 1);
        std::memcpy(m_pEdges, other.m_pEdges, (m_Count - 1) * sizeof(Polygon2DEdge));
    }
    return *this;
}

Polygon2D::~Polygon2D()
{
    FreeArrays();
}

void Polygon2D::FreeArrays()
{
    FreeArray(m_pPoints, m_Count);
    if (m_pEdges)
        FreeArray(m_pEdges, m_Count - 1);
    m_pPoints = nullptr;
    m_pEdges = nullptr;
}

Vector2* Polygon2D::GetScratchPoints()
{
    return g_PolygonScratch;
}

void Polygon2D::SetPoints(const Polygon2D& other)
{
    if (other.m_Count > 0)
        std::memcpy(g_PolygonScratch, other.m_pPoints, other.m_Count * sizeof(Vector2));
    SetPointsFromScratch(other.m_Count);
}

void Polygon2D::SetPointsFromScratch(uint32_t count)
{
    // Recompute leaves the bounds of an empty polygon alone, so they are
    // reset here.
    Clear();
    Vector2* points = AllocateArray<Vector2>(count);
    if (points)
        std::memcpy(points, g_PolygonScratch, count * sizeof(Vector2));
    TakePoints(points, count);
}

void Polygon2D::TakePoints(Vector2* points, uint32_t count)
{
    FreeArrays();
    m_pPoints = points;
    m_Count = count;
    Recompute();
}

void Polygon2D::InsertPoint(float x, float y, int32_t afterIndex)
{
    if (m_Count >= POLYGON2D_MAX_POINTS)
        return;

    uint32_t position = m_Count;
    if (afterIndex >= 0 && afterIndex < static_cast<int32_t>(m_Count) - 1)
        position = static_cast<uint32_t>(afterIndex) + 1;
    if (position > 0 && SamePoint(m_pPoints[position - 1], x, y))
        return;

    Vector2* points = AllocateArray<Vector2>(m_Count + 1);
    for (uint32_t i = 0; i < position; i++)
        points[i] = m_pPoints[i];
    points[position] = Vector2{x, y};
    for (uint32_t i = position; i < m_Count; i++)
        points[i + 1] = m_pPoints[i];
    TakePoints(points, m_Count + 1);
}

void Polygon2D::Close()
{
    if (m_Count == 0)
        return;
    Vector2 first = m_pPoints[0];
    InsertPoint(first.x, first.y, -1);
}

void Polygon2D::SetPoint(int32_t index, float x, float y)
{
    if (index < 0 || index >= static_cast<int32_t>(m_Count))
        return;

    bool closed = IsClosed();
    m_pPoints[index] = Vector2{x, y};
    if (closed)
    {
        if (index == 0)
            m_pPoints[m_Count - 1] = m_pPoints[0];
        else if (index == static_cast<int32_t>(m_Count) - 1)
            m_pPoints[0] = m_pPoints[index];
    }
    Recompute();
}

void Polygon2D::MovePoint(int32_t index, float dx, float dy)
{
    if (index < 0 || index >= static_cast<int32_t>(m_Count))
        return;
    const Vector2& point = m_pPoints[index];
    SetPoint(index, point.x + dx, point.y + dy);
}

void Polygon2D::RemovePoint(int32_t index)
{
    if (index < 0 || index >= static_cast<int32_t>(m_Count))
        return;

    bool closed = IsClosed();
    uint32_t remaining = m_Count - 1;
    Vector2* points = AllocateArray<Vector2>(remaining);
    uint32_t next = 0;
    for (uint32_t i = 0; i < m_Count; i++)
    {
        if (static_cast<int32_t>(i) != index)
            points[next++] = m_pPoints[i];
    }
    if (closed && index == 0 && remaining > 0)
        points[remaining - 1] = points[0];
    TakePoints(points, remaining);
}

void Polygon2D::Clear()
{
    FreeArrays();
    m_Count = 0;
    m_Bounds = CRect{0, 0, 0, 0};
    m_Flags = 0;
    m_Centre = Vector2{0.0f, 0.0f};
}

void Polygon2D::Inflate(float distance)
{
    if (m_Count < 2)
        return;

    // Each vertex moves to where its two neighbouring edges meet once both
    // are pushed out; reading the edges of the unchanged polygon keeps every
    // vertex independent of the ones already moved.
    Polygon2D moved(*this);
    uint32_t distinct = m_Count - 1;
    uint32_t lastEdge = m_Count - 2;
    for (uint32_t step = 1; step <= distinct; step++)
    {
        uint32_t vertex = step % distinct;
        uint32_t previous = vertex == 0 ? lastEdge : vertex - 1;
        Vector2 previousShift = Vector2Scale(m_pEdges[previous].normal, distance);
        Vector2 nextShift = Vector2Scale(m_pEdges[vertex].normal, distance);
        Vector2 a1 = Vector2Add(m_pPoints[previous], previousShift);
        Vector2 a2 = Vector2Add(m_pPoints[previous + 1], previousShift);
        Vector2 b1 = Vector2Add(m_pPoints[vertex], nextShift);
        Vector2 b2 = Vector2Add(m_pPoints[vertex + 1], nextShift);
        float x;
        float y;
        if (IntersectLines(a1.x, a1.y, a2.x, a2.y, b1.x, b1.y, b2.x, b2.y, x, y) == INTERSECT_POINT)
            moved.SetPoint(static_cast<int32_t>(vertex), x, y);
    }
    SetPoints(moved);
}

bool Polygon2D::IsClosed() const
{
    return m_Count > 1 && SamePoint(m_pPoints[m_Count - 1], m_pPoints[0].x, m_pPoints[0].y);
}

uint32_t Polygon2D::GetDistinctPointCount() const
{
    return IsClosed() ? m_Count - 1 : m_Count;
}

void Polygon2D::Recompute()
{
    ComputeBoundsAndCentre();
    ComputeEdgesAndFlags();
}

void Polygon2D::ComputeBoundsAndCentre()
{
    if (m_Count == 0)
    {
        m_Centre = Vector2{0.0f, 0.0f};
        return;
    }

    CRect bounds{9999999, 9999999, -9999999, -9999999};
    for (uint32_t i = 0; i < m_Count; i++)
    {
        bounds.left = std::min(bounds.left, FloorToInt(m_pPoints[i].x));
        bounds.top = std::min(bounds.top, FloorToInt(m_pPoints[i].y));
        bounds.right = std::max(bounds.right, CeilToInt(m_pPoints[i].x));
        bounds.bottom = std::max(bounds.bottom, CeilToInt(m_pPoints[i].y));
    }
    if (bounds.right == bounds.left)
        bounds.right = bounds.left + 1;
    if (bounds.bottom == bounds.top)
        bounds.bottom = bounds.top + 1;
    m_Bounds = bounds;

    // The last point is left out even of an open outline.
    uint32_t averaged = m_Count >= 2 ? m_Count - 1 : m_Count;
    float sumX = 0.0f;
    float sumY = 0.0f;
    for (uint32_t i = 0; i < averaged; i++)
    {
        sumX += m_pPoints[i].x;
        sumY += m_pPoints[i].y;
    }
    m_Centre = Vector2{sumX / static_cast<float>(averaged), sumY / static_cast<float>(averaged)};
    if (m_Centre.x > -0.05f && m_Centre.x < 0.05f)
        m_Centre.x = 0.0f;
}

void Polygon2D::ComputeEdgesAndFlags()
{
    m_Flags &= ~(POLYGON2D_CONCAVE | POLYGON2D_WOUND_POSITIVELY);
    if (m_Count < 2)
        return;

    uint32_t edgeCount = m_Count - 1;
    if (!m_pEdges)
        m_pEdges = AllocateArray<Polygon2DEdge>(edgeCount);
    for (uint32_t i = 0; i < edgeCount; i++)
    {
        float dx = m_pPoints[i + 1].x - m_pPoints[i].x;
        float dy = m_pPoints[i + 1].y - m_pPoints[i].y;
        float length = std::sqrt(dx * dx + dy * dy);
        m_pEdges[i].length = length;
        m_pEdges[i].normal = length == 0.0f ? Vector2{0.0f, 1.0f} : Vector2{dy / length, -dx / length};
    }

    // A straight-through vertex (a turn of 0) counts as turning against the
    // winding, so a square with a point in the middle of a side is concave.
    float turnSum = 0.0f;
    bool anyPositive = false;
    bool anyNotPositive = false;
    float previousAngle = NormalAngle(m_pEdges[edgeCount - 1].normal);
    for (uint32_t i = 0; i < edgeCount; i++)
    {
        float angle = NormalAngle(m_pEdges[i].normal);
        float turn = angle - previousAngle;
        if (turn > kPi)
            turn -= kTwoPi;
        else if (turn < -kPi)
            turn += kTwoPi;
        turnSum += turn;
        if (turn > 0.0f)
            anyPositive = true;
        else
            anyNotPositive = true;
        previousAngle = angle;
    }
    if (std::fabs(turnSum - kTwoPi) < 2.0f)
        m_Flags |= POLYGON2D_WOUND_POSITIVELY;
    if (anyPositive && anyNotPositive)
        m_Flags |= POLYGON2D_CONCAVE;
}

bool Polygon2D::ContainsPoint(float x, float y) const
{
    if (x < static_cast<float>(m_Bounds.left) || x > static_cast<float>(m_Bounds.right) ||
        y < static_cast<float>(m_Bounds.top) || y > static_cast<float>(m_Bounds.bottom))
        return false;
    if (m_Count < 2)
        return false;

    // Winding count in quarter turns of the outline round the point.
    int32_t winding = 0;
    int32_t previousQuadrant = Quadrant(m_pPoints[0], x, y);
    for (uint32_t k = 1; k < m_Count; k++)
    {
        int32_t quadrant = Quadrant(m_pPoints[k], x, y);
        int32_t step = quadrant - previousQuadrant;
        if (step == 3)
        {
            step = -1;
        }
        else if (step == -3)
        {
            step = 1;
        }
        else if (step == 2 || step == -2)
        {
            // A diagonal jump: the edge passes either side of the point.
            const Vector2& a = m_pPoints[k - 1];
            const Vector2& b = m_pPoints[k];
            if (x < b.x - (a.x - b.x) * (b.y - y) / (a.y - b.y))
                step = -step;
        }
        winding += step;
        previousQuadrant = quadrant;
    }
    return winding == 4 || winding == -4;
}

bool Polygon2D::IsNear(float x, float y, float radius) const
{
    if (!(x >= static_cast<float>(m_Bounds.left) - radius && x <= static_cast<float>(m_Bounds.right) + radius &&
          y >= static_cast<float>(m_Bounds.top) - radius && y <= static_cast<float>(m_Bounds.bottom) + radius))
        return false;
    if (ContainsPoint(x, y))
        return true;
    return FindNearestEdgeHit(Vector2{x, y}, radius, nullptr) != -1;
}

int32_t Polygon2D::FindNearestPoint(const Vector2& point, float* outSquaredDistance, int32_t skipIndex) const
{
    int32_t nearest = -1;
    float nearestSquared = 100000000.0f;
    uint32_t distinct = GetDistinctPointCount();
    for (uint32_t i = 0; i < distinct; i++)
    {
        if (static_cast<int32_t>(i) == skipIndex)
            continue;
        float dx = m_pPoints[i].x - point.x;
        float dy = m_pPoints[i].y - point.y;
        float squared = dx * dx + dy * dy;
        if (squared < nearestSquared)
        {
            nearest = static_cast<int32_t>(i);
            nearestSquared = squared;
        }
    }
    if (outSquaredDistance)
        *outSquaredDistance = nearestSquared;
    return nearest;
}

int32_t Polygon2D::FindNearestEdgeHit(const Vector2& centre, float radius, float* outDistance, int32_t edgeCount,
                                      float* outTravelled) const
{
    int32_t nearest = -1;
    float nearestDistance = 100000000.0f;
    float nearestTravelled = 0.0f;
    if (m_Count >= 2 && edgeCount != 0)
    {
        int32_t edges = static_cast<int32_t>(m_Count) - 1;
        if (edgeCount < 0 || edgeCount > edges)
            edgeCount = edges;
        for (int32_t i = 0; i < edgeCount; i++)
        {
            const Polygon2DEdge& edge = m_pEdges[i];
            Vector2 direction{-edge.normal.y, edge.normal.x};
            Vector2 normal;
            float distance;
            float travelled;
            if (SweepPointAgainstCircle(m_pPoints[i], edge.length, direction, centre, radius, &normal, &distance,
                                        &travelled) &&
                distance < nearestDistance)
            {
                nearest = i;
                nearestDistance = distance;
                nearestTravelled = travelled;
            }
        }
    }
    if (outDistance)
        *outDistance = nearestDistance;
    if (outTravelled)
        *outTravelled = nearestTravelled;
    return nearest;
}

float Polygon2D::GetLength(int32_t edgeCount) const
{
    if (m_Count < 2)
        return 0.0f;
    int32_t edges = static_cast<int32_t>(m_Count) - 1;
    if (edgeCount <= 0 || edgeCount > edges)
        edgeCount = edges;
    float length = 0.0f;
    for (int32_t i = 0; i < edgeCount; i++)
        length += m_pEdges[i].length;
    return length;
}

float Polygon2D::GetEdgeLength(int32_t index) const
{
    if (index < 0 || index >= static_cast<int32_t>(m_Count) - 1)
        return 0.0f;
    return m_pEdges[index].length;
}

void Polygon2D::PointAlongEdge(int32_t index, float distance, Vector2& outPoint) const
{
    if (index < 0 || index >= static_cast<int32_t>(m_Count) - 1)
        return;
    const Vector2& start = m_pPoints[index];
    const Vector2& end = m_pPoints[index + 1];
    float length = m_pEdges[index].length;
    if (length == 0.0f)
    {
        outPoint = start;
        return;
    }
    float fraction = distance / length;
    outPoint = Vector2{start.x + fraction * (end.x - start.x), start.y + fraction * (end.y - start.y)};
}

void Polygon2D::GetBoundsAt(const Vector2& offset, CRect& outRect) const
{
    int32_t dx = RoundToInt(offset.x);
    int32_t dy = RoundToInt(offset.y);
    outRect = CRect{m_Bounds.left + dx, m_Bounds.top + dy, m_Bounds.right + dx, m_Bounds.bottom + dy};
}
