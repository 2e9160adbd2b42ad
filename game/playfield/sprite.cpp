#include "game/playfield/sprite.h"

#include "engine/app/demo_recorder.h"
#include "engine/blit/blit_shadow.h"
#include "engine/blit/blit_transparent_mask.h"
#include "engine/core/geometry/polygon_collision.h"
#include "engine/core/maths/maths_helpers.h"
#include "engine/core/maths/maths_tables.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "game/playfield/collision_contact.h"
#include "game/playfield/sprite_ai.h"
#include "game/playfield/sprite_list.h"

namespace {

CPoint s_ShadowOffset{10, 10};
float s_BallRadius = 8.0f;

// Every sprite's move resolves as a perfect reflection, except that a
// slide below the stop speed stops and a push into the surface no faster
// than the minimum bounce speed is absorbed.
const float SPRITE_BOUNCE_FACTOR = 1.0f;
const float SPRITE_MINIMUM_BOUNCE_SPEED = 0.1f;
const float SPRITE_FRICTION = 0.0f;
const float SPRITE_STOP_SPEED = 0.1f;

const float TWO_PI = 6.2831855f;

// Half the size of a brick, the box the near test looks in.
const float NEAR_HALF_WIDTH = 16.0f;
const float NEAR_HALF_HEIGHT = 9.0f;

CPoint RoundPosition(const Vector2& position)
{
    return CPoint{RoundToInt(position.x), RoundToInt(position.y)};
}

} // namespace

void SetShadowOffset(int32_t x, int32_t y)
{
    s_ShadowOffset = CPoint{x, y};
}

CPoint GetShadowOffset()
{
    return s_ShadowOffset;
}

void SetSpriteBallRadius(float radius)
{
    s_BallRadius = radius;
}

float GetSpriteBallRadius()
{
    return s_BallRadius;
}

CSprite::CSprite()
    : m_pBlitType(&GetBlitTransparentMask())
    , m_Velocity{0.0f, 0.0f}
    , m_Acceleration{0.0f, 0.0f}
    , m_FramePosition(0.0f)
    , m_FrameIndex(0)
    , m_Position{0.0f, 0.0f}
    , m_DrawnPosition{0, 0}
    , m_pSequence(nullptr)
    , m_Damping(0.95f)
    , m_AngleStep(0.0f)
    , m_Flags(SPRITE_ACTIVE | SPRITE_COLLIDABLE)
    , m_Lifetime(0)
    , m_Age(0)
    , m_pAI(nullptr)
    , m_pNext(nullptr)
    , m_pPrevious(nullptr)
{
}

CSprite::~CSprite()
{
    delete m_pAI;
}

CFrame* CSprite::FrameOf(const CSequence* sequence, int32_t frameIndex)
{
    if (sequence == nullptr || frameIndex < 0 || static_cast<uint32_t>(frameIndex) >= sequence->GetFrameCount())
        return nullptr;
    return sequence->GetFrame(static_cast<uint32_t>(frameIndex));
}

// A sequence that is no entry of the list (or a list still pending) has no
// symbol to write: any symbol would replay another picture.
void CSprite::RecordDrawWhileRecording(CSequence* sequence, int32_t frameIndex, CPoint at) const
{
    CDemoRecorder& recorder = CDemoRecorder::Get();
    if (!recorder.IsRecording() || (m_Flags & SPRITE_NOT_RECORDED) != 0)
        return;
    const int32_t sequenceIndex = GetSequenceList().IndexOfObject(sequence);
    if (sequenceIndex == -1)
        return;
    RecordDraw(recorder.GetStream(), sequenceIndex, frameIndex, at.x, at.y);
}

void CSprite::Draw(CFrameInterface* frame)
{
    if (!IsActive())
        return;
    CFrame* image = GetImage();
    if (image != nullptr)
    {
        RecordDrawWhileRecording(m_pSequence, m_FrameIndex, m_DrawnPosition);
        frame->BlitAt(image, m_DrawnPosition.x, m_DrawnPosition.y, m_pBlitType);
    }
    if (m_pAI != nullptr)
        m_pAI->AfterDraw(this, frame);
}

void CSprite::DrawShadow(CFrameInterface* frame)
{
    if (!IsActive() || (m_Flags & SPRITE_NO_SHADOW) != 0)
        return;
    CFrame* image = GetImage();
    if (image != nullptr)
        frame->BlitAt(image, m_DrawnPosition.x + s_ShadowOffset.x, m_DrawnPosition.y + s_ShadowOffset.y,
                      &GetBlitAsShadow());
    if (m_pAI != nullptr)
        m_pAI->AfterDrawShadow(this, frame);
}

// An inactive sprite calls none of its behaviours' draw hooks, the overlay's
// included.
void CSprite::DrawOverlay(CFrameInterface* frame)
{
    if (IsActive() && m_pAI != nullptr)
        m_pAI->AfterDrawOverlay(this, frame);
}

CFrame* CSprite::GetDrawnImage()
{
    return IsActive() ? GetImage() : nullptr;
}

// A lifetime of n gives n full updates; in the one after, the sprite only
// dies. The behaviour runs before the integration, so a change it makes to
// the velocity shows in the same step.
void CSprite::Update()
{
    if (m_Lifetime != 0)
    {
        if (m_Age <= m_Lifetime)
            m_Age++;
        if (m_Age > m_Lifetime)
        {
            Kill();
            return;
        }
    }
    if (m_pAI != nullptr)
        m_pAI->Update(this, 0);
    if ((m_Flags & SPRITE_NO_INTEGRATION) != 0)
        return;
    m_Velocity = Vector2Add(m_Velocity, m_Acceleration);
    m_Velocity = Vector2Scale(m_Velocity, m_Damping);
    SetPosition(Vector2Add(m_Position, m_Velocity));
}

