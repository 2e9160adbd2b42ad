#pragma once

#include <cstdint>
#include <functional>

#include "engine/core/geometry/vector2d.h"
#include "engine/core/strings/ref_string.h"
#include "game/bricks/brick_plug_in_simultaneous.h"
#include "game/playfield/sprite_ai.h"

class CBallAI;
class CBrickStyleSheet;
class CClassInfo;
class CFrameInterface;
class CGameSprite;
class CHitterOfBricks;
class CMessage;
class CSprite;
class Polygon2D;

// What a destruction is told: who caused it (a ball's or shot's behaviour,
// another brick, or none) and whether it happens quietly, without the
// destruction sound, sequence and particles (the acid ball's dissolve).
struct BrickDestroyInfo
{
    CSpriteAI* instigator;
    bool quiet;
};

// How the acid ball asks a brick before it dissolves it: a kind that will
// not be dissolved sets refuse.
struct AcidHitQuery
{
    CBallAI* acidBall;
    bool refuse;
};

// The behaviour every brick kind derives from. A brick is not a sprite of
// its own: it is the first behaviour of a multi-part sprite of the
// playfield's brick list, which owns it there. It holds what a level keeps
// of one placed brick (start position, style sheet, name, how it appears,
// its script) and answers everything the game asks of a brick through the
// virtual operations below; each kind answers differently.
//
// The hit and the destruction are the centre of it. A hit tells the
// brick's plug-ins first, then asks the kind (OnHit: 0 bounce, 1 damaged,
// 2 destroy). A destruction tells the plug-ins, lets the kind play its
// effects or refuse (OnDestroyed: 0 destroyed, 1 destroyed without the
// explosion's area damage, 2 refused), then scores and marks the sprite
// dead; the brick list deletes sprite and brick in its next update.
//
// Plug-ins, kinds and area damage may destroy bricks from inside these
// flows, this one included. A brick whose destruction is under way, or is
// done, answers any further destruction with true and does nothing, so a
// brick that damages an area holding itself cannot recurse for ever.
//
// Making or deleting a brick empties the brick-name cache, so a search by
// name never answers a stale brick.
class CBrickBase : public CSpriteAI
{
    VP_DECLARE_CLASS(CBrickBase)
public:
    // Where a placed brick's sprite stands relative to its start position.
    static constexpr float kCentreOffsetX = 34.0f;
    static constexpr float kCentreOffsetY = 23.0f;
    // What every plug-in update is given, whatever the caller's step.
    static constexpr float kPlugInStep = 0.016666668f;

    CBrickBase();
    ~CBrickBase() override;

    // The sprite behaviour's part. A brick is bound by AttachToSprite, not
    // by joining a chain.
    void OnAttach(CSprite* sprite) override;
    // The frame's work: plug-ins (unless the round is being laid or is
    // cleared), appearance, motion, countdown, then the chain's next.
    void Update(CSprite* sprite, int32_t argument) override;
    // Lets the plug-ins draw after the sprite.
    void AfterDraw(CSprite* sprite, CFrameInterface* frame) override;
    // The style sheet's "Collision Poly".
    Polygon2D* GetCollisionPolygon(CSprite* sprite) override;

    // Hooks before the sprite's draw layers; every default answers 0.
    virtual int32_t PreDrawHook(CSprite* sprite, CFrameInterface* frame);
    virtual int32_t PreShadowHook(CSprite* sprite, CFrameInterface* frame);
    virtual int32_t PreOverlayHook(CSprite* sprite, CFrameInterface* frame);
    // A demo's state check; nothing by default.
    virtual void SyncState();
    // Accepts the acid by default.
    virtual void OnAcidHit(AcidHitQuery& query);
    // Destroyed at the next update when the ship may destroy this brick.
    virtual void OnTouchedByShip(CSprite* shipSprite);
    virtual void AddForcedPowerUpFrom(CObject* source);
    virtual void SendToPlugIns(CMessage& message);
    // The editor's marks: the plug-ins' overlays, the grid polygon, and
    // for a selected brick its collision polygon.
    virtual void DrawEditorOverlay(EditorDrawContext& context);
    // The kind's localized name.
    virtual const CString& GetTypeDisplayName() const = 0;
    // What the editor names new bricks after: "Brick".
    virtual const char* GetDefaultNamePrefix() const;
    // When the round is laid and the first ball is served.
    virtual void OnRoundStart();
    // Stores the polygon as the style sheet's collision polygon and the
    // polygon half a pixel larger as its grid polygon.
    virtual void SetCollisionPolygon(const Polygon2D& polygon);
    virtual Polygon2D* GetGridPolygon();
    // An indestructible brick gets no countdown from area damage and is
    // never destroyed by the ship.
    virtual bool IsIndestructible() const;
    // The sprite shows from the start of the round instead of being laid.
    virtual bool AppearsWithoutBrickLayer() const;
    // A destroyed Change Area brick may change this brick's style.
    virtual bool AcceptsStyleChange() const;
    virtual bool LetsBallPassThrough(CHitterOfBricks* hitter) const;
    virtual bool CanBeMovedByPlugIns() const;
    // The round is complete when no live brick answers true.
    virtual bool MustBeDestroyedToFinish() const = 0;
    virtual bool DestroyedByShip() const;
    virtual bool IsVulnerableFrom(const Vector2& point) const;
    // The style-sheet class the kind needs.
    virtual CClassInfo* GetStyleSheetClass() const = 0;
    // When the brick is bound to its sprite: the kinds build its look here.
    virtual void ApplyStyleSheet();
    // Every frame: animation.
    virtual void UpdateAppearance();
    // 0 no damage (the hitter bounces), 1 damaged, 2 destroy; 2 by default.
    virtual int32_t OnHit(CHitterOfBricks* hitter, const Vector2& normal);
    // Only blocking bricks push and are pushed.
    virtual bool BlocksBricks() const;
    // Another brick, moving, ran into this one.
    virtual void OnPushedByBrick(CBrickBase* pusher, const Vector2& motion, bool hard);
    // This brick, moving, ran into the other; the default drives it along
    // (hard) or hands it 60% of the move and keeps that much (soft).
    virtual void PushBrick(CBrickBase* other, Vector2& allowed, bool hard);
    // A move would take the brick out of the play area: destroyed when the
    // move is hard; true stops the move.
    virtual bool OnLeftPlayArea(bool hard);
    // Every frame: the push motion decays and moves the brick softly.
    virtual void ApplyMotion(Vector2& motion);
    // The destruction countdown ran out: destroyed.
    virtual void OnCountdownExpired();
    // 0 destroyed, 1 destroyed without area damage, 2 refused.
    virtual int32_t OnDestroyed(const BrickDestroyInfo& info);

