#pragma once

#include <cstdint>

#include "engine/core/geometry/vector2d.h"

class CFrameInterface;
class CSprite;
struct CollisionContact;
struct CollisionMotion;

// Told of a touching pair by the pixel pass: (first, second, data).
typedef void (*SpritePairCallback)(CSprite* first, CSprite* second, void* data);
// Told of a contact by the polygon pass: (mover, obstacle, pass-through
// flag, contact). Flag 1 reports a contact the mover passes through, flag 0
// the last contact that stopped it in the step.
typedef void (*SpriteContactCallback)(CSprite* mover, CSprite* obstacle, int32_t passesThrough,
                                      CollisionContact& contact);

// The owning list of sprites, linked through the sprites themselves in the
// order they were added; every pass walks it from head to tail, which fixes
// the order of updates, draws and callbacks.
//
// Updates and callbacks may kill sprites (flag 4) and append sprites to any
// list, the walked one included, but never unlink or delete one: the
// update pass deletes the dead at its end. A walk therefore keeps only the
// sprite it stands on, which stays alive and linked through the callback.
class CSpriteList
{
public:
    CSpriteList();
    ~CSpriteList();

    CSpriteList(const CSpriteList&) = delete;
    CSpriteList& operator=(const CSpriteList&) = delete;

    // The sprite must be in no list.
    void Append(CSprite* sprite);
    void Prepend(CSprite* sprite);
    // The new sprite takes the old one's place; the old one leaves the list
    // undeleted, for its owner to delete once no pass stands on it.
    void Replace(CSprite* oldSprite, CSprite* newSprite);
    // Nothing for a sprite that is not in the list; never deletes.
    void Unlink(CSprite* sprite);
    void DeleteAll();
    int32_t Count() const;
    CSprite* GetHead() const { return m_pHead; }
    CSprite* GetTail() const { return m_pTail; }

    void Draw(CFrameInterface* frame);
    void DrawShadows(CFrameInterface* frame);
    void DrawOverlays(CFrameInterface* frame);

    // Updates every sprite, then deletes the dead ones. A sprite appended
    // during the pass is updated in it.
    void UpdateAndReap();
    // Tells both callbacks (either may be null) of every touching pair of an
    // active sprite of this list and a sprite of the other; with the other
    // list this one, each pair once. True when a pair touched.
    bool CollidePairs(SpritePairCallback first, void* firstData, CSpriteList& other, SpritePairCallback second,
                      void* secondData);
    // Sweeps every live, active mover along its move of the step against
    // this list's sprites, bouncing it off what it meets (polygon pass).
    void AutoCollidePolygons(SpriteContactCallback callback, CSpriteList& movers);
    // One sweep of the mover's polygon from the start along the motion
    // against this list: the earliest blocking contact (on equal times the
    // obstacle met first) goes into the contact when it is earlier than the
    // contact's time; obstacles the mover passes through are told to the
    // callback (which may be null) on the way. True when something blocked.
    bool SweepAgainstList(CSprite* mover, const Vector2& start, const CollisionMotion& motion,
                          CollisionContact& contact, SpriteContactCallback callback);

private:
    // Takes a sprite of this list out.
    void Detach(CSprite* sprite);
    // Up to five sweeps from the start, bouncing the remaining move and the
    // velocity off each contact; answers whether anything blocked the mover,
    // with the start moved to where it ends.
    bool Resolve(CSprite* mover, Vector2& position, const CollisionMotion& motion, CollisionContact& result,
                 SpriteContactCallback callback);

    CSprite* m_pHead;
    CSprite* m_pTail;
};
