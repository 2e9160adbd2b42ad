#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/geometry/vector2d.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_basic_destructible.h"
#include "game/bricks/brick_plug_in.h"
#include "game/playfield/hitter_of_bricks.h"
#include "tests/support/playfield_fixtures.h"
#include "tests/support/sprite_fixtures.h"

class CGameSprite;

// A ball or shot of the tests: strikes bricks from its own sprite.
class CTestHitter : public CHitterOfBricks
{
    VP_DECLARE_CLASS(CTestHitter)
public:
    CTestHitter();
    ~CTestHitter() override;

    void Update(CSprite*, int32_t) override {}
    CSprite* GetSprite() const override { return m_pSprite; }

    CSprite* m_pSprite = nullptr;
};

// A plug-in that writes "<name>:<call>" into a shared log for each call
// ("hit" and "destroyed" for the two brick messages, "message <id>" for
// others), and on demand sets the stop flag in its after-update or done in
// its update.
class CRecordingPlugIn : public CBrickPlugIn
{
    VP_DECLARE_CLASS(CRecordingPlugIn)
public:
    explicit CRecordingPlugIn(std::vector<std::string>* log = nullptr, const char* name = "");
    ~CRecordingPlugIn() override;

    void OnMessage(CMessage& message) override;
    void SetOwner(CBrickBase* owner) override;
    void Update(PlugInStepRecord& record) override;
    void Start(CSprite* sprite) override;
    void AfterUpdate(bool& stop) override;
    void DrawEditorOverlay(EditorDrawContext& context) override;
    void AfterDraw(CFrameInterface* frame) override;

    std::vector<std::string>* m_pLog;
    std::string m_Name;
    bool m_SetsStop = false;
    bool m_SetsDone = false;
    // Whether done was already set when this plug-in's update came.
    bool m_SawDone = false;
};

// A brick kind whose answers the test sets: what a hit does (0, 1, 2),
// what its destruction answers (0, 1, 2), whether it is indestructible,
// whether the ship destroys it and whether it pushes back the bricks that
// run into it; with a damage radius it also damages the
// area round itself at once while being destroyed, as an exploding kind
// does. Any style sheet suits it.
class CScriptedBrick : public CBrickBase
{
    VP_DECLARE_CLASS(CScriptedBrick)
public:
    CScriptedBrick();
    ~CScriptedBrick() override;

    const CString& GetTypeDisplayName() const override { return m_Name; }
    bool MustBeDestroyedToFinish() const override { return true; }
    CClassInfo* GetStyleSheetClass() const override;
    int32_t OnHit(CHitterOfBricks* hitter, const Vector2& normal) override;
    int32_t OnDestroyed(const BrickDestroyInfo& info) override;
    void OnPushedByBrick(CBrickBase* pusher, const Vector2& motion, bool hard) override;
    bool IsIndestructible() const override { return m_Indestructible; }
    bool DestroyedByShip() const override { return m_DestroyedByShip; }

    int32_t m_HitAnswer = 2;
    int32_t m_DestroyedAnswer = 0;
    float m_DamageRadius = 0.0f;
    bool m_Indestructible = false;
    bool m_DestroyedByShip = true;
    // Moves a brick that runs into it back by the same motion.
    bool m_PushesBack = false;
    int32_t m_Destructions = 0;
    int32_t m_PushesTaken = 0;
};

// A playfield with the bricks' data: the sounds "Pop Brick.wav" and
// "Clink.wav"; the sequences "!None" (one transparent pixel) and "Brick"
// (four 40 x 22 frames); the particle generators "!None" and "Break"; and
// the style sheets, in library order, "!None" (Optional), "Ball
// Accelerator" and "Ball Decelerator" (Normal), "Common/Red" (Normal),
// "Indestructible", "Normal" (score 10, hit tutorial 3, destroyed tutorial
// 4), "Optional", "Quiet" (Normal, both effects "!None") and "Shredder",
// written to the temporary data folder and read by the library.
// Tutorials and the playfield's other upward calls are logged by the hooks.
class BrickTestField : public PlayfieldTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    static int32_t StyleIndex(const char* name);
    // A brick of the class with the style, its start position such that its
    // sprite stands at the point, bound to a new sprite that joins the
    // playfield's brick list, shown.
    CBrickBase* AddBrick(CBrickBase* brick, const char* style, const Vector2& at);
    CBrickBase* AddBrick(const char* className, const char* style, const Vector2& at);
    // The test hitter on a sprite of its own (owned by the field).
    CTestHitter* Hitter() { return m_pHitter; }
    // The tutorials shown since the set-up, as "page forced".
    std::vector<std::string> Tutorials() const;

    ListedSequences m_Sequences;
    std::vector<std::string> m_Log;

private:
    std::unique_ptr<CSprite> m_pHitterSprite;
    CTestHitter* m_pHitter = nullptr;
};