void CSprite::GetMotion(CollisionMotion& motion)
{
    motion.SetVector(Vector2Subtract(m_Position, GetPreviousPosition()));
    motion.SetExtra(m_Velocity, SPRITE_BOUNCE_FACTOR, SPRITE_MINIMUM_BOUNCE_SPEED, SPRITE_FRICTION, SPRITE_STOP_SPEED);
}

void CSprite::SetVelocityFromContact(const CollisionContact& contact)
{
    m_Velocity = contact.m_ResolvedVelocity;
}

bool CSprite::PassesThrough(CSprite* other, const CollisionMotion& motion)
{
    if ((m_Flags & SPRITE_COLLIDABLE) == 0)
        return true;
    return m_pAI != nullptr && m_pAI->PassesThrough(this, other, motion);
}

void CSprite::GetBounds(CRect& bounds)
{
    CFrame* image = GetImage();
    if (image == nullptr)
    {
        bounds = CRect{0, 0, 0, 0};
        return;
    }
    image->GetBounds(bounds);
}

Vector2 CSprite::GetPreviousPosition()
{
    return m_Position;
}

void CSprite::SetPreviousPosition(const Vector2&)
{
}

bool CSprite::IsNear(const CSprite* other) const
{
    if (!IsLiveAndCollidable() || !other->IsLiveAndCollidable())
        return false;
    const float r = s_BallRadius;
    return m_Position.x + r >= other->m_Position.x - NEAR_HALF_WIDTH &&
           m_Position.x - r <= other->m_Position.x + NEAR_HALF_WIDTH &&
           m_Position.y + r >= other->m_Position.y - NEAR_HALF_HEIGHT &&
           m_Position.y - r <= other->m_Position.y + NEAR_HALF_HEIGHT;
}

Polygon2D* CSprite::GetCollisionPolygon()
{
    return m_pAI != nullptr ? m_pAI->GetCollisionPolygon(this) : nullptr;
}

CFrame* CSprite::GetPartImage(int32_t)
{
    return GetImage();
}

CFrame* CSprite::GetImage()
{
    return FrameOf(m_pSequence, m_FrameIndex);
}

int32_t CSprite::GetPartCount()
{
    return 1;
}

CPoint CSprite::GetPartOffset(int32_t)
{
    return CPoint{0, 0};
}

bool CSprite::TestPartFlags(int32_t, uint32_t mask)
{
    return (m_Flags & mask) == mask;
}

void CSprite::SetActive(bool active)
{
    if (active)
        m_Flags |= SPRITE_ACTIVE;
    else
        m_Flags &= ~SPRITE_ACTIVE;
}

void CSprite::SetNoShadow(bool noShadow)
{
    if (noShadow)
        m_Flags |= SPRITE_NO_SHADOW;
    else
        m_Flags &= ~SPRITE_NO_SHADOW;
}

void CSprite::AddAI(CSpriteAI* behaviour)
{
    CSpriteAI** slot = &m_pAI;
    while (*slot != nullptr)
        slot = &(*slot)->m_pNext;
    *slot = behaviour;
    behaviour->OnAttach(this);
}

CSpriteAI* CSprite::DetachAI(const CClassInfo* classInfo)
{
    for (CSpriteAI** slot = &m_pAI; *slot != nullptr; slot = &(*slot)->m_pNext)
    {
        CSpriteAI* behaviour = *slot;
        if (behaviour->IsKindOf(classInfo))
        {
            *slot = behaviour->m_pNext;
            behaviour->m_pNext = nullptr;
            return behaviour;
        }
    }
    return nullptr;
}

CSpriteAI* CSprite::FindAI(const CClassInfo* classInfo) const
{
    for (CSpriteAI* behaviour = m_pAI; behaviour != nullptr; behaviour = behaviour->m_pNext)
    {
        if (behaviour->IsKindOf(classInfo))
            return behaviour;
    }
    return nullptr;
}

void CSprite::SetSequence(CSequence* sequence)
{
    m_pSequence = sequence;
    const uint32_t frameCount = sequence != nullptr ? sequence->GetFrameCount() : 0;
    m_AngleStep = frameCount > 0 ? TWO_PI / static_cast<float>(frameCount) : 0.0f;
}

void CSprite::SetLifetimeAndAdd(CSpriteList* list, uint32_t lifetime)
{
    m_Lifetime = lifetime;
    if (list != nullptr)
        list->Append(this);
}

void CSprite::SetAccelerationFromAngle(float angle, float magnitude)
{
    float sine = 0.0f;
    float cosine = 0.0f;
    FastSinCos(angle, sine, cosine);
    m_Acceleration = Vector2{cosine * magnitude, sine * magnitude};
}

float CSprite::DistanceSquared(const CSprite* other) const
{
    const Vector2 d = Vector2Subtract(m_Position, other->m_Position);
    return Vector2Dot(d, d);
}

bool CSprite::OverlapsRect(const CRect& rect)
{
    return IsActive() && AnyCollidablePart([&](CFrame* image, CPoint at) {
               CRect bounds;
               image->GetBounds(bounds);
               CRect overlap;
               return IntersectRects(OffsetRect(bounds, at.x, at.y), rect, overlap);
           });
}

bool CSprite::HitTestPoint(int32_t x, int32_t y)
{
    return IsActive() &&
           AnyCollidablePart([&](CFrame* image, CPoint at) { return image->HitTestPixel(x - at.x, y - at.y); });
}

void CSprite::SetPosition(const Vector2& position)
{
    m_Position = position;
    m_DrawnPosition = RoundPosition(position);
}
