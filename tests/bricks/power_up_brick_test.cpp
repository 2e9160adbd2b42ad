#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/core/maths/random_r250.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/array_property.h"
#include "engine/platform/tick_counter.h"
#include "game/bricks/brick_powerup.h"
#include "game/bricks/floating_brick.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/playfield.h"
#include "game/playfield/power_up_base.h"
#include "game/playfield/sprite_list.h"
#include "tests/support/brick_test_field.h"
#include "tests/support/object_forms.h"
#include "tests/support/recording_frame.h"
#include "tests/support/test_round_set.h"

namespace {

int64_t s_Now = 0;

int64_t ManualClock()
{
    return s_Now;
}

// Power-up kinds "!None" (0), "Fire" (1, a level breaker), "Multi" (2),
// "Slow" (3) and "Wide" (4), each showing an icon of its own, and the
// first round dropping each of the four as often.
class PowerUpBrickTest : public BrickTestField
{
protected:
    enum
    {
        NONE = 0,
        FIRE = 1,
        MULTI = 2,
        SLOW = 3,
        WIDE = 4
    };

    void SetUp() override
    {
        BrickTestField::SetUp();
        CResourceLibrary<CPowerUpBase>& library = GetPowerUpLibrary();
        library.DeleteAllItems();
        uint16_t colour = 0x100;
        for (const char* name : {"!None", "Fire", "Multi", "Slow", "Wide"})
        {
            CPowerUpBase* kind = new CPowerUpBase;
            kind->m_IsALevelBreaker = std::string(name) == "Fire";
            CSequence* icon = m_Sequences.Add(std::string("Icon ") + name, MakeSolidSequence(1, 8, 8, colour++));
            kind->m_PrimarySequence = GetSequenceList().IndexOfObject(icon);
            library.AddItemWithObject(kind, name);
        }
        m_pRoundSet->GetRound(0)->m_PowerUpChances = {0, 1, 1, 1, 1};
        GameRandom().SeedFromTick(4141);
    }

    void TearDown() override
    {
        GetPowerUpLibrary().DeleteAllItems();
        BrickTestField::TearDown();
    }

    CBrickPowerup* PowerUpBrick(const Vector2& at = {300.0f, 200.0f})
    {
        return static_cast<CBrickPowerup*>(AddBrick("CBrickPowerup", "Power-Up", at));
    }

    static void SetList(CBrickPowerup& brick, const char* property, const std::vector<int32_t>& kinds)
    {
        const auto* list = static_cast<const ArrayProperty*>(CBrickPowerup::SGetClassInfo()->FindProperty(property));
        list->SetCount(&brick, 0);
        for (int32_t kind : kinds)
            *static_cast<int32_t*>(list->AppendElement(&brick)) = kind;
    }

    static std::vector<int32_t> Forced(const CBrickPowerup& brick)
    {
        return std::vector<int32_t>(brick.m_pForced, brick.m_pForced + brick.m_ForcedCount);
    }

    // The kinds of the capsules falling, oldest first.
    std::vector<int32_t> Capsules() const
    {
        std::vector<int32_t> kinds;
        for (CSprite* sprite = m_pPlayfield->m_pFallingPowerUps->GetHead(); sprite != nullptr;
             sprite = sprite->GetNext())
            kinds.push_back(static_cast<CPowerUpBase*>(sprite->FindAI(CPowerUpBase::SGetClassInfo()))->m_LibraryIndex);
        return kinds;
    }

