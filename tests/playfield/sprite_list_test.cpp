#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/graphics/sequence.h"
#include "game/playfield/sprite.h"
#include "game/playfield/sprite_list.h"
#include "tests/support/sprite_fixtures.h"

namespace {

// Appends a fresh sprite to a list from inside its own update.
class CSpawningAI : public CLoggingAI
{
public:
    CSpawningAI(std::vector<std::string>* log, CSpriteList* list)
        : CLoggingAI(log, "spawner")
        , m_pList(list)
    {
    }

    void Update(CSprite* sprite, int32_t argument) override
    {
        CLoggingAI::Update(sprite, argument);
        if (m_pList == nullptr)
            return;
        CSprite* child = new CSprite;
        child->AddAI(new CLoggingAI(m_pLog, "child"));
        m_pList->Append(child);
        m_pList = nullptr;
    }

    CSpriteList* m_pList;
};

std::vector<CSprite*> Members(const CSpriteList& list)
{
    std::vector<CSprite*> members;
    for (CSprite* sprite = list.GetHead(); sprite != nullptr; sprite = sprite->GetNext())
        members.push_back(sprite);
    return members;
}

TEST(SpriteList, ASpriteThatKillsItselfIsUpdatedOnceAndGoneAfterThePass)
{
    std::vector<std::string> log;
    CSpriteList list;
    CSprite* sprite = new CSprite;
    CLoggingAI* behaviour = new CLoggingAI(&log, "a");
    behaviour->m_KillInUpdate = true;
    sprite->AddAI(behaviour);
    list.Append(sprite);
    log.clear();
    list.UpdateAndReap();
    EXPECT_EQ(log, std::vector<std::string>{"a:update0"});
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.GetHead(), nullptr);
    EXPECT_EQ(list.GetTail(), nullptr);
}

TEST(SpriteList, ASpriteAppendedDuringThePassIsUpdatedInIt)
{
    std::vector<std::string> log;
    CSpriteList list;
    CSprite* first = new CSprite;
    first->AddAI(new CSpawningAI(&log, &list));
    list.Append(first);
    CSprite* last = new CSprite;
    last->AddAI(new CLoggingAI(&log, "last"));
    list.Append(last);
    log.clear();
    list.UpdateAndReap();
    EXPECT_EQ(log, (std::vector<std::string>{"spawner:update0", "child:attach", "last:update0", "child:update0"}));
    EXPECT_EQ(list.Count(), 3);
}

TEST(SpriteList, OnlyTheDeadAreReapedInOrder)
{
    CSpriteList list;
    std::vector<CSprite*> sprites;
    for (int i = 0; i < 5; i++)
    {
        sprites.push_back(new CSprite);
        list.Append(sprites.back());
    }
    sprites[0]->Kill();
    sprites[2]->Kill();
    sprites[4]->Kill();
    list.UpdateAndReap();
    EXPECT_EQ(Members(list), (std::vector<CSprite*>{sprites[1], sprites[3]}));
    EXPECT_EQ(list.GetTail(), sprites[3]);
    EXPECT_EQ(sprites[3]->GetPrevious(), sprites[1]);
}

TEST(SpriteList, PrependReplaceUnlinkAndCount)
{
    CSpriteList list;
    CSprite* a = new CSprite;
    CSprite* b = new CSprite;
    CSprite* c = new CSprite;
    list.Append(b);
    list.Prepend(a);
    list.Append(c);
    EXPECT_EQ(Members(list), (std::vector<CSprite*>{a, b, c}));
    EXPECT_EQ(list.Count(), 3);

    for (CSprite* old : {a, c, b})
    {
        CSprite* replacement = new CSprite;
        list.Replace(old, replacement);
        EXPECT_EQ(list.Count(), 3);
        EXPECT_EQ(old->GetNext(), nullptr);
        EXPECT_EQ(old->GetPrevious(), nullptr);
        delete old;
    }
    std::vector<CSprite*> members = Members(list);
    EXPECT_EQ(list.GetHead(), members.front());
    EXPECT_EQ(list.GetTail(), members.back());
    EXPECT_EQ(members[1]->GetPrevious(), members[0]);
    EXPECT_EQ(members[1]->GetNext(), members[2]);

    CSprite stranger;
    CSpriteList other;
    CSprite* otherMember = new CSprite;
    other.Append(otherMember);
    list.Unlink(&stranger);
    list.Unlink(otherMember);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(other.Count(), 1);

    list.Unlink(members[1]);
    EXPECT_EQ(Members(list), (std::vector<CSprite*>{members[0], members[2]}));
    delete members[1];
    list.DeleteAll();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.GetTail(), nullptr);
}

TEST(SpriteList, DrawPassesReachEverySpriteInOrder)
{
    std::vector<std::string> log;
    CSpriteList list;
    for (const char* name : {"a", "b"})
    {
        CSprite* sprite = new CSprite;
        sprite->AddAI(new CLoggingAI(&log, name));
        list.Append(sprite);
    }
    log.clear();
    list.DrawShadows(nullptr);
    list.Draw(nullptr);
    list.DrawOverlays(nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"a:shadow", "b:shadow", "a:draw", "b:draw", "a:overlay", "b:overlay"}));
}

struct PairLog
{
    std::vector<std::pair<CSprite*, CSprite*>> pairs;
};

void LogPair(CSprite* first, CSprite* second, void* data)
{
    static_cast<PairLog*>(data)->pairs.emplace_back(first, second);
}

TEST(SpriteList, CollidePairsOfAListWithItselfTestsEachPairOnce)
{
    std::unique_ptr<CSequence> sequence(MakeSolidSequence(1, 8, 8, 5));
    CSpriteList list;
    std::vector<CSprite*> sprites;
    for (float x : {0.0f, 2.0f, 4.0f})
    {
        CSprite* sprite = new CSprite;
        sprite->SetSequence(sequence.get());
        sprite->SetPosition(Vector2{x, 0.0f});
        sprites.push_back(sprite);
        list.Append(sprite);
    }
    PairLog first;
    PairLog second;
    EXPECT_TRUE(list.CollidePairs(LogPair, &first, list, LogPair, &second));
    CSprite* a = sprites[0];
    CSprite* b = sprites[1];
    CSprite* c = sprites[2];
    using Pairs = std::vector<std::pair<CSprite*, CSprite*>>;
    EXPECT_EQ(first.pairs, (Pairs{{a, b}, {a, c}, {b, c}}));
    EXPECT_EQ(second.pairs, (Pairs{{b, a}, {c, a}, {c, b}}));
}

TEST(SpriteList, CollidePairsSkipsInactiveSpritesOfThisListAndTakesMissingCallbacks)
{
    std::unique_ptr<CSequence> sequence(MakeSolidSequence(1, 8, 8, 5));
    CSpriteList balls;
    CSpriteList bricks;
    CSprite* ball = new CSprite;
    CSprite* brick = new CSprite;
    ball->SetSequence(sequence.get());
    brick->SetSequence(sequence.get());
    balls.Append(ball);
    bricks.Append(brick);
    PairLog log;
    EXPECT_TRUE(balls.CollidePairs(nullptr, nullptr, bricks, LogPair, &log));
    EXPECT_EQ(log.pairs.size(), 1u);
    EXPECT_EQ(log.pairs[0].first, brick);
    ball->SetActive(false);
    EXPECT_FALSE(balls.CollidePairs(LogPair, &log, bricks, nullptr, nullptr));
    EXPECT_EQ(log.pairs.size(), 1u);
}

} // namespace
