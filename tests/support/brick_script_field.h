#pragma once

#include <cstdint>
#include <memory>

#include "engine/app/game_base.h"
#include "tests/support/brick_test_field.h"

// The game object without the engine's start-up: it runs the deferred
// deletions that a replaced brick relies on.
class CScriptFieldGame : public CGameBase
{
};

// A scripted brick that lets plug-ins move it or not.
class CScriptTestBrick : public CScriptedBrick
{
public:
    bool CanBeMovedByPlugIns() const override { return m_Movable; }

    bool m_Movable = true;
};

// The brick test field with a game object, for scripts: a stand-alone
// round of named bricks of the "Normal" style that stand where the test
// puts them.
class BrickScriptFieldTest : public BrickTestField
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A brick whose sprite stands at (x, y), appended to the brick list.
    CScriptTestBrick* AddNamedBrick(const char* name, float x, float y);
    // A plug-in added to the brick's script; answers the plug-in.
    template <typename T>
    static T* Script(CBrickBase* brick, T* plugIn)
    {
        brick->GetPlugIns().AddPlugIn(plugIn);
        return plugIn;
    }
    // Frames of the game: the game object's update (deferred deletions),
    // then the playfield's.
    void Run(int32_t frames = 1);
    static Vector2 PositionOf(const CBrickBase* brick);

    std::unique_ptr<CScriptFieldGame> m_pGame;
};
