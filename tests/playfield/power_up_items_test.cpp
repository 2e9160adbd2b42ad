#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/object/class_registry.h"
#include "game/playfield/accessory_gun_ball_splitter.h"
#include "game/playfield/ball_plug_in_bomb.h"
#include "game/playfield/power_up_ball_kinds.h"
#include "game/playfield/power_up_bomb.h"
#include "game/playfield/power_up_bomb_ball.h"
#include "game/playfield/power_up_laser_sight.h"
#include "game/playfield/power_up_safty_bumper.h"
#include "game/playfield/power_up_ship_kinds.h"
#include "tests/support/object_forms.h"

namespace {

// A held object as a file would give it: every property at its default.
template <typename T>
T* Defaulted()
{
    T* object = new T;
    object->SetDefaults();
    return object;
}

// An item of every kind with values off their defaults, the held accessory
// and plug-in included.
std::unique_ptr<CPowerUpBase> ConfiguredKind(const char* className)
{
    std::unique_ptr<CPowerUpBase> kind(static_cast<CPowerUpBase*>(GetClassRegistry().CreateByName(className)));
    kind->SetDefaults();
    kind->m_Name.m_Source = "Kind Name";
    kind->m_Description.m_Source = "Two\r\nlines";
    kind->m_IsALevelBreaker = true;
    kind->m_CollectionScore = -250;
    kind->m_KarmaType = POWER_UP_KARMA_BAD;
    kind->m_DropSpeed = 75.5f;
    kind->m_CallAPowerUpInHUD = false;
    kind->m_OccurrenceFrequencyWeighting = 3;
    if (auto* slow = dynamic_cast<CPowerUpSlow*>(kind.get()))
        slow->m_NewSpeed = 0.5f;
    if (auto* split = dynamic_cast<CPowerUpSplitBall*>(kind.get()))
        split->m_NewBallCount = 8;
    if (auto* plugIn = dynamic_cast<CPowerUpAddPlugInToBall*>(kind.get()))
        plugIn->m_pPlugInToAdd = Defaulted<CPowerUpLaserSight>();
    if (auto* accessory = dynamic_cast<CPowerUpAddAccessoryToShip*>(kind.get()))
        accessory->m_pShipAccessory = Defaulted<CAccessoryGunLaser>();
    if (auto* splitter = dynamic_cast<CPowerUpGunBallSplitter*>(kind.get()))
        splitter->m_pBallSplitterGun = Defaulted<CAccessoryGunBallSplitter>();
    if (auto* bombBall = dynamic_cast<CPowerUpBombBall*>(kind.get()))
    {
        bombBall->m_pBallPlugIn = Defaulted<CBallPlugInBombBall>();
        bombBall->m_ShipOverlayPosition = CPoint{-4, 9};
        bombBall->m_ChargingEffectLines = 6;
    }
    if (auto* bomb = dynamic_cast<CPowerUpBomb*>(kind.get()))
    {
        bomb->m_DestroyedByBallScore = 2500;
        bomb->m_DestroyedByBallString.m_Source = "Defused";
    }
    return kind;
}

TEST(PowerUpItems, AnItemOfEveryKindReadsBackAsItWasWritten)
{
    for (const char* className :
         {"CPowerUpBase", "CPowerUpSlow", "CPowerUpFast", "CPowerUpSplitBall", "CPowerUpExtraBall",
          "CPowerUpShrinkPaddle", "CPowerUpExpandPaddle", "CPowerUpNormalBall", "CPowerUpSmallBall",
          "CPowerUpNormalShip", "CPowerUpBallCatcher", "CPowerUpBigGun", "CPowerUpAddAccessoryToShip",
          "CPowerUpGunBallSplitter", "CPowerUpAddPlugInToBall", "CPowerUpBombBall", "CPowerUpSaftyBumper",
          "CPowerUpBomb"})
    {
        std::unique_ptr<CPowerUpBase> kind = ConfiguredKind(className);
        const std::string text = ObjectText(kind.get());
        EXPECT_NE(text.find("Karma Type=Bad Effect"), std::string::npos) << className;
        std::unique_ptr<CObject> read = ObjectFromText(text);
        ASSERT_NE(read, nullptr) << className;
        EXPECT_STREQ(read->GetClassInfo()->GetClassName(), className);
        EXPECT_TRUE(read->AllPropertiesEqual(*kind)) << className << "\n" << text;
        EXPECT_EQ(static_cast<CPowerUpBase*>(read.get())->GetKarmaType(), POWER_UP_KARMA_BAD);
    }
}

} // namespace
