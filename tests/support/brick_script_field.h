#pragma once

#include <cstdint>
#include <memory>

#include "engine/app/game_base.h"
#include "tests/support/playfield_fixtures.h"

class CBrickPlugIn;

// The game object without the engine's start-up: it runs the deferred
// deletions a replaced brick relies on.
class CScriptFieldGame : public CGameBase
{
};

// A brick that may refuse destruction and lets plug-ins move it or not.
class CScriptTestBrick : public CTestBrick
{
public:
    explicit CScriptTestBrick(const char* name)
        : CTestBrick(false, name)
    {
    }

    bool CanBeMovedByPlugIns() const override { return m_Movable; }
    int32_t OnDestroyed(const BrickDestroyInfo& info) override
    {
        m_DestroyAttempts++;
        return m_Refuses ? 2 : CTestBrick::OnDestroyed(info);
    }

    bool m_Movable = true;
    bool m_Refuses = false;
    int32_t m_DestroyAttempts = 0;
};

// A playfield whose brick list the test fills with script bricks, a game
// object, and a style-sheet library of a placeholder and two Normal styles
// ("Stone" 1, "Glass" 2).
class BrickScriptFieldTest : public PlayfieldTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A brick whose sprite stands at (x, y), appended to the brick list.
    CScriptTestBrick* AddBrick(const char* name, float x, float y);
    // A plug-in added to the brick's script; answers the plug-in.
    template <typename T>
    T* Script(CBrickBase* brick, T* plugIn)
    {
        brick->GetPlugIns().AddPlugIn(plugIn);
        return plugIn;
    }
    // One frame of the game: the game object's update (deferred deletions),
    // then the playfield's.
    void Run(int32_t frames = 1);
    Vector2 PositionOf(const CBrickBase* brick) const;

    std::unique_ptr<CScriptFieldGame> m_pGame;
};
