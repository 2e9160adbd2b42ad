#pragma once

#include <cstdint>

#include "engine/object/properties/pointer_to_be_nulled_array.h"
#include "game/bricks/brick_basic_destructible.h"

// A brick that makes bricks: each hit makes a copy of the prototype it
// keeps and pushes it out along its style sheet's direction, at most 5
// pixels per axis a frame, shoving or destroying what is in the way.
// While the made brick moves out, hits bounce; once the count is used up
// the next hit destroys the factory.
class CBrickFactory : public CBrickBasicDestructible
{
    VP_DECLARE_CLASS(CBrickFactory)
public:
    static constexpr float kMoveOutStep = 5.0f;

    CBrickFactory();
    ~CBrickFactory() override;

    // A level of an older form names only the prototype: its style is the
    // factory's.
    void AfterLoad(CTypedObjectReceiver* receiver) override;
    // Moves the made brick out, then the common update.
    void Update(CSprite* sprite, int32_t argument) override;
    const CString& GetTypeDisplayName() const override;
    bool MustBeDestroyedToFinish() const override;
    CClassInfo* GetStyleSheetClass() const override;
    void UpdateAppearance() override;
    int32_t OnHit(CHitterOfBricks* hitter, const Vector2& normal) override;

    // The style of the bricks made; the prototype becomes a brick of that
    // style's class, keeping what the two classes share.
    void SetGenerateStyle(int32_t index);
    // A copy of the prototype on a new sprite at the factory, first in the
    // brick list, starting to move out.
    void GenerateBrick();

    CBrickBase* GetLastMadeBrick() const { return m_LastMadeBrick.Get(); }
    CBrickBase* GetPrototype() const { return m_pPrototype; }

    Vector2 m_MovementLeftOver;
    int32_t m_GenerateStyle;
    CBrickBase* m_pPrototype;
    uint32_t m_NumberOfBricksToGenerate;

private:
    void MoveMadeBrickOut();
    // How far the made brick moves to clear the factory along the
    // direction.
    Vector2 ComputeMoveOut(const CBrickBase& made) const;

    // Cleared by itself when the made brick is deleted first, and
    // unregistered when the factory is, whichever goes first.
    CWeakPointer<CBrickBase> m_LastMadeBrick;
    bool m_Generating;
};

class CBrickStyleSheetFactory : public CBrickStyleSheetBasicDestructible
{
    VP_DECLARE_CLASS(CBrickStyleSheetFactory)
public:
    CBrickStyleSheetFactory();
    ~CBrickStyleSheetFactory() override;

    CClassInfo* GetBrickClass() const override;

    int32_t m_GenerateSound;
    Vector2 m_Direction;
    int32_t m_GenerateSeq;
};
