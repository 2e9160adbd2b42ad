#include "tests/support/power_up_fixtures.h"

#include "engine/app/sound/sound_list.h"
#include "game/playfield/player_ship_ai.h"
#include "game/playfield/print_power_up_text_ai.h"

void PowerUpTest::SetUp()
{
    PlayfieldTest::SetUp();
    // The sounds the kinds play, beside the playfield's; the ship made
    // below finds its own sounds in the list as mounted now.
    const std::string wave = m_Folder.ReadFile("Data/Sounds/Score.wav");
    for (const char* name : {"Multiply 8.wav", "Power Up.wav", "Bomb Falling.wav"})
        m_Folder.WriteFile(std::string("Data/Sounds/") + name, wave);
    GetSoundList().Mount("Sound List", "Sounds", ".wav", ".ogg");
    ASSERT_TRUE(m_pPlayfield->NewGame(0, 1, false, false, false, false));
    Step();
    m_pPlayfield->m_pBallsInPlay->DeleteAll();
    m_pPlayfield->m_pShip->DeleteAll();
    m_pPlayfield->m_pFrontEffects->DeleteAll();
    m_pShip = AddTestShip(*m_pPlayfield, Vector2{300.0f, 560.0f});
    m_pShipSprite = m_pPlayfield->GetShipSprite();
    ResetKinds();
    m_pBox->Clear();
    ScopedPlayfieldHooks::s_Calls.clear();
}

void PowerUpTest::ResetKinds()
{
    m_pPlayfield->m_pFallingPowerUps->DeleteAll();
    GetPowerUpLibrary().DeleteAllItems();
    CPowerUpBase* none = Configured<CPowerUpBase>();
    none->m_CollectionScore = 0;
    GetPowerUpLibrary().AddItemWithObject(none, "!None");
}

void PowerUpTest::TearDown()
{
    m_pPlayfield->m_pFallingPowerUps->DeleteAll();
    GetPowerUpLibrary().DeleteAllItems();
    PlayfieldTest::TearDown();
}

void PowerUpTest::Activate(CPowerUpBase* kind, bool quiet)
{
    kind->Activate(PowerUpCollectContext{m_pShipSprite, quiet});
}

int32_t PowerUpTest::FloatingTexts() const
{
    int32_t count = 0;
    for (CSprite* sprite = m_pPlayfield->m_pFrontEffects->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
        count += sprite->FindAI(CPrintPowerUpTextAI::SGetClassInfo()) != nullptr ? 1 : 0;
    return count;
}
