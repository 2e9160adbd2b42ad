// Bricks and brick style sheets are read from level files and the style
// sheet library, then played: bound to sprites, hit, moved, exploded and
// saved again. The first byte picks the class from the table below; the
// rest, up to a 0 byte, is the object's text block. A style sheet is read
// into the library's item of its class, so a brick of its kind then plays
// with it; a brick is read as it stands (any style index, position and
// script) beside a few ordinary neighbours, in a field of named bricks
// (two of them refuse to be destroyed), a path and a position marker that
// scripts may name. The bytes after the 0 then drive the field: frames,
// sequences pushed on by name, destruction attempts and hits. Broken text
// ends in the fatal report, which is the end of that input; anything else
// a sanitizer sees is a finding.

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/app/game_base.h"
#include "engine/app/sound/sound_manager.h"
#include "engine/core/settings/paths.h"
#include "engine/object/class_registry.h"
#include "engine/object/object_files.h"
#include "fuzz/support/fuzz_input.h"
#include "game/bricks/advance_to_next_item_in_sequence.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_path_polygon.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/playfield/first_behaviour.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/playfield.h"
#include "tests/support/brick_data.h"
#include "tests/support/brick_test_field.h"
#include "tests/support/manual_audio_output.h"
#include "tests/support/object_forms.h"

namespace {

// A class, and for a style sheet the library item whose object it is read
// into. The kinds add their pairs here.
struct CFuzzedClass
{
    const char* className;
    const char* styleItem;
};

const CFuzzedClass kClasses[] = {
    {"CBrickNormal", nullptr},
    {"CBrickOptional", nullptr},
    {"CBrickNearlyIndestructible", nullptr},
    {"CBrickShredder", nullptr},
    {"CBrickStyleSheetNormal", "Quiet"},
    {"CBrickStyleSheetOptional", "Optional"},
    {"CBrickStyleSheetNearlyIndestructible", "Indestructible"},
    {"CBrickStyleSheetShredder", "Shredder"},
    {"CBrickBallDeflector", nullptr},
    {"CBrickBallFactory", nullptr},
    {"CBrickFloatingBall", nullptr},
    {"CBrickFactory", nullptr},
    {"CBrickFactoryShutdown", nullptr},
    {"CBrickNHitSide", nullptr},
    {"CBrickNudge", nullptr},
    {"CBrickRail", nullptr},
    {"CBrickMagnetic", nullptr},
    {"CBrickOnOff", nullptr},
    {"CBrickSwitch", nullptr},
    {"CBrickPathPolygon", nullptr},
    {"CBrickPositionMarker", nullptr},
    {"CBrickStyleSheetBallDeflector", "Ball Deflector"},
    {"CBrickStyleSheetBallFactory", "Ball Factory"},
    {"CBrickStyleSheetFloatingBall", "Floating Ball"},
    {"CBrickStyleSheetFactory", "Factory"},
    {"CBrickStyleSheetFactoryShutdown", "Factory Shutdown"},
    {"CBrickStyleSheetNHitSide", "N Hit"},
    {"CBrickStyleSheetNudge", "Nudge"},
    {"CBrickStyleSheetRail", "Rail"},
    {"CBrickStyleSheetMagnetic", "Magnet North"},
    {"CBrickStyleSheetOnOff", "Detonator"},
    {"CBrickStyleSheetSwitch", "Switch"},
    {"CBrickStyleSheetPathPolygon", "Path"},
    {"CBrickStyleSheetPositionMarker", "Position Marker"},
    {"CBrickPowerup", nullptr},
    {"CBrickSplitN", nullptr},
    {"CBrickSpeedChange", nullptr},
    {"CBrickStyleSheetPowerup", "Power-Up"},
    {"CBrickStyleSheetSplitN", "Splitter Sequence"},
    {"CBrickStyleSheetSpeedChange", "Speed Changer"},
    {"CBrickTeleporter", nullptr},
    {"CBrickTrappedBall", nullptr},
    {"CBrickStyleSheetTeleporter", "Teleporter Entrance"},
    {"CBrickStyleSheetTrappedBall", "Trapped Ball"},
    {"CBrickCoin", nullptr},
    {"CBrickStyleSheetCoin", "Coin"},
    {"CBrickChangeArea", nullptr},
    {"CBrickConcussion", nullptr},
    {"CBrickExploder", nullptr},
    {"CBrickStyleSheetChangeArea", "Change Area"},
    {"CBrickStyleSheetConcussion", "Concussion"},
    {"CBrickStyleSheetExploder", "Exploder"},
    {"CBrickStarfishGoal", nullptr},
    {"CBrickStyleSheetStarfishGoal", "Starfish Goal"},
};

constexpr size_t kMaxControlBytes = 600;
constexpr int32_t kFramesAtLeast = 120;

// The game object runs the deferred deletions of bricks a script replaced.
class CFuzzGame : public CGameBase
{
};

// The data, the playfield and the hitter, made once for the process.
struct CBrickFuzzWorld
{
    CBrickFuzzWorld()
    {
        std::filesystem::current_path(GetFuzzFolder());
        std::filesystem::create_directories("Data");
        SetDataFolder("Data");
        GetSoundManager().Init();
        GetSoundManager().SetSoundLimit(16);
        // Ball bricks release balls, which show the game's ball pictures.
        AddPlayfieldSequences(sequences);
        data = std::make_unique<ScopedBrickData>(GetFuzzFolder());
        ArmGeneralObjectsForPlay(GetFuzzFolder());
        playfield = std::make_unique<CPlayfield>();
        hitter = new CTestHitter;
        hitter->m_pSprite = &hitterSprite;
        hitterSprite.AddAI(hitter);
    }