    // How often each kind fell from n bricks set up alike and broken.
    std::map<int32_t, int32_t> Releases(int32_t n, const std::function<void(CBrickPowerup&)>& setUp)
    {
        std::map<int32_t, int32_t> counts;
        for (int32_t i = 0; i < n; i++)
        {
            CBrickPowerup* brick = PowerUpBrick();
            setUp(*brick);
            brick->HitByBallOrShot(Hitter(), {0.0f, 1.0f});
            for (int32_t kind : Capsules())
                counts[kind]++;
            m_pPlayfield->m_pFallingPowerUps->DeleteAll();
        }
        return counts;
    }
};

TEST_F(PowerUpBrickTest, BreakingReleasesOneOfTheForcedKindsPickedEvenly)
{
    const std::map<int32_t, int32_t> counts =
        Releases(300, [](CBrickPowerup& brick) { SetList(brick, "Forced Power-Ups", {FIRE, SLOW, WIDE}); });
    EXPECT_EQ(counts, (std::map<int32_t, int32_t>{{FIRE, 93}, {SLOW, 96}, {WIDE, 111}}));
}

TEST_F(PowerUpBrickTest, WithoutForcedKindsTheRoundPicksHonouringTheBricksRestrictions)
{
    struct Case
    {
        bool noLevelBreakers;
        std::vector<int32_t> disallowed;
        std::set<int32_t> fallen;
    };
    const Case cases[] = {
        {false, {}, {FIRE, MULTI, SLOW, WIDE}},
        {true, {}, {MULTI, SLOW, WIDE}},
        {false, {MULTI, SLOW}, {FIRE, WIDE}},
        {true, {MULTI, WIDE}, {SLOW}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::PrintToString(c.disallowed) + (c.noLevelBreakers ? " no breakers" : ""));
        const std::map<int32_t, int32_t> counts = Releases(80, [&c](CBrickPowerup& brick) {
            brick.m_DisallowLevelBreakers = c.noLevelBreakers;
            SetList(brick, "Disallowed Power-Ups", c.disallowed);
        });
        std::set<int32_t> fallen;
        int32_t total = 0;
        for (const auto& [kind, count] : counts)
        {
            fallen.insert(kind);
            total += count;
        }
        EXPECT_EQ(fallen, c.fallen);
        EXPECT_EQ(total, 80);
    }
}

TEST_F(PowerUpBrickTest, AcidReleasesTwentyFramesAfterItStrikesAndTheDissolveReleasesNothingMore)
{
    CBrickPowerup* brick = PowerUpBrick();
    SetList(*brick, "Forced Power-Ups", {MULTI});
    AcidHitQuery query{nullptr, false};
    brick->OnAcidHit(query);
    EXPECT_FALSE(query.refuse) << "the acid still dissolves the brick";
    for (int32_t frame = 1; frame < 20; frame++)
    {
        // A second acid during the countdown does not start it again.
        if (frame == 10)
            brick->OnAcidHit(query);
        brick->GetSprite()->Update();
        ASSERT_TRUE(Capsules().empty()) << frame;
    }
    brick->GetSprite()->Update();
    EXPECT_EQ(Capsules(), std::vector<int32_t>{MULTI});
    EXPECT_TRUE(brick->HasReleased());

    EXPECT_TRUE(brick->Destroy(BrickDestroyInfo{nullptr, true}));
    EXPECT_EQ(Capsules(), std::vector<int32_t>{MULTI});
}

TEST_F(PowerUpBrickTest, ABrickReleasesOnceAndAnUnplacedOneNotAtAll)
{
    CBrickPowerup* brick = PowerUpBrick();
    SetList(*brick, "Forced Power-Ups", {SLOW});
    brick->OnDestroyed(BrickDestroyInfo{nullptr, false});
    brick->OnDestroyed(BrickDestroyInfo{nullptr, false});
    EXPECT_EQ(Capsules(), std::vector<int32_t>{SLOW});

    CBrickPowerup unplaced;
    SetList(unplaced, "Forced Power-Ups", {SLOW});
    EXPECT_EQ(unplaced.OnDestroyed(BrickDestroyInfo{nullptr, false}), 0);
    EXPECT_FALSE(unplaced.HasReleased());
    EXPECT_EQ(Capsules().size(), 1u);
}

TEST_F(PowerUpBrickTest, TheOldWhichPowerUpLineForcesTheKindItNamesOrIsDropped)
{
    struct Case
    {
        const char* line;
        std::vector<int32_t> forced;
    };
    for (const Case& c : {Case{"Which Power-up=Slow", {SLOW}}, Case{"which power-UP=Wide", {WIDE}},
                          Case{"Which Power-up=Nothing Of That Name", {}}})
    {
        SCOPED_TRACE(c.line);
        CBrickPowerup brick;
        ASSERT_TRUE(ReadObjectText(&brick, std::string("CBrickPowerup\r\n{\r\n\t") + c.line +
                                               "\r\n\tName=Kept\r\n}\r\n"));
        EXPECT_EQ(Forced(brick), c.forced);
        EXPECT_STREQ(brick.m_Name.GetText(), "Kept");
    }
}

TEST_F(PowerUpBrickTest, ListsAreWrittenOnlyWhenSetAndReadBack)
{
    CBrickPowerup plain;
    const std::string plainText = ObjectText(&plain);
    EXPECT_EQ(plainText.find("Power-Up"), std::string::npos) << plainText;
    EXPECT_EQ(plainText.find("Level Breakers"), std::string::npos) << plainText;

    CBrickPowerup brick;
    SetList(brick, "Forced Power-Ups", {FIRE, WIDE});
    SetList(brick, "Disallowed Power-Ups", {SLOW});
    brick.m_DisallowLevelBreakers = true;
    const std::string text = ObjectText(&brick);
    EXPECT_NE(text.find("Forced Power-Up=Wide"), std::string::npos) << text;
    EXPECT_NE(text.find("Disallowed=Slow"), std::string::npos) << text;
    CBrickPowerup read;
    ASSERT_TRUE(ReadObjectText(&read, text));
    EXPECT_EQ(Forced(read), (std::vector<int32_t>{FIRE, WIDE}));
    ASSERT_EQ(read.m_DisallowedCount, 1u);
    EXPECT_EQ(read.m_pDisallowed[0], SLOW);
    EXPECT_TRUE(read.m_DisallowLevelBreakers);
}

TEST_F(PowerUpBrickTest, AnOldFloatingBricksForcedKindJoinsTheList)
{
    CBrickPowerup brick;
    CFloatingBrick floating;
    floating.m_ForcedPowerUp = MULTI;
    brick.AddForcedPowerUpFrom(&floating);
    floating.m_ForcedPowerUp = NONE;
    brick.AddForcedPowerUpFrom(&floating);
    CBrickPowerup notFloating;
    brick.AddForcedPowerUpFrom(&notFloating);
    brick.AddForcedPowerUpFrom(nullptr);
    EXPECT_EQ(Forced(brick), std::vector<int32_t>{MULTI});
}

TEST_F(PowerUpBrickTest, TheEditorShowsTheForcedIconsInTurnAndCrossesARestrictedBrick)
{
    const NanosecondClock previous = SetNanosecondClock(&ManualClock);
    CBrickPowerup* brick = PowerUpBrick({100.4f, 50.6f});
    struct Case
    {
        std::vector<int32_t> forced;
        bool noLevelBreakers;
        std::vector<int32_t> disallowed;
        int64_t milliseconds;
        int32_t icon;
        bool crossed;
    };
    const Case cases[] = {
        {{}, false, {}, 0, NONE, false},
        {{FIRE, SLOW}, false, {}, 499, FIRE, false},
        {{FIRE, SLOW}, false, {}, 500, SLOW, false},
        {{FIRE, SLOW}, false, {}, 1000, FIRE, false},
        {{}, true, {}, 0, NONE, true},
        {{WIDE}, false, {MULTI}, 700, WIDE, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.milliseconds);
        SetList(*brick, "Forced Power-Ups", c.forced);
        SetList(*brick, "Disallowed Power-Ups", c.disallowed);
        brick->m_DisallowLevelBreakers = c.noLevelBreakers;
        s_Now = c.milliseconds * 1000000;
        CRecordingFrame frame;
        EditorDrawContext context{&frame, brick->GetSprite(), 0, false, 1, 0};
        brick->DrawEditorOverlay(context);

        std::vector<const CRecordingFrame::Call*> icons;
        std::vector<const CRecordingFrame::Call*> cross;
        for (const CRecordingFrame::Call& call : frame.calls)
        {
            if (call.kind == CRecordingFrame::BLIT)
                icons.push_back(&call);
            else if (call.kind == CRecordingFrame::LINE_AA && call.colour->m_Green == 0)
                cross.push_back(&call);
        }
        if (c.icon == NONE)
            EXPECT_TRUE(icons.empty());
        else
        {
            ASSERT_EQ(icons.size(), 1u);
            // The kind's own icon, on the sprite's rounded position.
            CRecordingFrame expected;
            GetPowerUpLibrary().GetItemObject(static_cast<uint32_t>(c.icon))->DrawIcon(100, 51, &expected);
            ASSERT_EQ(expected.calls.size(), 1u);
            EXPECT_EQ(icons[0]->source, expected.calls[0].source);
            EXPECT_EQ(icons[0]->x0, expected.calls[0].x0);
            EXPECT_EQ(icons[0]->y0, expected.calls[0].y0);
        }
        if (!c.crossed)
        {
            EXPECT_TRUE(cross.empty());
            continue;
        }
        ASSERT_EQ(cross.size(), 2u);
        EXPECT_EQ(cross[0]->colour->m_Red, 0);
        EXPECT_EQ(cross[0]->colour->m_Alpha, 255);
        EXPECT_FLOAT_EQ(cross[0]->x0, 80.4f);
        EXPECT_FLOAT_EQ(cross[0]->y0, 40.6f);
        EXPECT_FLOAT_EQ(cross[0]->x1, 120.4f);
        EXPECT_FLOAT_EQ(cross[0]->y1, 60.6f);
        EXPECT_FLOAT_EQ(cross[1]->x0, 80.4f);
        EXPECT_FLOAT_EQ(cross[1]->y0, 60.6f);
        EXPECT_FLOAT_EQ(cross[1]->x1, 120.4f);
        EXPECT_FLOAT_EQ(cross[1]->y1, 40.6f);
    }
    SetNanosecondClock(previous);
}

} // namespace
