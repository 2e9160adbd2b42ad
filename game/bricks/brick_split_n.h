#pragma once

#include <cstdint>

#include "game/bricks/brick_base.h"
#include "game/bricks/brick_style_sheet.h"

class CBrickSplitNChild;

// A brick that breaks into the bricks its style sheet lists, each drifting
// off from where the splitter stood. With a splitting sequence the brick
// refuses to go while the sequence plays and destroys itself on the frame
// after it ends; the children come with that second destruction, so the
// score too comes once, when the splitter is really gone. The round waits
// for it.
class CBrickSplitN : public CBrickBase
{
    VP_DECLARE_CLASS(CBrickSplitN)
public:
    enum ESplitState : uint32_t
    {
        WHOLE = 0,
        SPLITTING = 1,
        READY_TO_SPLIT = 2
    };

    CBrickSplitN();
    ~CBrickSplitN() override;

    const CString& GetTypeDisplayName() const override;
    bool MustBeDestroyedToFinish() const override;
    CClassInfo* GetStyleSheetClass() const override;
    // The primary sequence at a random progress.
    void ApplyStyleSheet() override;
    // Loops the look, or plays the splitting sequence once and then
    // destroys the brick.
    void UpdateAppearance() override;
    // Refused while the splitting sequence plays; otherwise the children
    // appear.
    int32_t OnDestroyed(const BrickDestroyInfo& info) override;

    // The split sound, sequence and burst; without a sequence the brick is
    // ready to split at once.
    void StartSplitting();
    // One new brick in the playfield's brick list per listed child.
    void SpawnChildren();

    ESplitState GetSplitState() const { return m_SplitState; }

private:
    ESplitState m_SplitState;
};

class CBrickStyleSheetSplitN : public CBrickStyleSheet
{
    VP_DECLARE_CLASS(CBrickStyleSheetSplitN)
public:
    CBrickStyleSheetSplitN();
    ~CBrickStyleSheetSplitN() override;

    CClassInfo* GetBrickClass() const override;
    int32_t GetPrimarySequence() const override { return m_PrimarySequence; }

    // Indices of "Sequences", the sound list and "Particle Generators";
    // sequence and generator 0 stand for none.
    int32_t m_PrimarySequence;
    int32_t m_SplittingSeq;
    int32_t m_SplitSound;
    int32_t m_BreakParticleGen;
    // Owned.
    uint32_t m_ChildCount;
    uint32_t m_ChildCapacity;
    CBrickSplitNChild** m_pChildren;
};
