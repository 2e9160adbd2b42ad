#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "engine/core/strings/ref_string.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "engine/object/class_info.h"
#include "engine/object/class_registry.h"
#include "engine/object/reference_visitor.h"
#include "game/bricks/action.h"
#include "game/bricks/background_library.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_layout.h"
#include "game/bricks/brick_normal.h"
#include "game/bricks/brick_plug_in.h"
#include "game/bricks/brick_plug_in_change_self.h"
#include "game/bricks/brick_powerup.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/bricks/round_library.h"
#include "game/bricks/round_set.h"
#include "game/bricks/round_set_library.h"
#include "game/playfield/power_up_base.h"
#include "tests/content/generated_content_fixture.h"
#include "tests/support/brick_test_field.h"

namespace {

constexpr const char* kStandardSet = "Vantrell Pellucine Standard";

// Every class met in a walk of an object and what it owns.
class CClassCollector : public CReferenceVisitor
{
public:
    void VisitObject(CObject* object) override { classes.insert(object->GetClassInfo()->GetClassName()); }
    void VisitListReference(int32_t, const Property*, void*) override {}

    std::set<std::string> classes;
};

// The generated content with the libraries a round reads armed over it,
// and the standard set loaded.
class StandardSetTest : public GeneratedContentTest
{
protected:
    void SetUp() override
    {
        GeneratedContentTest::SetUp();
        InitCatalogueLibrary(GetFrameList(), LIBRARY_FRAMES);
        InitBrickStyleSheetLibrary();
        InitCatalogueLibrary(GetPowerUpLibrary(), LIBRARY_POWER_UP);
        InitCatalogueLibrary(GetBackgroundLibrary(), LIBRARY_BACKGROUND_DEFINITION);
        InitCatalogueLibrary(GetRoundLibrary(), LIBRARY_ROUNDS);
        InitCatalogueLibrary(GetRoundSetLibrary(), LIBRARY_ROUND_SETS);
        const int32_t set = GetRoundSetLibrary().Find(kStandardSet, -1);
        ASSERT_NE(set, -1);
        m_pSet = GetRoundSetLibrary().GetItemObject(static_cast<uint32_t>(set));
        ASSERT_NE(m_pSet, nullptr);
    }

    // The classes every round of the set holds: its bricks', their
    // scripts' and those scripts' actions' and targets'.
    std::set<std::string> ClassesInRounds()
    {
        CClassCollector collector;
        for (uint32_t round = 0; round < m_pSet->GetRoundCount(); round++)
            m_pSet->GetRound(round)->VisitReferences(collector);
        return collector.classes;
    }

    // The classes of the style sheets the set's bricks name.
    std::set<std::string> StyleClassesInRounds()
    {
        std::set<std::string> classes;
        for (uint32_t round = 0; round < m_pSet->GetRoundCount(); round++)
        {
            const CBrickLayout* layout = m_pSet->GetRound(round);
            for (uint32_t i = 0; i < layout->GetBrickCount(); i++)
                classes.insert(layout->GetBrick(i)->GetStyleSheet()->GetClassInfo()->GetClassName());
        }
        return classes;
    }

    // The power-up kinds the set's Power-Up bricks force, by name.
    std::set<std::string> ForcedPowerUpsInRounds()
    {
        std::set<std::string> names;
        for (uint32_t round = 0; round < m_pSet->GetRoundCount(); round++)
        {
            const CBrickLayout* layout = m_pSet->GetRound(round);
            for (uint32_t i = 0; i < layout->GetBrickCount(); i++)
            {
                const auto* brick = dynamic_cast<const CBrickPowerup*>(layout->GetBrick(i));
                for (uint32_t f = 0; brick != nullptr && f < brick->m_ForcedCount; f++)
                    names.insert(GetPowerUpLibrary().GetNameString(static_cast<uint32_t>(brick->m_pForced[f])).GetText());
            }
        }
        return names;
    }

