// Bricks and brick style sheets are read from level files and the style
// sheet library, then played: bound to sprites, hit, moved, exploded and
// saved again. The first byte picks the class from the table below; the
// rest is the object's text block. A style sheet is read into the
// library's item of its class, so a brick of its kind then plays with it; a
// brick is read as it stands (any style index, position and script) beside
// a few ordinary neighbours. Broken text ends in the fatal report, which
// is the end of that input; anything else a sanitizer sees is a finding.

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/app/sound/sound_manager.h"
#include "engine/core/settings/paths.h"
#include "engine/object/class_registry.h"
#include "engine/object/object_files.h"
#include "fuzz/support/fuzz_input.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_style_sheet.h"
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
        data = std::make_unique<ScopedBrickData>(GetFuzzFolder());
        playfield = std::make_unique<CPlayfield>();
        hitter = new CTestHitter;
        hitter->m_pSprite = &hitterSprite;
        hitterSprite.AddAI(hitter);
    }

    ScopedManualAudio audio;
    std::unique_ptr<ScopedBrickData> data;
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

// The brick among neighbours: hit 30 times, 60 steps of play with shoves
// and a hard move, then exploded.
void Play(CBrickBase* brick)
{
    CPlayfield& playfield = *World().playfield;
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
    const std::string text =
        std::string(picked.className) + "\r\n" + std::string(reinterpret_cast<const char*>(data) + 1, size - 1);
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
            });
        }
    }
    world.playfield->m_pBricks->DeleteAll();
    world.playfield->m_pFrontEffects->DeleteAll();
    return 0;
}
