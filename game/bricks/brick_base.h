#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"
#include "game/playfield/sprite_ai.h"

class CSprite;

// The behaviour every brick kind derives from: the first behaviour of each
// sprite of the playfield's brick list. Making or deleting a brick empties
// the brick-name cache, so a search by name never answers a stale brick.
class CBrickBase : public CSpriteAI
{
    VP_DECLARE_CLASS(CBrickBase)
public:
    CBrickBase();
    ~CBrickBase() override;

    void Update(CSprite* sprite, int32_t argument) override;

    // Once per brick when play of the round begins.
    virtual void OnRoundStart();
    // Whether the round goes on while this brick stands.
    virtual bool MustBeDestroyedToFinish() const;
    virtual void OnTouchedByShip(CSprite* shipSprite);

    const CString& GetName() const { return m_Name; }

    CString m_Name;
};
