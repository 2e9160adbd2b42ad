#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "content/content_items.h"
#include "content/content_tree.h"
#include "engine/core/lists/list_registry.h"
#include "engine/core/settings/paths.h"
#include "engine/object/libraries/library_catalogue.h"
#include "engine/object/object_files.h"
#include "game/bricks/background_definition.h"
#include "game/bricks/background_library.h"
#include "game/bricks/brick_layout.h"
#include "game/bricks/brick_nearly_indestructible.h"
#include "game/bricks/brick_normal.h"
#include "game/bricks/brick_style_sheet.h"
#include "tests/support/scoped_temp_folder.h"

namespace {

constexpr const char* kFixtureRound = "Lint Fixture Round";
constexpr const char* kFixtureRoundFile = "Resources/Lint Fixture Round.Vantrell";
constexpr const char* kFixtureSet = "Lint Fixture Set";
constexpr const char* kFixtureSetFile = "Resources/Lint Fixture Set.VantrellZK";

// The generated content, made once for every case.
const ScopedTempFolder& GeneratedContent()
{
    static ScopedTempFolder* s_pFolder = [] {
        auto* folder = new ScopedTempFolder;
        CContentTree tree;
        uint32_t changed = 0;
        EXPECT_TRUE(GenerateContent(folder->Path(), tree, changed));
        return folder;
    }();
    return *s_pFolder;
}

struct LintRun
{
    int exitCode = -1;
    std::string output;
};

LintRun RunLint(const std::string& dataFolder)
{
    const std::string command = std::string("'") + VP_CONTENT_LINT_PROGRAM + "' '" + dataFolder + "' '" +
                                VP_CONTENT_ITEM_TABLE + "' 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    LintRun run;
    char buffer[512];
    while (pipe != nullptr && std::fgets(buffer, sizeof buffer, pipe))
        run.output += buffer;
    const int status = pipe != nullptr ? pclose(pipe) : -1;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// What breaks a copy: a change to the data folder.
typedef std::function<void(const std::filesystem::path& data)> Breakage;

Breakage Removing(const char* file)
{
    return [file](const std::filesystem::path& data) { ASSERT_TRUE(std::filesystem::remove(data / file)) << file; };
}

Breakage Writing(const char* file, const char* text)
{
    return [file, text](const std::filesystem::path& data) {
        std::FILE* out = std::fopen((data / file).c_str(), "wb");
        ASSERT_NE(out, nullptr) << file;
        std::fputs(text, out);
        std::fclose(out);
    };
}

// Cuts a file's text from the first "from" up to the next "upTo" after it,
// as a designer deleting a block in a text editor would.
Breakage CuttingOut(const char* file, const char* from, const char* upTo)
{
    return [file, from, upTo](const std::filesystem::path& data) {
        std::ifstream in(data / file, std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        in.close();
        const size_t start = text.find(from);
        ASSERT_NE(start, std::string::npos) << file;
        const size_t end = text.find(upTo, start + std::strlen(from));
        ASSERT_NE(end, std::string::npos) << file;
        text.erase(start, end - start);
        std::ofstream(data / file, std::ios::binary) << text;
    };
}

// How the fixture round and set are written; each broken case changes one.
struct FixtureRules
{
    const char* background = "Backgrounds/Arena";
    bool automaticThumbnail = false;
    bool normalBricks = true;
    bool withRounds = true;
};

// A copy of the generated data folder holding one round set of one round,
// written by the object model as the level editor saves them, with the two
// backgrounds the round may name (the content's own where it has them).
class ContentLint : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_PreviousDataFolder = GetDataFolder();
        std::filesystem::copy(GeneratedContent().Path() + "Data", Data(), std::filesystem::copy_options::recursive);
        SetDataFolder(Data().c_str());
    }

    void TearDown() override
    {
        GetListRegistry().DisposeAll();
        SetDataFolder(m_PreviousDataFolder.c_str());
    }

    std::string Data() const { return m_Folder.Path() + "Data"; }

    void WriteBackground(const char* name, bool showScoreboard)
    {
        const std::string file = std::string("Resources/") + name + ".Background";
        if (std::filesystem::exists(Data() + "/" + file))
            return;
        CBackgroundDefinition background;
        background.SetDefaults();
        background.m_ShowScoreboard = showScoreboard;
        ASSERT_TRUE(SaveObjectToFile(&background, file.c_str(), 0));
    }

    void WriteFixture(const FixtureRules& rules)
    {
        WriteBackground("Backgrounds/Arena", true);
        WriteBackground("Backgrounds/Menu", false);
        InitCatalogueLibrary(GetBackgroundLibrary(), LIBRARY_BACKGROUND_DEFINITION);
        InitCatalogueLibrary(GetBrickStyleSheetLibrary(), LIBRARY_BRICK_STYLE_SHEET);
        const int32_t background = GetBackgroundLibrary().Find(rules.background, -1);
        const int32_t blue = GetBrickStyleSheetLibrary().Find("Common/Blue", -1);
        const int32_t steel = GetBrickStyleSheetLibrary().Find("Common/Steel", -1);
        ASSERT_NE(background, -1);
        ASSERT_NE(blue, -1);
        ASSERT_NE(steel, -1);

        CBrickLayout level;
        level.SetDefaults();
        level.m_Background = background;
        level.m_AutomaticThumbnail = rules.automaticThumbnail;
        for (int32_t i = 0; i < 4; i++)
        {
            CBrickBase* brick = rules.normalBricks && i < 3 ? static_cast<CBrickBase*>(new CBrickNormal)
                                                            : new CBrickNearlyIndestructible;
            brick->SetDefaults();
            brick->m_StyleSheet = rules.normalBricks && i < 3 ? blue : steel;
            brick->m_StartPosition = Vector2{80.0f + 46.0f * static_cast<float>(i), 160.0f};
            level.AppendBrick(brick);
        }
        ASSERT_TRUE(SaveObjectToFile(&level, kFixtureRoundFile, 0));
        m_Folder.WriteFile(std::string("Data/") + kFixtureSetFile,
                           std::string("CRoundSetSeparateFiles\r\n{\r\n") +
                               (rules.withRounds ? std::string("\tRound=") + kFixtureRound + "\r\n" : "") + "}\r\n");
    }

    ScopedTempFolder m_Folder;
    std::string m_PreviousDataFolder;
};

TEST_F(ContentLint, TheGeneratedFolderWithASoundSetPasses)
{
    WriteFixture(FixtureRules{});
    const LintRun run = RunLint(Data());
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("0 problem(s)"), std::string::npos) << run.output;
}

