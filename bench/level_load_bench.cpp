#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "content/content_items.h"
#include "content/content_tree.h"
#include "engine/core/files/file.h"
#include "engine/core/lists/list_registry.h"
#include "engine/core/settings/paths.h"
#include "engine/object/libraries/library_catalogue.h"
#include "engine/object/object_files.h"
#include "game/bricks/background_library.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_layout.h"
#include "game/bricks/brick_plug_in_waits.h"
#include "game/bricks/round_library.h"
#include "game/bricks/round_set.h"
#include "game/bricks/round_set_library.h"
#include "game/playfield/playfield.h"
#include "tests/support/brick_data.h"
#include "tests/support/object_forms.h"
#include "tests/support/scoped_temp_folder.h"

// Starting a round from its level file: a level of 150 bricks (every third
// one scripted, a few placed beyond the play area for the repair to bring
// back) read from its file, repaired and instantiated for play, which is
// what the brick-laying machine waits for. Beside it the same text read
// from memory by the object reader into the same classes (with the repair
// every load runs, without instantiation), and the file's bytes read whole
// through CFile, the floor any loader stands on. The second input is the
// largest round the game ships, from the generated standard set: the same
// load, repair and instantiation over real styles, themes and scripts.
// Items are bricks.

namespace {

constexpr int32_t kBricks = 150;
constexpr int32_t kColumns = 15;
const char kLevelName[] = "Resources/Bench.Vantrell";

std::string MakeLevelText()
{
    CBrickLayout level;
    for (int32_t i = 0; i < kBricks; i++)
    {
        CBrickBase* brick = static_cast<CBrickBase*>(GetClassRegistry().CreateByName("CBrickNormal"));
        brick->m_StyleSheet = ScopedBrickData::StyleIndex(i % 2 == 0 ? "Normal" : "Optional");
        const float beyond = i % 25 == 0 ? 700.0f : 0.0f;
        brick->m_StartPosition = {20.0f + 40.0f * static_cast<float>(i % kColumns) + beyond,
                                  20.0f + 22.0f * static_cast<float>(i / kColumns)};
        brick->m_Name = level.MakeUniqueBrickName(CString());
        if (i % 3 == 0)
            brick->GetPlugIns().AddPlugIn(new CBrickPlugInWaitXSeconds);
        level.AppendBrick(brick);
    }
    return ObjectText(&level);
}

// A data folder with the bricks' style sheets, a framed background, a
// playfield and the level's file.
class CLevelBenchField
{
public:
    CLevelBenchField()
    {
        GetBackgroundLibrary().AddItemWithObject(new CBackgroundDefinition, "Space/Framed");
        m_pPlayfield = std::make_unique<CPlayfield>();
        m_Text = MakeLevelText();
        m_Data.GetFolder().WriteFile(std::string("Data/") + kLevelName, m_Text);
    }

    ~CLevelBenchField()
    {
        m_pPlayfield.reset();
        GetBackgroundLibrary().DeleteAllItems();
    }

    const std::string& GetText() const { return m_Text; }

private:
    ScopedBrickDataFolder m_Data;
    std::unique_ptr<CPlayfield> m_pPlayfield;
    std::string m_Text;
};

// The generated content, its libraries armed as the generator leaves
// them, and the level file of the standard set's round with most bricks.
class CStandardRoundBenchField
{
public:
    CStandardRoundBenchField()
        : m_PreviousDataFolder(GetDataFolder())
    {
        CContentTree tree;
        uint32_t changed = 0;
        if (!GenerateContent(m_Folder.Path(), tree, changed))
            return;
        InitCatalogueLibrary(GetRoundSetLibrary(), LIBRARY_ROUND_SETS);
        const int32_t setIndex = GetRoundSetLibrary().Find("Vantrell Pellucine Standard", -1);
        if (setIndex < 0)
            return;
        CRoundSet* set = GetRoundSetLibrary().GetItemObject(static_cast<uint32_t>(setIndex));
        CResourceLibrary<CBrickLayout>& rounds = GetRoundLibrary();
        for (uint32_t i = 0; i < set->GetRoundCount(); i++)
        {
            CBrickLayout* round = set->GetRound(i);
            if (round->GetBrickCount() <= m_Bricks)
                continue;
            m_Bricks = round->GetBrickCount();
            const uint32_t index = static_cast<uint32_t>(rounds.IndexOfObject(round));
            m_LevelName = std::string("Resources/") + rounds.GetNameString(index).GetText() + ".Vantrell";
        }
        m_pPlayfield = std::make_unique<CPlayfield>();
    }

    ~CStandardRoundBenchField()
    {
        m_pPlayfield.reset();
        GetListRegistry().DisposeAll();
        SetDataFolder(m_PreviousDataFolder.c_str());
    }

    const std::string& GetLevelName() const { return m_LevelName; }
    uint32_t GetBrickCount() const { return m_Bricks; }

private:
    std::string m_PreviousDataFolder;
    ScopedTempFolder m_Folder;
    std::unique_ptr<CPlayfield> m_pPlayfield;
    std::string m_LevelName;
    uint32_t m_Bricks = 0;
};

void CountBricks(benchmark::State& state)
{
    state.SetItemsProcessed(state.iterations() * kBricks);
}

void BM_LevelLoadRepairInstantiate(benchmark::State& state)
{
    CLevelBenchField field;
    for (auto _ : state)
    {
        std::unique_ptr<CObject> loaded(LoadObjectFromFile(kLevelName, 0, false, nullptr));
        CBrickLayout* level = static_cast<CBrickLayout*>(loaded.get());
        if (level == nullptr || level->GetBrickCount() != kBricks)
        {
            state.SkipWithError("the level did not load");
            break;
        }
        level->InstantiateForPlay(true);
    }
    CountBricks(state);
}
BENCHMARK(BM_LevelLoadRepairInstantiate);

void BM_StandardRoundLoadRepairInstantiate(benchmark::State& state)
{
    CStandardRoundBenchField field;
    for (auto _ : state)
    {
        std::unique_ptr<CObject> loaded(LoadObjectFromFile(field.GetLevelName().c_str(), 0, false, nullptr));
        CBrickLayout* level = static_cast<CBrickLayout*>(loaded.get());
        if (level == nullptr || level->GetBrickCount() != field.GetBrickCount())
        {
            state.SkipWithError("the standard round did not load");
            break;
        }
        level->InstantiateForPlay(true);
    }
    state.SetItemsProcessed(state.iterations() * field.GetBrickCount());
}
BENCHMARK(BM_StandardRoundLoadRepairInstantiate);

void BM_LevelObjectReader(benchmark::State& state)
{
    CLevelBenchField field;
    for (auto _ : state)
    {
        std::unique_ptr<CObject> level = ObjectFromText(field.GetText());
        if (level == nullptr)
        {
            state.SkipWithError("the level did not read");
            break;
        }
    }
    CountBricks(state);
}
BENCHMARK(BM_LevelObjectReader);

void BM_LevelFileBytes(benchmark::State& state)
{
    CLevelBenchField field;
    std::vector<uint8_t> bytes(field.GetText().size());
    for (auto _ : state)
    {
        CFile file;
        if (!file.Open(kLevelName, OPEN_READ | OPEN_WHOLE_FILE) ||
            file.Read(bytes.data(), static_cast<uint32_t>(bytes.size())) != bytes.size())
        {
            state.SkipWithError("the file did not read");
            break;
        }
        benchmark::DoNotOptimize(bytes.data());
    }
    CountBricks(state);
}
BENCHMARK(BM_LevelFileBytes);

} // namespace