    CRoundSet* m_pSet = nullptr;
};

// Every concrete class derived from the base, less those left out.
std::set<std::string> CreatableClasses(const CClassInfo* base, const std::set<std::string>& leftOut = {})
{
    CDynamicArray<CClassInfo*> classes;
    ListCreatableClasses(base, classes);
    std::set<std::string> names;
    for (CClassInfo* info : classes)
    {
        if (leftOut.count(info->GetClassName()) == 0)
            names.insert(info->GetClassName());
    }
    return names;
}

// Names what the rounds lack, so a new kind is named until a round uses it.
std::string Missing(const std::set<std::string>& wanted, const std::set<std::string>& present)
{
    std::string missing;
    for (const std::string& name : wanted)
    {
        if (present.count(name) == 0)
            missing += name + " ";
    }
    return missing;
}

TEST_F(StandardSetTest, TheRoundsUseEveryStyleSheetPlugInAndActionClass)
{
    const std::set<std::string> inRounds = ClassesInRounds();
    // The change-self plug-in is the game's own, put in by bricks that
    // change their style after a delay; no level holds one. The recording
    // plug-in is the tests' own.
    const std::set<std::string> plugIns = CreatableClasses(
        CBrickPlugIn::SGetClassInfo(), {CBrickPlugInChangeSelfAfterDelay::SGetClassInfo()->GetClassName(),
                                        CRecordingPlugIn::SGetClassInfo()->GetClassName()});
    const std::set<std::string> actions = CreatableClasses(CAction::SGetClassInfo());
    const std::set<std::string> styles = CreatableClasses(CBrickStyleSheet::SGetClassInfo());
    EXPECT_EQ(Missing(plugIns, inRounds), "");
    EXPECT_EQ(Missing(actions, inRounds), "");
    EXPECT_EQ(Missing(styles, StyleClassesInRounds()), "");
}

// Between them the set's Power-Up bricks can hand out every kind the
// library holds; its placeholder, which means none, is no kind.
TEST_F(StandardSetTest, ThePowerUpBricksForceEveryPowerUpButThePlaceholder)
{
    std::set<std::string> library;
    for (uint32_t i = 0; i < GetPowerUpLibrary().GetCount(); i++)
        library.insert(GetPowerUpLibrary().GetNameString(i).GetText());
    ASSERT_EQ(library.count("!None"), 1u);
    library.erase("!None");
    ASSERT_FALSE(library.empty());
    const std::set<std::string> forced = ForcedPowerUpsInRounds();
    EXPECT_EQ(Missing(library, forced), "");
    EXPECT_EQ(forced.count("!None"), 0u);
}

TEST_F(StandardSetTest, TwelveRoundsInOrderWithTwoCheckpointsAndAPlainFirstRound)
{
    CString shown;
    m_pSet->GetDisplayName(shown);
    EXPECT_STREQ(shown.GetText(), "Standard");
    ASSERT_EQ(m_pSet->GetRoundCount(), 12u);
    for (uint32_t round = 0; round < 12; round++)
    {
        char name[64];
        std::snprintf(name, sizeof name, "Rounds/Standard/Round %02u", round + 1);
        EXPECT_EQ(m_pSet->GetRound(round),
                  GetRoundLibrary().GetItemObject(static_cast<uint32_t>(GetRoundLibrary().Find(name, -1))))
            << name;
    }
    EXPECT_EQ((m_pSet->GetRoundCount() - 1) / 10 + 1, 2u);
    // The first round teaches and holds no rings: five rings a round but
    // for it.
    EXPECT_EQ(m_pSet->GetRingTotal(), 55u);
    const CBrickLayout* first = m_pSet->GetRound(0);
    ASSERT_GT(first->GetBrickCount(), 0u);
    for (uint32_t i = 0; i < first->GetBrickCount(); i++)
        EXPECT_EQ(first->GetBrick(i)->GetClassInfo(), CBrickNormal::SGetClassInfo()) << i;
}

} // namespace
