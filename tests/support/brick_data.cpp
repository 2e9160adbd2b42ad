#include "tests/support/brick_data.h"

#include <filesystem>
#include <fstream>

#include "engine/app/sound/sound_list.h"
#include "engine/app/sound/sound_manager.h"
#include "engine/core/settings/paths.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/libraries/general_objects.h"
#include "engine/object/libraries/library_catalogue.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/playfield/particle_generator.h"
#include "tests/support/sound_fixtures.h"

namespace {

const char* const kStyleSheets[][2] = {
    {"!None", "CBrickStyleSheetOptional\r\n{\r\n\tPrimary Sequence=!None\r\n}\r\n"},
    {"Ball Accelerator", "CBrickStyleSheetNormal\r\n{\r\n\tPrimary Sequence=Brick\r\n}\r\n"},
    {"Ball Deflector", "CBrickStyleSheetBallDeflector\r\n{\r\n\tPrimary Sequence=Brick\r\n"
                       "\tIndestructible Sound=Clink.wav\r\n}\r\n"},
    {"Ball Factory", "CBrickStyleSheetBallFactory\r\n{\r\n\tPrimary Sequence=Brick\r\n"
                     "\tGenerate Sound=Clink.wav\r\n\tGenerate Seq=Brick\r\n}\r\n"},
    {"Ball Decelerator", "CBrickStyleSheetNormal\r\n{\r\n\tPrimary Sequence=Brick\r\n}\r\n"},
    {"Coin", "CBrickStyleSheetCoin\r\n{\r\n\tPrimary Sequence=Brick\r\n\tPickup Sound=Pop Brick.wav\r\n"
             "\tPickup Seq=Brick\r\n\tPickup Particle Gen=Break\r\n\tBonus Count Up Sound=Clink.wav\r\n"
             "\tGot All Coins On Level Sound=Brick Turned On.wav\r\n\tExtra Life Sound=Brick Turned On.wav\r\n"
             "\tRedeem Coins Count Down Sound=Partial Damage.wav\r\n"
             "\tReceived Extra Life Sound=Brick Turned Off.wav\r\n}\r\n"},
    {"Change Area", "CBrickStyleSheetChangeArea\r\n{\r\n\tPrimary Sequence=Brick\r\n"
                    "\tIdle Particle Generator=Break\r\n\tOverlay Sequence=Brick\r\n}\r\n"},
    {"Common/Red", "CBrickStyleSheetNormal\r\n{\r\n\tPrimary Sequence=Brick\r\n}\r\n"},
    {"Concussion", "CBrickStyleSheetConcussion\r\n{\r\n\tPrimary Sequence=Brick\r\n}\r\n"},
    {"Detonator", "CBrickStyleSheetOnOff\r\n{\r\n\tScore=2\r\n\tPrimary Sequence=Brick\r\n"
                  "\tActivated Sound=Clink.wav\r\n\tDeactivated Sound=Brick Turned Off.wav\r\n\tX Radius=60\r\n"
                  "\tY Radius=60\r\n\tDelay=0\r\n}\r\n"},
    {"Detonator Without Radius", "CBrickStyleSheetOnOff\r\n{\r\n\tPrimary Sequence=Brick\r\n}\r\n"},
    {"Exploder", "CBrickStyleSheetExploder\r\n{\r\n\tPrimary Sequence=Brick\r\n}\r\n"},
    {"Factory", "CBrickStyleSheetFactory\r\n{\r\n\tScore=10\r\n\tPrimary Sequence=Brick\r\n"
                "\tGenerate Sound=Clink.wav\r\n\tDirection=0,1\r\n\tGenerate Seq=Brick\r\n}\r\n"},
    {"Factory Diagonal", "CBrickStyleSheetFactory\r\n{\r\n\tPrimary Sequence=Brick\r\n\tDirection=1,1\r\n}\r\n"},
    {"Factory Shutdown", "CBrickStyleSheetFactoryShutdown\r\n{\r\n\tScore=5\r\n\tPrimary Sequence=Brick\r\n}\r\n"},
    {"Factory Still", "CBrickStyleSheetFactory\r\n{\r\n\tPrimary Sequence=Brick\r\n}\r\n"},
    {"Floating Ball", "CBrickStyleSheetFloatingBall\r\n{\r\n\tPrimary Sequence=Brick\r\n}\r\n"},
    {"Indestructible", "CBrickStyleSheetNearlyIndestructible\r\n{\r\n\tPrimary Sequence=Brick\r\n"
                       "\tIndestructible Sound=Clink.wav\r\n}\r\n"},
    {"Magnet North", "CBrickStyleSheetMagnetic\r\n{\r\n\tPrimary Sequence=Brick\r\n\tActivated Sound=Clink.wav\r\n"
                     "\tDeactivated Sound=Brick Turned Off.wav\r\n\tMagnetic Group Name=North\r\n}\r\n"},
    {"Magnet North Lower", "CBrickStyleSheetMagnetic\r\n{\r\n\tPrimary Sequence=Brick\r\n"
                           "\tMagnetic Group Name=nORTH\r\n}\r\n"},
    {"Magnet South", "CBrickStyleSheetMagnetic\r\n{\r\n\tPrimary Sequence=Brick\r\n"
                     "\tMagnetic Group Name=South\r\n}\r\n"},
    {"N Hit", "CBrickStyleSheetNHitSide\r\n{\r\n\tPrimary Sequence=Brick\r\n"
              "\tHit Image=Array\r\n\t{\r\n\t\tItem Count=2\r\n\t\tHit Image=!None\r\n\t\tHit Image=Brick\r\n\t}\r\n"
              "\tHit Image Variation A=Array\r\n\t{\r\n\t\tHit Image=Brick\r\n\t}\r\n"
              "\tDamaged Sound=Clink.wav\r\n\tIndestructible Sound=Brick Turned Off.wav\r\n"
              "\tSmall Ball Did Partial Damage Sound=Partial Damage.wav\r\n}\r\n"},
    {"N Hit Bottom", "CBrickStyleSheetNHitSide\r\n{\r\n\tPrimary Sequence=Brick\r\n"
                     "\tBottom=Nearly Indestructible Edge\r\n}\r\n"},
    {"N Hit Top", "CBrickStyleSheetNHitSide\r\n{\r\n\tPrimary Sequence=Brick\r\n"
                  "\tTop=Nearly Indestructible Edge\r\n\tIndestructible Sound=Brick Turned Off.wav\r\n}\r\n"},
    {"Normal", "CBrickStyleSheetNormal\r\n{\r\n\tScore=10\r\n\tPrimary Sequence=Brick\r\n"
               "\tDestroyed Seq=Brick\r\n\tBreak Particle Gen=Break\r\n}\r\n"},
    {"Nudge", "CBrickStyleSheetNudge\r\n{\r\n\tPrimary Sequence=Brick\r\n\tNudge Sound=Clink.wav\r\n"
              "\tMovement=0,-18\r\n}\r\n"},
    {"Optional", "CBrickStyleSheetOptional\r\n{\r\n\tPrimary Sequence=Brick\r\n}\r\n"},
    {"Path", "CBrickStyleSheetPathPolygon\r\n{\r\n\tPrimary Sequence=Brick\r\n}\r\n"},
    {"Position Marker", "CBrickStyleSheetPositionMarker\r\n{\r\n\tPrimary Sequence=Brick\r\n}\r\n"},
    {"Power-Up", "CBrickStyleSheetPowerup\r\n{\r\n\tPrimary Sequence=Brick\r\n}\r\n"},
    {"Quiet", "CBrickStyleSheetNormal\r\n{\r\n\tScore=3\r\n\tPrimary Sequence=Brick\r\n}\r\n"},
    {"Rail", "CBrickStyleSheetRail\r\n{\r\n\tPrimary Sequence=Brick\r\n\tStart Move Sound=Clink.wav\r\n"
             "\tMove Direction=Move By Side Hit\r\n}\r\n"},
    {"Rail Normal", "CBrickStyleSheetRail\r\n{\r\n\tPrimary Sequence=Brick\r\n"
                    "\tMove Direction=Move By Collision Normal\r\n}\r\n"},
    {"Rail Right", "CBrickStyleSheetRail\r\n{\r\n\tPrimary Sequence=Brick\r\n\tMove Direction=Move Right\r\n}\r\n"},
    {"Rail Shove", "CBrickStyleSheetRail\r\n{\r\n\tPrimary Sequence=Brick\r\n\tMove Direction=Move Right\r\n"
                   "\tShove Bricks (Not Destroy)=1\r\n}\r\n"},
    {"Shredder", "CBrickStyleSheetShredder\r\n{\r\n\tPrimary Sequence=Brick\r\n"
                 "\tIndestructible Sound=Clink.wav\r\n}\r\n"},
    {"Speed Changer", "CBrickStyleSheetSpeedChange\r\n{\r\n\tPrimary Sequence=Brick\r\n\tSound=Clink.wav\r\n"
                      "\tMultiplier=2\r\n\tParticle Gen To Give To Ball=Break\r\n"
                      "\tActivation Particle Gen=Break\r\n}\r\n"},
    {"Speed Changer Plain", "CBrickStyleSheetSpeedChange\r\n{\r\n\tPrimary Sequence=Brick\r\n"
                            "\tMultiplier=0.5\r\n}\r\n"},
    {"Splitter", "CBrickStyleSheetSplitN\r\n{\r\n\tScore=7\r\n\tPrimary Sequence=Brick\r\n"
                 "\tSplit Sound=Clink.wav\r\n\tBreak Particle Gen=Break\r\n\tChildren=Array\r\n\t{\r\n"
                 "\t\tItem Count=2\r\n\t\tChild to Spawn=CBrickSplitNChild\r\n\t\t{\r\n"
                 "\t\t\tChild Brick=CBrickNormal\r\n\t\t\t{\r\n\t\t\t\tStyle Sheet=Quiet\r\n\t\t\t}\r\n"
                 "\t\t\tDrift Velocity=1.5,-2\r\n\t\t}\r\n"
                 "\t\tChild to Spawn=CBrickSplitNChild\r\n\t\t{\r\n\t\t\tDrift Velocity=3,3\r\n\t\t}\r\n"
                 "\t}\r\n}\r\n"},
    {"Splitter Sequence", "CBrickStyleSheetSplitN\r\n{\r\n\tScore=7\r\n\tPrimary Sequence=Brick\r\n"
                          "\tSplitting Seq=Brick\r\n\tChildren=Array\r\n\t{\r\n\t\tItem Count=2\r\n"
                          "\t\tChild to Spawn=CBrickSplitNChild\r\n\t\t{\r\n"
                          "\t\t\tChild Brick=CBrickNormal\r\n\t\t\t{\r\n\t\t\t\tStyle Sheet=Quiet\r\n"
                          "\t\t\t\tBrick Position=-20,5\r\n\t\t\t}\r\n\t\t}\r\n"
                          "\t\tChild to Spawn=CBrickSplitNChild\r\n\t\t{\r\n"
                          "\t\t\tChild Brick=CBrickOptional\r\n\t\t\t{\r\n\t\t\t\tStyle Sheet=Optional\r\n"
                          "\t\t\t\tBrick Position=20,5\r\n\t\t\t}\r\n\t\t}\r\n\t}\r\n}\r\n"},
    {"Starfish Goal", "CBrickStyleSheetStarfishGoal\r\n{\r\n\tScore=25\r\n\tPrimary Sequence=Brick\r\n"
                      "\tIndestructible Sound=Clink.wav\r\n\tCompleted Sound=Brick Turned On.wav\r\n}\r\n"},
    {"Switch", "CBrickStyleSheetSwitch\r\n{\r\n\tIdle Sequence=Brick\r\n\tSwitching Sequence=Brick\r\n"
               "\tSwitching Sound=Brick Turned On.wav\r\n\tIndestructible Sound=Brick Turned Off.wav\r\n}\r\n"},
    {"Teleporter Entrance", "CBrickStyleSheetTeleporter\r\n{\r\n\tTeleporter Group Name=Blue\r\n"
                            "\tPrimary Sequence=Brick\r\n\tTeleport Sound=Clink.wav\r\n}\r\n"},
    {"Teleporter Exit", "CBrickStyleSheetTeleporter\r\n{\r\n\tType=Exit\r\n\tTeleporter Group Name=bLUE\r\n"
                        "\tPrimary Sequence=Brick\r\n\tActivated Sequence=!None\r\n}\r\n"},
    {"Teleporter Exit Red", "CBrickStyleSheetTeleporter\r\n{\r\n\tType=Exit\r\n\tTeleporter Group Name=Red\r\n"
                            "\tPrimary Sequence=Brick\r\n}\r\n"},
    {"Trapped Ball", "CBrickStyleSheetTrappedBall\r\n{\r\n\tEditor Sequence=Brick\r\n}\r\n"},
};

int32_t AddGenerator(const char* name, uint32_t particles, int32_t sequence)
{
    CParticleGeneratorInfo* generator = new CParticleGeneratorInfo;
    generator->SetDefaults();
    generator->m_Particles = particles;
    if (sequence != 0)
    {
        CParticleType& type = generator->AddType();
        type.m_ParticleType = sequence;
        type.m_Weight = 1;
    }
    return GetParticleGeneratorList().AddItemWithObject(generator, name);
}

void WriteDataFile(const std::string& folder, const std::string& name, const std::string& bytes)
{
    const std::filesystem::path path = std::filesystem::path(folder) / "Data" / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace

void WriteStartUpBrickStyles(const std::string& dataFolder)
{
    const std::filesystem::path styles = std::filesystem::path(dataFolder) / "Resources" / "Brick Style Sheets";
    std::filesystem::create_directories(styles);
    for (const char* style : {"!None", "Ball Accelerator", "Ball Decelerator"})
        std::ofstream(styles / (std::string(style) + ".BrickStyleSheet"), std::ios::binary)
            << "CBrickStyleSheetNormal\r\n{\r\n}\r\n";
}

ScopedBrickData::ScopedBrickData(const std::string& folder)
{
    const std::string wave = PcmWave(1, 22050, 16, Samples16(std::vector<int16_t>(50, 500)));
    for (const char* name :
         {"Pop Brick.wav", "Clink.wav", "Brick Turned On.wav", "Brick Turned Off.wav", "Partial Damage.wav"})
        WriteDataFile(folder, std::string("Sounds/") + name, wave);
    m_SoundCount = GetSoundList().Mount("Sound List", "Sounds", ".wav", ".ogg");
    // The playfield's test pictures may have put the placeholder there
    // already; the list refuses a second item of one name.
    if (GetSequenceList().Find("!None", -1) < 0)
        m_Sequences.Add("!None", MakeSolidSequence(1, 1, 1, 0));
    m_pBrickSequence = m_Sequences.Add("Brick", MakeSolidSequence(4, 40, 22, 7, 15.0f));
    m_Sequences.Add("Starfish1", MakeSolidSequence(4, 8, 8, 300, 10.0f));
    m_Sequences.Add("Starfish Ball Overlay", MakeSolidSequence(2, 8, 8, 100, 10.0f));
    m_Sequences.Add("Starfish overlay small", MakeSolidSequence(2, 4, 4, 200, 10.0f));
    GetParticleGeneratorList().DeleteAllItems();
    AddGenerator("!None", 0, 0);
    AddGenerator("Break", 6, GetSequenceList().IndexOfObject(m_pBrickSequence));
    for (const auto& [name, text] : kStyleSheets)
        WriteDataFile(folder, std::string("Resources/Brick Style Sheets/") + name + ".BrickStyleSheet", text);
    InitBrickStyleSheetLibrary();
}

ScopedBrickData::~ScopedBrickData()
{
    GetBrickStyleSheetLibrary().DeleteAllItems();
    GetParticleGeneratorList().DeleteAllItems();
}

int32_t ScopedBrickData::StyleIndex(const char* name)
{
    return GetBrickStyleSheetLibrary().Find(name, -1);
}

void ArmGeneralObjectsForPlay(const std::string& folder)
{
    WriteDataFile(folder, "Resources/Power Up Text Display Options.Object.txt",
                  "CPowerUpTextDisplayOptions\r\n{\r\n}\r\n");
    InitCatalogueLibrary(GetGeneralObjectList(), LIBRARY_GENERAL_OBJECTS);
}

ScopedBrickDataFolder::ScopedBrickDataFolder()
    : m_SavedFolder(std::filesystem::current_path())
{
    std::filesystem::current_path(m_Folder.Path());
    std::filesystem::create_directories("Data");
    SetDataFolder("Data");
    GetSoundManager().Init();
    GetSoundManager().SetSoundLimit(16);
    m_pData = std::make_unique<ScopedBrickData>(m_Folder.Path());
    ArmGeneralObjectsForPlay(m_Folder.Path());
}

ScopedBrickDataFolder::~ScopedBrickDataFolder()
{
    GetGeneralObjectList().DeleteAllItems();
    m_pData.reset();
    GetSoundManager().Shutdown();
    SetDataFolder(".");
    std::filesystem::current_path(m_SavedFolder);
}
