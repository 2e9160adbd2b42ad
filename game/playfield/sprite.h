#pragma once

#include <cstdint>

#include "engine/app/game_base.h"
#include "engine/core/geometry/point.h"
#include "engine/core/geometry/rect.h"
#include "engine/core/geometry/vector2d.h"

class CBlitType;
class CClassInfo;
class CFrame;
class CFrameInterface;
class CMessageStream;
class CSequence;
class CSpriteAI;
class CSpriteList;
class Polygon2D;
struct CollisionContact;
struct CollisionMotion;

// Sprite flag bits.
const uint32_t SPRITE_ACTIVE = 0x1;
const uint32_t SPRITE_COLLIDABLE = 0x2;
const uint32_t SPRITE_DEAD = 0x4;
// The update leaves the position to the behaviours.
const uint32_t SPRITE_NO_INTEGRATION = 0x8;
const uint32_t SPRITE_NOT_RECORDED = 0x10;
const uint32_t SPRITE_NO_SHADOW = 0x20;
// The three low bits, which must read exactly active and collidable for
// the near and pixel tests.
const uint32_t SPRITE_LIFE_BITS = SPRITE_ACTIVE | SPRITE_COLLIDABLE | SPRITE_DEAD;

// Part flag bits: a plain sprite is one part whose flags are its own.
const uint32_t PART_VISIBLE = 0x1;
const uint32_t PART_COLLIDABLE = 0x2;

// A previous position with both coordinates at this value was never set.
const float UNSET_POSITION = -9999.0f;

// Everything that moves or is drawn on the playfield. A sprite integrates
// its position once per fixed step and shows a frame of its sequence; what
// it does lies in its chain of behaviours, whose head it calls at fixed
// moments (each update, after each draw layer) and whose members answer the
// collision queries. The sprite owns the chain.
//
// Sprites live in sprite lists, which update, draw, collide and delete
// them. Drawing and collision see a sprite through its parts: a plain
// sprite is one part at offset (0, 0), the multi-part game sprite any
// number. A frame index outside 0..count-1 is no frame, whoever set it.
//
// A sprite that must go while a pass runs (replaced during its own update)
// is handed to the game object's deferred deletion instead of being deleted.
class CSprite : public CDeferredDeletion
{
public:
    CSprite();
    ~CSprite() override;

    CSprite(const CSprite&) = delete;
    CSprite& operator=(const CSprite&) = delete;

    virtual void Draw(CFrameInterface* frame);
    virtual void DrawShadow(CFrameInterface* frame);
    virtual void DrawOverlay(CFrameInterface* frame);
    // The current frame while the sprite is active; null otherwise.
    virtual CFrame* GetDrawnImage();
    virtual void Update();
    // The move of the last step with the sprite's velocity and the bounce
    // settings every sprite shares.
    virtual void GetMotion(CollisionMotion& motion);
    virtual void SetVelocityFromContact(const CollisionContact& contact);
    virtual bool PassesThrough(CSprite* other, const CollisionMotion& motion);
    // The current image's bounds around the hot spot; all zero without one.
    virtual void GetBounds(CRect& bounds);
    virtual Vector2 GetPreviousPosition();
    virtual void SetPreviousPosition(const Vector2& point);
    // A cheap test whether a ball-sized sprite is near a brick-sized one.
    virtual bool IsNear(const CSprite* other) const;
    // Pixel-exact: some set pixel of a collidable part of each overlaps.
    virtual bool Collides(CSprite* other);
    virtual Polygon2D* GetCollisionPolygon();
    virtual CFrame* GetPartImage(int32_t index);
    virtual CFrame* GetImage();
    virtual int32_t GetPartCount();
    virtual CPoint GetPartOffset(int32_t index);
    virtual bool TestPartFlags(int32_t index, uint32_t mask);
    virtual void SetActive(bool active);
    virtual void SetNoShadow(bool noShadow);

    // The chain. AddAI appends and tells the behaviour it joined; DetachAI
    // unlinks the first behaviour of the class (or a derived one) and hands
    // it to the caller.
    void AddAI(CSpriteAI* behaviour);
    CSpriteAI* DetachAI(const CClassInfo* classInfo);
    CSpriteAI* FindAI(const CClassInfo* classInfo) const;
    CSpriteAI* GetAI() const { return m_pAI; }

