#include "tests/support/brick_script_field.h"

#include "game/bricks/brick_normal.h"
#include "game/bricks/brick_style_sheet.h"

void BrickScriptFieldTest::SetUp()
{
    PlayfieldTest::SetUp();
    m_pGame = std::make_unique<CScriptFieldGame>();
    CBrickStyleSheetLibrary& styles = GetBrickStyleSheetLibrary();
    styles.AddItemWithObject(new CBrickStyleSheetNormal(), "!Placeholder");
    styles.AddItemWithObject(new CBrickStyleSheetNormal(), "Stone");
    styles.AddItemWithObject(new CBrickStyleSheetNormal(), "Glass");
}

void BrickScriptFieldTest::TearDown()
{
    m_pPlayfield->m_pBricks->DeleteAll();
    m_pGame.reset();
    GetBrickStyleSheetLibrary().DeleteAllItems();
    PlayfieldTest::TearDown();
}

CScriptTestBrick* BrickScriptFieldTest::AddBrick(const char* name, float x, float y)
{
    auto* brick = new CScriptTestBrick(name);
    brick->m_StartPosition = Vector2{x - CBrickBase::kCentreOffsetX, y - CBrickBase::kCentreOffsetY};
    auto* sprite = new CGameSprite();
    brick->AttachToSprite(sprite);
    m_pPlayfield->m_pBricks->Append(sprite);
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

Vector2 BrickScriptFieldTest::PositionOf(const CBrickBase* brick) const
{
    return brick->GetSprite()->m_Position;
}
