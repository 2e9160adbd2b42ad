// Brick scripts arrive inside brick and level files from outside: any tree
// of plug-ins and actions, with any times, counts, names and positions. The
// input is a script's object text, then a 0 byte, then control bytes. The
// script becomes the plug-ins of a brick in a field of named bricks and a
// path, and a copy of it those of a second brick; the control bytes run
// frames, push sequences on by name, destroy (some bricks refuse) and hit
// bricks. Nothing may crash, leak, hang or trip a sanitizer.

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/app/game_base.h"
#include "engine/object/object_files.h"
#include "fuzz/support/fuzz_input.h"
#include "game/bricks/advance_to_next_item_in_sequence.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_path_polygon.h"
#include "game/playfield/first_behaviour.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite_list.h"

namespace {

constexpr size_t kMaxControlBytes = 600;
constexpr int32_t kFramesAtLeast = 120;

class CFuzzBrick : public CBrickBase
{
public:
    const CString& GetTypeDisplayName() const override { return m_Name; }
    bool MustBeDestroyedToFinish() const override { return true; }
    CClassInfo* GetStyleSheetClass() const override { return nullptr; }
    int32_t OnDestroyed(const BrickDestroyInfo&) override { return m_Refuses ? 2 : 0; }

    bool m_Refuses = false;
};

// The game object runs the deferred deletions of replaced bricks.
class CFuzzGame : public CGameBase
{
};

struct Field
{
    CFuzzGame game;
    CPlayfield playfield;

    Field()
    {
        // A stand-alone round: destruction adds no score or statistic.
        playfield.m_StandAloneRound = 0;
    }
};

Field& GetField()
{
    static Field* field = new Field();
    return *field;
}

void Place(CBrickBase* brick, const char* name, float x, float y)
{
    brick->SetDefaults();
    brick->m_Name = name;
    brick->m_StartPosition = Vector2{x, y};
    auto* sprite = new CGameSprite();
    brick->AttachToSprite(sprite);
    sprite->SetActive(true);
    GetField().playfield.m_pBricks->Append(sprite);
}

CFuzzBrick* PlaceBrick(const char* name, float x, float y, bool refuses)
{
    auto* brick = new CFuzzBrick();
    brick->m_Refuses = refuses;
    Place(brick, name, x, y);
    return brick;
}

void PlacePath()
{
    auto* path = new CBrickPathPolygon();
    Place(path, "Path", 300.0f, 300.0f);
    for (const Vector2& point : {Vector2{0.0f, 0.0f}, Vector2{120.0f, 0.0f}, Vector2{120.0f, 90.0f},
                                 Vector2{0.0f, 90.0f}, Vector2{0.0f, 0.0f}})
        path->m_Polygon.InsertPoint(point.x, point.y, -1);
    path->m_CurvedPath = true;
}

// The live bricks of the field, in list order.
std::vector<CBrickBase*> LiveBricks()
{
    std::vector<CBrickBase*> bricks;
    for (CSprite* sprite = GetField().playfield.m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
    {
        CBrickBase* brick = FirstBehaviourAs<CBrickBase>(sprite);
        if (brick != nullptr && !sprite->IsDead())
            bricks.push_back(brick);
    }
    return bricks;
}

void RunFrame()
{
    Field& field = GetField();
    field.game.Update(CPlayfield::kStepSeconds);
    field.playfield.m_pBricks->UpdateAndReap();
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
    case 2:
    case 3:
    {
        const std::vector<CBrickBase*> bricks = LiveBricks();
        if (bricks.empty())
            break;
        CBrickBase* brick = bricks[pick % bricks.size()];
        if ((byte & 3) == 2)
            brick->Destroy(BrickDestroyInfo{nullptr, (pick & 1) != 0});
        else
            brick->HitByBallOrShot(nullptr, Vector2{0.0f, 1.0f});
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const uint8_t* end = static_cast<const uint8_t*>(std::memchr(data, 0, size));
    const size_t textSize = end != nullptr ? static_cast<size_t>(end - data) : size;
    // The loader hands the object out before reading it, so that a script
    // a fatal report leaves half read is still deleted here.
    const std::string path = WriteFuzzFile("Script.txt", data, textSize);
    CObject* loaded = nullptr;
    const bool ended = RunReader([&] { LoadObjectFromFile(path.c_str(), 0, true, &loaded); });
    std::unique_ptr<CObject> script(loaded);
    if (!ended || script == nullptr || !script->IsKindOf(CBrickPlugIn::SGetClassInfo()))
        return 0;

    CFuzzBrick* gate = PlaceBrick("Gate", 100.0f, 100.0f, false);
    CFuzzBrick* other = PlaceBrick("GATE", 200.0f, 100.0f, true);
    PlaceBrick("Keep", 100.0f, 200.0f, true);
    PlaceBrick("Marker", 400.0f, 100.0f, false);
    PlacePath();
    std::unique_ptr<CObject> copy(script->CreateSameClass());
    copy->CopyFrom(*script);
    gate->ReplacePlugIns(static_cast<CBrickPlugIn*>(script.release()));
    gate->GetPlugIns().SetOwner(gate);
    other->ReplacePlugIns(static_cast<CBrickPlugIn*>(copy.release()));
    other->GetPlugIns().SetOwner(other);

    const size_t controls = end != nullptr ? std::min(size - textSize - 1, kMaxControlBytes) : 0;
    for (size_t i = 0; i < controls; i++)
        Control(end[1 + i]);
    for (int32_t i = 0; i < kFramesAtLeast; i++)
        RunFrame();

    GetField().playfield.m_pBricks->DeleteAll();
    // Sprites replaced in the last frame go now.
    GetField().game.Update(CPlayfield::kStepSeconds);
    return 0;
}