    // Binds the brick to a new sprite: clears motion, countdown and move
    // guard, puts the sprite at the start centre, joins its chain, applies
    // the style sheet and gives the plug-ins their owner.
    void AttachToSprite(CGameSprite* sprite);
    // The start position plus (34, 23): where the sprite is placed.
    Vector2 GetStartCenter() const;
    // The brick's entry of the "BrickStyleSheet" library, loaded on first
    // use; none only when the library is empty.
    CBrickStyleSheet* GetStyleSheet() const;
    // No sprite, or its sprite is marked dead.
    bool IsDestroyed() const;
    // The style sheet is of the class the kind needs, or derives from it.
    bool IsStyleSheetCompatible(const CBrickStyleSheet* styleSheet) const;
    // Takes the library's style sheet at the index when it is compatible.
    bool SetStyleSheetIfCompatible(int32_t index);
    // The hit flow; true when the brick was destroyed or damaged.
    bool HitByBallOrShot(CHitterOfBricks* hitter, const Vector2& normal);
    // The destruction flow; false only when the kind refused.
    bool Destroy(const BrickDestroyInfo& info);
    // Destruction with area damage round the brick (radii 40 and 24 times
    // the factor); the exploded brick itself tells no plug-in and scores
    // nothing. False only when the kind refused.
    bool DestroyByExplosion(float factor, float delay);
    // Deletes the script and takes the plug-in (a container's children, a
    // single plug-in, or nothing) in its place.
    void ReplacePlugIns(CBrickPlugIn* plugIn);
    // Gives the plug-ins their owner and lets them draw their overlays.
    void DrawPlugInOverlays(EditorDrawContext& context);

    // Every move of a brick goes through here (brick_movement.cpp). Moves
    // the sprite by delta; with collide, keeps the brick inside the play
    // area and pushes the blocking bricks in its way. movedInFull, when
    // given, tells whether the whole delta was kept.
    void Move(const Vector2& delta, bool hard, bool collide, bool* movedInFull = nullptr);
    void MoveTo(const Vector2& point, bool hard, bool collide, bool* movedInFull = nullptr);
    // Area damage centred on this brick's sprite.
    void DamageAreaAround(float radiusX, float radiusY, float delay);
    // Destroyed after the seconds (1 to 99 frames) unless indestructible.
    void ArmCountdown(float seconds);

    CGameSprite* GetSprite() const { return m_pSprite; }
    const CString& GetName() const { return m_Name; }
    CBrickPlugInSimultaneous& GetPlugIns() { return m_PlugIns; }

    Vector2 m_StartPosition;
    int32_t m_StyleSheet;
    bool m_SpawnedByBrickLayer;
    CString m_Name;
    // Push motion in pixels per frame; not saved.
    Vector2 m_Motion;
    // Frames until the countdown destroys the brick; 0 when not armed.
    uint32_t m_DestructionCountdown;
    // Set while Move runs on this brick: a push chain that comes back to
    // it stops there.
    bool m_MoveGuard;
    CBrickPlugInSimultaneous m_PlugIns;
    bool m_PlugInsStarted;

private:
    // Marks the sprite dead; the brick list deletes it with the brick.
    void MarkDead();

    CGameSprite* m_pSprite;
    // Set while a destruction flow of this brick runs.
    bool m_Destroying;
};

// Visits every live brick whose sprite lies inside or on the ellipse of the
// radii round the centre sprite (its own brick included), from the head of
// the playfield's brick list, with the sprite's offset from the centre and
// its squared reach: the offset's squared length with y stretched by
// radiusX / radiusY, which the ellipse bounds at radiusX squared. Radii at
// or below 0 reach nothing.
using BrickInEllipseVisit = std::function<void(CBrickBase& brick, const Vector2& offset, float reachSquared)>;
void ForEachBrickInEllipse(CSprite* centre, float radiusX, float radiusY, const BrickInEllipseVisit& visit);
// Every move's area damage (brick_area_damage.cpp): every live brick inside
// or on the ellipse of the radii round the centre sprite is destroyed at
// once (delay exactly 0) or gets a countdown of the delay. Radii at or
// below 0 reach nothing.
void DamageArea(CSprite* centre, float radiusX, float radiusY, float delay);
// Frames for a countdown of the seconds: truncated toward zero, 0 becomes
// 1, and a negative, NaN or above-99 result becomes 99.
uint32_t CountdownFrames(float seconds);
// Merges a push into the brick's motion, each component apart: the same
// direction keeps the larger, opposite directions add.
void CombineMotion(CBrickBase* brick, const Vector2& push);
// The running CRC-32 over the brick's start position and style index: a
// level's bricks changed when it differs.
uint32_t BrickCrc(uint32_t crc, const CBrickBase* brick);