    ScopedManualAudio audio;
    ListedSequences sequences;
    std::unique_ptr<ScopedBrickData> data;
    CFuzzGame game;
    std::unique_ptr<CPlayfield> playfield;
    CGameSprite hitterSprite;
    CTestHitter* hitter;
};

CBrickFuzzWorld& World()
{
    static CBrickFuzzWorld* world = new CBrickFuzzWorld;
    return *world;
}

CBrickBase* Place(CBrickBase* brick, const Vector2& startPosition)
{
    brick->m_StartPosition = startPosition;
    CGameSprite* sprite = new CGameSprite;
    brick->AttachToSprite(sprite);
    sprite->SetActive(true);
    World().playfield->m_pBricks->Append(sprite);
    return brick;
}

CBrickBase* MakeBrick(const char* className, int32_t style)
{
    auto* brick = static_cast<CBrickBase*>(GetClassRegistry().CreateByName(className));
    brick->m_StyleSheet = style;
    return brick;
}

// What scripts may name: "Gate" breaks, "GATE" and "Keep" refuse to, a
// curved closed path, a marker and a teleporter Exit that entrances of its
// group send the hitter to.
void PlaceNamedField()
{
    const int32_t quiet = ScopedBrickData::StyleIndex("Quiet");
    auto named = [](CBrickBase* brick, const char* name, const Vector2& at) {
        brick->m_Name = name;
        Place(brick, at);
    };
    named(MakeBrick("CBrickNormal", quiet), "Gate", {60.0f, 60.0f});
    for (const auto& [name, x] : {std::pair{"GATE", 140.0f}, std::pair{"Keep", 220.0f}})
    {
        auto* refusing = new CScriptedBrick;
        refusing->m_StyleSheet = quiet;
        refusing->m_DestroyedAnswer = 2;
        named(refusing, name, {x, 60.0f});
    }
    auto* path = static_cast<CBrickPathPolygon*>(MakeBrick("CBrickPathPolygon", ScopedBrickData::StyleIndex("Path")));
    for (const Vector2& point : {Vector2{0.0f, 0.0f}, Vector2{120.0f, 0.0f}, Vector2{120.0f, 90.0f},
                                 Vector2{0.0f, 90.0f}, Vector2{0.0f, 0.0f}})
        path->m_Polygon.InsertPoint(point.x, point.y, -1);
    path->m_CurvedPath = true;
    named(path, "Path", {300.0f, 300.0f});
    named(MakeBrick("CBrickPositionMarker", ScopedBrickData::StyleIndex("Position Marker")), "Marker",
          {400.0f, 60.0f});
    named(MakeBrick("CBrickTeleporter", ScopedBrickData::StyleIndex("Teleporter Exit")), "Exit", {480.0f, 60.0f});
}

std::vector<CBrickBase*> LiveBricks()
{
    std::vector<CBrickBase*> bricks;
    for (CSprite* sprite = World().playfield->m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
    {
        CBrickBase* brick = FirstBehaviourAs<CBrickBase>(sprite);
        if (brick != nullptr && !sprite->IsDead())
            bricks.push_back(brick);
    }
    return bricks;
}

// A frame of the field: the deferred deletions, then the bricks, which
// delete the dead ones.
void RunFrame()
{
    World().game.Update(CPlayfield::kStepSeconds);
    World().playfield->m_pBricks->UpdateAndReap();
}

void Control(uint8_t byte)
{
    const char* const names[] = {"Gate", "gate", "Keep", "Marker"};
    const uint32_t pick = byte >> 2;
    switch (byte & 3)
    {
    case 0:
        RunFrame();
        break;
    case 1:
    {
        CAdvanceToNextItemInSequence advance;
        advance.m_BrickWithSequence.m_Name = names[pick % 4];
        bool handled = false;
        advance.Execute(handled);
        break;
    }
    default:
    {
        const std::vector<CBrickBase*> bricks = LiveBricks();
        if (bricks.empty())
            break;
        CBrickBase* brick = bricks[pick % bricks.size()];
        if ((byte & 3) == 2)
            brick->Destroy(BrickDestroyInfo{nullptr, (pick & 1) != 0});
        else
            brick->HitByBallOrShot(World().hitter, Vector2{0.0f, (pick & 1) != 0 ? 1.0f : -1.0f});
        break;
    }
    }
}

// The field after the object's play: the control bytes, then enough frames
// for every timer the script started to run.
void DriveField(const uint8_t* controls, size_t count)
{
    for (size_t i = 0; i < std::min(count, kMaxControlBytes); i++)
        Control(controls[i]);
    for (int32_t i = 0; i < kFramesAtLeast; i++)
        RunFrame();
}

// The brick among neighbours: told the round starts, hit 30 times, 60 steps of play with shoves
// and a hard move, then exploded.
void Play(CBrickBase* brick)
{
    CPlayfield& playfield = *World().playfield;
    brick->OnRoundStart();
    const Vector2 centre = brick->GetStartCenter();
    const int32_t normal = ScopedBrickData::StyleIndex("Quiet");
    const Vector2 around[] = {{-40.5f, 0.0f}, {40.5f, 0.0f}, {0.0f, 22.5f}, {0.0f, -22.5f}};
    for (const Vector2& offset : around)
        Place(MakeBrick("CBrickNormal", normal), {centre.x + offset.x - 34.0f, centre.y + offset.y - 23.0f});
    for (int32_t i = 0; i < 30 && !brick->IsDestroyed(); i++)
        brick->HitByBallOrShot(World().hitter, {0.0f, i % 2 == 0 ? 1.0f : -1.0f});
    for (int32_t step = 0; step < 60; step++)
    {
        if (step % 10 == 0 && !brick->IsDestroyed())
            CombineMotion(brick, {static_cast<float>(step % 7) - 3.0f, 1.5f});
        if (step == 30 && !brick->IsDestroyed())
            brick->Move({2.0f, 0.0f}, true, true);
        // Dead bricks stay listed, and so allocated, until the input ends.
        for (CSprite* sprite = playfield.m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
        {
            if (!sprite->IsDead())
                sprite->Update();
        }
    }
    brick->DestroyByExplosion(1.0f, 0.0f);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    CBrickFuzzWorld& world = World();
    const CFuzzedClass& picked = kClasses[data[0] % (sizeof(kClasses) / sizeof(kClasses[0]))];
    const auto* end = static_cast<const uint8_t*>(std::memchr(data + 1, 0, size - 1));
    const size_t textSize = end != nullptr ? static_cast<size_t>(end - data) - 1 : size - 1;
    const uint8_t* controls = end != nullptr ? end + 1 : data + size;
    const size_t controlCount = static_cast<size_t>(data + size - controls);
    const std::string text =
        std::string(picked.className) + "\r\n" + std::string(reinterpret_cast<const char*>(data) + 1, textSize);
    PlaceNamedField();
    if (picked.styleItem != nullptr)
    {
        const int32_t index = ScopedBrickData::StyleIndex(picked.styleItem);
        CBrickStyleSheet* styleSheet = GetBrickStyleSheetLibrary().GetItemObject(static_cast<uint32_t>(index));
        if (RunReader([&] { ReadObjectText(styleSheet, text); }))
        {
            RunReader([&] {
                CBrickBase* brick = MakeBrick(styleSheet->GetBrickClass()->GetClassName(), index);
                Play(Place(brick, {200.0f, 200.0f}));
                ObjectText(styleSheet);
                DriveField(controls, controlCount);
            });
        }
    }
    else
    {
        std::unique_ptr<CObject> object(GetClassRegistry().CreateByName(picked.className));
        if (RunReader([&] { ReadObjectText(object.get(), text); }))
        {
            RunReader([&] {
                CBrickBase* brick = static_cast<CBrickBase*>(object.release());
                Play(Place(brick, brick->m_StartPosition));
                ObjectText(brick);
                DriveField(controls, controlCount);
            });
        }
    }
    world.playfield->m_pBricks->DeleteAll();
    world.playfield->m_pFrontEffects->DeleteAll();
    world.playfield->m_pBallsInPlay->DeleteAll();
    world.playfield->m_pLooseBalls->DeleteAll();
    // Sprites a script replaced in the last frame go now.
    world.game.Update(CPlayfield::kStepSeconds);
    return 0;
}