    // Also sets the angle step from the frame count (0 without frames).
    void SetSequence(CSequence* sequence);
    // With a list, also appends the sprite to it.
    void SetLifetimeAndAdd(CSpriteList* list, uint32_t lifetime);
    void SetAccelerationFromAngle(float angle, float magnitude);
    float DistanceSquared(const CSprite* other) const;
    // Whether the test holds for some part that has an image and the
    // collidable flag, given the image and the point the draw puts its hot
    // spot at.
    template <typename Test>
    bool AnyCollidablePart(Test test)
    {
        for (int32_t i = 0; i < GetPartCount(); i++)
        {
            CFrame* image = GetPartImage(i);
            if (image == nullptr || !TestPartFlags(i, PART_COLLIDABLE))
                continue;
            const CPoint offset = GetPartOffset(i);
            if (test(image, CPoint{m_DrawnPosition.x + offset.x, m_DrawnPosition.y + offset.y}))
                return true;
        }
        return false;
    }
    // Both for the level editor: a collidable part's image bounds overlap
    // the rectangle / has an opaque pixel at the point.
    bool OverlapsRect(const CRect& rect);
    bool HitTestPoint(int32_t x, int32_t y);
    // Puts the position and the drawn position at the point.
    void SetPosition(const Vector2& position);

    // One drawn image as a recording keeps it: the sequence's index in the
    // "Sequences" list, the frame and the drawn point (sprite_draw_record.cpp).
    static void RecordDraw(CMessageStream& stream, int32_t sequenceIndex, int32_t frameIndex, int32_t x, int32_t y);
    // Its replay: draws the frame into the recorder's target frame with
    // "Normal".
    static void DrawFromStream(CMessageStream& stream);

    bool IsActive() const { return (m_Flags & SPRITE_ACTIVE) != 0; }
    bool IsDead() const { return (m_Flags & SPRITE_DEAD) != 0; }
    // What the near and pixel tests ask of both sprites.
    bool IsLiveAndCollidable() const { return (m_Flags & SPRITE_LIFE_BITS) == (SPRITE_ACTIVE | SPRITE_COLLIDABLE); }
    void Kill() { m_Flags |= SPRITE_DEAD; }

    // The sprite list's links.
    CSprite* GetNext() const { return m_pNext; }
    CSprite* GetPrevious() const { return m_pPrevious; }

    CBlitType* m_pBlitType;
    Vector2 m_Velocity;
    Vector2 m_Acceleration;
    // Animation position in frames, kept by the frame animation.
    float m_FramePosition;
    int32_t m_FrameIndex;
    Vector2 m_Position;
    // The position rounded, halves to even; where the sprite is drawn.
    CPoint m_DrawnPosition;
    // Not owned: usually an entry of the "Sequences" list.
    CSequence* m_pSequence;
    float m_Damping;
    // 2 pi over the frame count, for kinds that pick a frame by direction.
    float m_AngleStep;
    uint32_t m_Flags;
    // Updates the sprite lives; 0 for ever.
    uint32_t m_Lifetime;
    uint32_t m_Age;

protected:
    // The frame at the index in the sequence, or null.
    static CFrame* FrameOf(const CSequence* sequence, int32_t frameIndex);
    // Writes the draw of a frame into a recording being made, unless the
    // sprite keeps out of recordings.
    void RecordDrawWhileRecording(CSequence* sequence, int32_t frameIndex, CPoint at) const;

private:
    friend class CSpriteList;

    CSpriteAI* m_pAI;
    CSprite* m_pNext;
    CSprite* m_pPrevious;
};

// Where every sprite's shadow falls, relative to the sprite; the playfield
// sets it from the round's background before its shadow pass.
void SetShadowOffset(int32_t x, int32_t y);
CPoint GetShadowOffset();

// The balls' radius as the near test widens its box; the ball keeps it up
// to date.
void SetSpriteBallRadius(float radius);
float GetSpriteBallRadius();