// A broken copy of the content: what is broken, how, and the report it
// must give.
struct BrokenCopy
{
    const char* what;
    FixtureRules rules;
    Breakage breakIt;
    // The start of the line that reports it: "file: item: ".
    const char* reported;
    const char* because;
};

const Breakage kNothingMore = [](const std::filesystem::path&) {};

const BrokenCopy kBrokenCopies[] = {
    {"PlaceholderStyleRemoved", {}, Removing("Resources/Brick Style Sheets/!None.BrickStyleSheet"),
     "Resources/Brick Style Sheets/Ball Accelerator.BrickStyleSheet: Ball Accelerator: ",
     "is not its placeholder \"!None\""},
    {"PlaceholderPageRemoved", {}, Removing("Resources/!None.Tutorial.txt"),
     "Resources/Starfish.Tutorial.txt: Starfish: ", "is not its placeholder \"!None\""},
    {"SilenceRemoved", {}, Removing("Sounds/!Silence.wav"), "Sounds/Ball In Play.wav: Ball In Play.wav: ",
     "is not its placeholder \"!Silence.wav\""},
    {"RoundNamingAMissingStyle", {}, Removing("Resources/Brick Style Sheets/Common/Steel.BrickStyleSheet"),
     "Resources/Lint Fixture Round.Vantrell: Lint Fixture Round: ", "\"Common/Steel\""},
    {"SetRoundOnTheMenuBackground", {.background = "Backgrounds/Menu"}, kNothingMore,
     "Resources/Lint Fixture Round.Vantrell: Lint Fixture Round: ", "\"Show Scoreboard\" is off"},
    {"AutomaticThumbnail", {.automaticThumbnail = true}, kNothingMore,
     "Resources/Lint Fixture Round.Vantrell: Lint Fixture Round: ", "\"Automatic Thumbnail\" is on"},
    {"RoundWithNoBrickToDestroy", {.normalBricks = false}, kNothingMore,
     "Resources/Lint Fixture Round.Vantrell: Lint Fixture Round: ", "no brick must be destroyed"},
    {"SetWithoutRounds", {.withRounds = false}, kNothingMore,
     "Resources/Lint Fixture Set.VantrellZK: Lint Fixture Set: ", "the set has no round"},
    {"OldBrickFile", {}, Writing("Resources/Old Wall.Brick", "CBrickInfo\r\n{\r\n}\r\n"),
     "Resources/Old Wall.Brick: Old Wall: ", "an old brick definition"},
    {"CoinRoundWithFourCoins", {}, CuttingOut("Resources/Rounds/Five Rings.Vantrell", "Brick=CBrickCoin", "Brick="),
     "Resources/Rounds/Five Rings.Vantrell: Rounds/Five Rings: ", "the round holds 4 coins"},
    {"ListedNameMissing", {}, Removing("Sounds/Brick Placed.wav"),
     "Sounds/Brick Placed.wav: Sounds/Brick Placed.wav: ", "the data folder does not hold it"},
};

class ContentLintBroken : public ContentLint, public ::testing::WithParamInterface<BrokenCopy>
{
};

TEST_P(ContentLintBroken, FailsNamingTheFileAndItem)
{
    const BrokenCopy& c = GetParam();
    WriteFixture(c.rules);
    c.breakIt(Data());
    GetListRegistry().DisposeAll();
    const LintRun run = RunLint(Data());
    EXPECT_EQ(run.exitCode, 1) << run.output;
    const std::string lines = "\n" + run.output;
    const size_t line = lines.find(std::string("\n") + c.reported);
    ASSERT_NE(line, std::string::npos) << run.output;
    const std::string reportLine = lines.substr(line + 1, lines.find('\n', line + 1) - line - 1);
    EXPECT_NE(reportLine.find(c.because), std::string::npos) << reportLine;
}

INSTANTIATE_TEST_SUITE_P(Copies, ContentLintBroken, ::testing::ValuesIn(kBrokenCopies),
                         [](const ::testing::TestParamInfo<BrokenCopy>& info) { return info.param.what; });

} // namespace
