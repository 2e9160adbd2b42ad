#include <gtest/gtest.h>

#include <string>

#include "engine/app/sound/sound_list.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/libraries/library_catalogue.h"
#include "game/playfield/accessory_gun_ball_splitter.h"
#include "game/playfield/ball_plug_in_bomb.h"
#include "game/playfield/ball_plug_in_laser.h"
#include "game/playfield/ball_plug_in_type1.h"
#include "game/playfield/power_up_ball_kinds.h"
#include "game/playfield/power_up_base.h"
#include "game/playfield/power_up_bomb_ball.h"
#include "game/playfield/power_up_ship_kinds.h"
#include "game/playfield/ship_accessory.h"
#include "tests/content/generated_content_fixture.h"
#include "tests/support/scoped_fatal_throw.h"

namespace {

// The power-up library of the generated content, loaded as the game loads
// it: a name an item gives that no list holds is a fatal report, which here
// throws.
class ContentPowerUps : public GeneratedContentTest
{
protected:
    void SetUp() override
    {
        GeneratedContentTest::SetUp();
        if (HasFatalFailure())
            return;
        InitCatalogueLibrary(GetPowerUpLibrary(), LIBRARY_POWER_UP);
    }
};

// The accessory or plug-in a kind hands out, or none.
const CObject* HeldObject(const CPowerUpBase* kind)
{
    if (auto* plugIn = dynamic_cast<const CPowerUpAddPlugInToBall*>(kind))
        return plugIn->m_pPlugInToAdd;
    if (auto* accessory = dynamic_cast<const CPowerUpAddAccessoryToShip*>(kind))
        return accessory->m_pShipAccessory;
    if (auto* splitter = dynamic_cast<const CPowerUpGunBallSplitter*>(kind))
        return splitter->m_pBallSplitterGun;
    if (auto* bombBall = dynamic_cast<const CPowerUpBombBall*>(kind))
        return bombBall->m_pBallPlugIn;
    return nullptr;
}

// The plug-in a kind of the library gives every ball, or none.
const CBallPlugIn* PlugInOf(const char* name)
{
    CResourceLibrary<CPowerUpBase>& library = GetPowerUpLibrary();
    const int32_t index = library.Find(name, -1);
    if (index <= 0)
        return nullptr;
    const auto* kind =
        dynamic_cast<const CPowerUpAddPlugInToBall*>(library.GetItemObject(static_cast<uint32_t>(index)));
    return kind != nullptr ? kind->m_pPlugInToAdd : nullptr;
}

const CSequence* SequenceAt(int32_t index)
{
    return index > 0 ? GetSequenceList().GetItemObject(static_cast<uint32_t>(index)) : nullptr;
}

TEST_F(ContentPowerUps, EveryKindLoadsWithItsCapsuleAndWhatItHolds)
{
    const struct
    {
        const char* name;
        const char* kindClass;
        const char* heldClass;
    } cases[] = {{"Slow Ball", "CPowerUpSlow", nullptr},
                 {"Fast Ball", "CPowerUpFast", nullptr},
                 {"Split Ball", "CPowerUpSplitBall", nullptr},
                 {"Extra Ball", "CPowerUpExtraBall", nullptr},
                 {"Shrink Paddle", "CPowerUpShrinkPaddle", nullptr},
                 {"Expand Paddle", "CPowerUpExpandPaddle", nullptr},
                 {"Normal Ball", "CPowerUpNormalBall", nullptr},
                 {"Small Ball", "CPowerUpSmallBall", nullptr},
                 {"Normal Ship", "CPowerUpNormalShip", nullptr},
                 {"Ball Catcher", "CPowerUpBallCatcher", nullptr},
                 {"Big Gun", "CPowerUpBigGun", nullptr},
                 {"Laser Gun", "CPowerUpAddAccessoryToShip", "CAccessoryGunLaser"},
                 {"Splitter Gun", "CPowerUpGunBallSplitter", "CAccessoryGunBallSplitter"},
                 {"Converter Ball", "CPowerUpAddPlugInToBall", "CBallConverterBall"},
                 {"Laser Sight", "CPowerUpAddPlugInToBall", "CPowerUpLaserSight"},
                 {"Fire Ball", "CPowerUpAddPlugInToBall", "CBallPlugInFireBall"},
                 {"Rail Ball", "CPowerUpAddPlugInToBall", "CBallPlugInRailBall"},
                 {"Acid Ball", "CPowerUpAddPlugInToBall", "CBallPlugInAcidBall"},
                 {"Laser Ball", "CPowerUpAddPlugInToBall", "CBallPlugInBallLaser"},
                 {"Bomb Ball", "CPowerUpBombBall", "CBallPlugInBombBall"},
                 {"Safety Bumper", "CPowerUpSaftyBumper", nullptr},
                 {"Bomb", "CPowerUpBomb", nullptr}};
    CResourceLibrary<CPowerUpBase>& library = GetPowerUpLibrary();
    {
        ScopedFatalThrow fatalThrows;
        ASSERT_NO_THROW(library.LoadAll());
    }
    EXPECT_STREQ(library.GetName(0), "!None");
    EXPECT_EQ(library.GetCount(), std::size(cases) + 1);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        const int32_t index = library.Find(c.name, -1);
        ASSERT_GT(index, 0);
        const CPowerUpBase* kind = library.GetItemObject(static_cast<uint32_t>(index));
        ASSERT_NE(kind, nullptr);
        EXPECT_STREQ(kind->GetClassInfo()->GetClassName(), c.kindClass);
        EXPECT_EQ(kind->m_PrimarySequence, GetSequenceList().Find((std::string("PowerUp ") + c.name).c_str(), -1));
        const CObject* held = HeldObject(kind);
        if (c.heldClass == nullptr)
        {
            EXPECT_EQ(held, nullptr);
            continue;
        }
        ASSERT_NE(held, nullptr);
        EXPECT_STREQ(held->GetClassInfo()->GetClassName(), c.heldClass);
    }
}

