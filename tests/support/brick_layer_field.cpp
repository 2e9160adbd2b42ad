#include "tests/support/brick_layer_field.h"

#include <string>

#include "engine/app/sound/sound_list.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "game/bricks/brick_normal.h"
#include "game/playfield/particle_generator.h"
#include "tests/support/sequence_fixtures.h"
#include "tests/support/sound_fixtures.h"

void BrickLayerField::SetUp()
{
    BrickTestField::SetUp();
    m_Folder.WriteFile("Data/Sounds/Brick Placed.WAV", PcmWave(1, 22050, 16, Samples16(std::vector<int16_t>(50, 500))));
    GetSoundList().Mount("Sound List", "Sounds", ".wav", ".ogg");
    m_pLeftGears = m_Sequences.Add("Brick Layer/Left Gears", MakeSolidSequence(4, 6, 6, 10, 8.0f));
    m_pRightGears = m_Sequences.Add("Brick Layer/Right Gears", MakeSolidSequence(4, 6, 6, 20, 8.0f));
    m_pBar = m_Sequences.Add("Brick Layer/Bar", MakeSolidSequence(1, 6, 6, 30));
    m_pCarriage = m_Sequences.Add("Brick Layer/Carriage", MakeSolidSequence(4, 6, 6, 40, 60.0f));
    m_pGear = m_Sequences.Add("Arm Gear", MakeSolidSequence(4, 6, 6, 50, 8.0f));
    CSequence* arm = ReadTestSequence({"Sequence of Coordinates=CSequenceOfCoordinates", "{", "}"});
    for (uint16_t i = 0; i < 4; i++)
        arm->AddFrame(MakeSolidFrame(6, 6, static_cast<uint16_t>(60 + i), -3, -3), false, false);
    CSequenceOfCoordinates* points = GetSequenceCoordinates(arm);
    points->ExtendTo(4);
    const CPoint holds[] = {{100, 50}, {300, 50}, {100, 250}, {300, 250}};
    for (uint32_t i = 0; i < 4; i++)
        points->SetCoordinate(i, holds[i]);
    m_pArm = m_Sequences.Add("Arm", arm);

    CParticleGeneratorInfo* burst = new CParticleGeneratorInfo;
    burst->SetDefaults();
    burst->m_Particles = 3;
    CParticleType& type = burst->AddType();
    type.m_ParticleType = GetSequenceList().IndexOfObject(m_pBar);
    type.m_Weight = 1;
    GetParticleGeneratorList().AddItemWithObject(burst, "brick layer");
    m_pLevel = std::make_unique<CBrickLayout>();
}

void BrickLayerField::TearDown()
{
    UseLayer(nullptr);
    m_pLevel.reset();
    BrickTestField::TearDown();
}

void BrickLayerField::AddLevelBrick(CBrickLayout& level, const Vector2& at, bool spawnedByLayer)
{
    CBrickNormal* brick = new CBrickNormal;
    brick->m_StyleSheet = StyleIndex("Normal");
    brick->m_StartPosition = {at.x - CBrickBase::kCentreOffsetX, at.y - CBrickBase::kCentreOffsetY};
    brick->m_SpawnedByBrickLayer = spawnedByLayer;
    level.AppendBrick(brick);
}

int32_t BrickLayerField::ShownBricks() const
{
    int32_t shown = 0;
    for (CSprite* sprite = m_pPlayfield->m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
        shown += sprite->IsActive() ? 1 : 0;
    return shown;
}
