#include "tests/support/brick_script_field.h"

#include "game/playfield/game_sprite.h"

void BrickScriptFieldTest::SetUp()
{
    BrickTestField::SetUp();
    m_pGame = std::make_unique<CScriptFieldGame>();
    // A round played stand-alone: no served ball to lose and no round to
    // complete, so play goes on however long the script runs.
    m_pPlayfield->m_StandAloneRound = 0;
}

void BrickScriptFieldTest::TearDown()
{
    m_pGame.reset();
    BrickTestField::TearDown();
}

CScriptTestBrick* BrickScriptFieldTest::AddNamedBrick(const char* name, float x, float y)
{
    auto* brick = new CScriptTestBrick();
    brick->SetDefaults();
    brick->m_Name = name;
    AddBrick(brick, "Normal", Vector2{x, y});
    return brick;
}

void BrickScriptFieldTest::Run(int32_t frames)
{
    for (int32_t i = 0; i < frames; i++)
    {
        m_pGame->Update(CPlayfield::kStepSeconds);
        m_pPlayfield->Update(CPlayfield::kStepSeconds);
    }
}

Vector2 BrickScriptFieldTest::PositionOf(const CBrickBase* brick)
{
    return brick->GetSprite()->m_Position;
}