TEST_F(ContentPowerUps, EveryBallPlugInShowsABallOfItsOwnAndTheSmallBall)
{
    for (const char* name : {"Fire Ball", "Rail Ball", "Acid Ball", "Laser Ball"})
    {
        SCOPED_TRACE(name);
        const auto* plugIn = dynamic_cast<const CBallPlugInType1*>(PlugInOf(name));
        ASSERT_NE(plugIn, nullptr);
        EXPECT_EQ(plugIn->m_PrimarySequence, GetSequenceList().Find(name, -1));
        const CSequence* look = SequenceAt(plugIn->m_PrimarySequence);
        ASSERT_NE(look, nullptr);
        ASSERT_GT(look->GetFrameCount(), 0u);
        EXPECT_EQ(look->GetFrame(0)->GetWidth(), 16);
        EXPECT_EQ(plugIn->m_SmallPrimarySequence, GetSequenceList().Find("Small Ball", -1));
    }
}

TEST_F(ContentPowerUps, TheAcidBallDissolvesAndTheLaserBallFires)
{
    const auto* acid = dynamic_cast<const CBallPlugInAcidBall*>(PlugInOf("Acid Ball"));
    ASSERT_NE(acid, nullptr);
    // A dissolve ends on its last frame: both animations must run on.
    for (int32_t sequence : {acid->m_DissolveEffectMask, acid->m_DissolveEffectOverlay})
    {
        const CSequence* look = SequenceAt(sequence);
        ASSERT_NE(look, nullptr);
        EXPECT_GT(look->GetFrameCount(), 1u);
        EXPECT_GT(look->GetEffectiveFps(), 0.0f);
    }
    EXPECT_GT(acid->m_DissolveSound, 0);

    const auto* laser = dynamic_cast<const CBallPlugInBallLaser*>(PlugInOf("Laser Ball"));
    ASSERT_NE(laser, nullptr);
    EXPECT_EQ(laser->m_LaserShotSequence, GetSequenceList().Find("Shots/Ball Laser Shot", -1));
    EXPECT_EQ(laser->m_ShotSound, GetSoundList().FindSound("Weapons/Ball Laser.wav", -1));
    EXPECT_GT(laser->m_ShotSound, 0);
}

} // namespace
