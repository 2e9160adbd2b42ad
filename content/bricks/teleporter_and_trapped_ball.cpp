#include <cmath>
#include <string>
#include <vector>

#include "content/audio/sound_item.h"
#include "content/audio/synth.h"
#include "content/content_items.h"
#include "content/images/picture.h"
#include "content/images/sequence_item.h"
#include "content/objects/object_item.h"

// The starter teleporters and trapped ball: their looks, the teleport
// sound, the burst a teleporter's style names, and one style of each (an
// Entrance and an Exit of one group, and a trapped ball) under "Common".

namespace {

constexpr int32_t kPortalSize = 22;
constexpr int32_t kPortalFrames = 8;
constexpr double kPi = 3.14159265358979;

// A portal: a dark disc in a coloured ring with three arms that turn over
// the frames, so a teleporter seems to swirl.
CPicture DrawPortal(CPictureColor rim, CPictureColor arm, int32_t frame)
{
    CPicture picture(kPortalSize, kPortalSize);
    const double centre = kPortalSize / 2.0;
    picture.FillEllipse(centre, centre, 10.5, 10.5, CPictureColor{20, 10, 40});
    picture.FillRing(centre, centre, 10.5, 8.0, rim);
    for (int32_t i = 0; i < 3; i++)
    {
        const double angle = 2.0 * kPi * (i / 3.0 + frame / static_cast<double>(kPortalFrames * 3));
        const double tipX = centre + 7.0 * std::cos(angle);
        const double tipY = centre + 7.0 * std::sin(angle);
        const double sideX = 1.8 * std::cos(angle + kPi / 2.0);
        const double sideY = 1.8 * std::sin(angle + kPi / 2.0);
        picture.FillPolygon({centre + sideX, centre + sideY, tipX, tipY, centre - sideX, centre - sideY}, arm);
    }
    return picture;
}

// The flash of an Exit a ball arrives at: a bright ring that grows and
// fades, played once.
CPicture DrawArrival(int32_t frame)
{
    CPicture picture(kPortalSize, kPortalSize);
    const double centre = kPortalSize / 2.0;
    const double progress = frame / static_cast<double>(kPortalFrames - 1);
    const auto fade = static_cast<uint8_t>(255.0 - 150.0 * progress);
    picture.FillEllipse(centre, centre, 10.5, 10.5, CPictureColor{255, 240, 200, fade});
    const double outer = 3.0 + 7.5 * progress;
    picture.FillRing(centre, centre, outer, outer - 2.5, CPictureColor{255, 255, 255});
    return picture;
}

// A ball behind the bars of a small cage; its glint moves over the frames.
CPicture DrawTrappedBall(int32_t frame)
{
    CPicture picture(kPortalSize, kPortalSize);
    const CPictureColor bars{170, 180, 200};
    picture.FillEllipse(11.0, 11.0, 6.0, 6.0, CPictureColor{200, 220, 255});
    picture.FillEllipse(9.0 + frame * 0.5, 9.0, 1.8, 1.8, CPictureColor{255, 255, 255});
    picture.FillRect(0.0, 0.0, kPortalSize, 2.0, bars);
    picture.FillRect(0.0, kPortalSize - 2.0, kPortalSize, kPortalSize, bars);
    for (double x = 0.0; x < kPortalSize; x += 7.0)
        picture.FillRect(x, 0.0, x + 1.5, kPortalSize, bars);
    picture.FillRect(kPortalSize - 1.5, 0.0, kPortalSize, kPortalSize, bars);
    return picture;
}

const char* const kSequenceProperties = "CSequence\n{\n\tFrames Per Second=12\n\tCenter Hot Spot=1\n}\n";

void MakeEntranceLook(CContentTree& tree, const char* item)
{
    std::vector<CPicture> frames;
    for (int32_t i = 0; i < kPortalFrames; i++)
        frames.push_back(DrawPortal({170, 90, 255}, {230, 200, 255}, i));
    AddSequence(tree, "Brick Teleporter Entrance", frames, kSequenceProperties, item);
}

void MakeExitLook(CContentTree& tree, const char* item)
{
    std::vector<CPicture> frames;
    for (int32_t i = 0; i < kPortalFrames; i++)
        frames.push_back(DrawPortal({255, 160, 60}, {255, 230, 190}, i));
    AddSequence(tree, "Brick Teleporter Exit", frames, kSequenceProperties, item);
}

void MakeArrivalLook(CContentTree& tree, const char* item)
{
    std::vector<CPicture> frames;
    for (int32_t i = 0; i < kPortalFrames; i++)
        frames.push_back(DrawArrival(i));
    AddSequence(tree, "Brick Teleporter Activated", frames, kSequenceProperties, item);
}

void MakeTrappedBallLook(CContentTree& tree, const char* item)
{
    std::vector<CPicture> frames;
    for (int32_t i = 0; i < 6; i++)
        frames.push_back(DrawTrappedBall(i));
    AddSequence(tree, "Brick Trapped Ball", frames, kSequenceProperties, item);
}

// A quick rising sweep under a shimmer.
void MakeTeleportSound(CContentTree& tree, const char* item)
{
    CSynth synth(0.3);
    synth.AddTone(0.0, 0.28, 300.0, 1800.0, 0.3, EWaveShape::Sine, {0.01, 2});
    synth.AddTone(0.05, 0.2, 2400.0, 3200.0, 0.1, EWaveShape::Triangle, {0.01, 3});
    AddSynthesizedSound(tree, item, synth, item);
}

// Sparks flung out all round when a ball goes through.
void MakeTeleportSparks(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, item,
                  "CParticleGeneratorInfo\n{\n\tParticles=10\n\tVelocity=90\n\tParticle Types=Array\n\t{\n"
                  "\t\tArray Item=CParticleType\n\t\t{\n\t\t\tParticle Type=Spark\n\t\t}\n\t}\n}\n",
                  item);
}

const char* const kEntranceStyle = "Resources/Brick Style Sheets/Common/Teleporter Entrance.BrickStyleSheet";
const char* const kExitStyle = "Resources/Brick Style Sheets/Common/Teleporter Exit.BrickStyleSheet";
const char* const kTrappedBallStyle = "Resources/Brick Style Sheets/Common/Trapped Ball.BrickStyleSheet";

void MakeStyleSheet(CContentTree& tree, const char* item)
{
    const std::string name = item;
    if (name == kEntranceStyle)
        AddObjectFile(tree, item,
                      "CBrickStyleSheetTeleporter\n{\n\tDescription=Sends a ball to an Exit of its group.\n"
                      "\tEditor Button Sequence=Brick Teleporter Entrance\n\tType=Entrance\n"
                      "\tTeleporter Group Name=Common\n\tPrimary Sequence=Brick Teleporter Entrance\n"
                      "\tActivated Sequence=Brick Teleporter Activated\n\tTeleport Sound=Teleport.wav\n"
                      "\tTeleport Particle Gen=Teleport Sparks\n}\n",
                      item);
    else if (name == kExitStyle)
        AddObjectFile(tree, item,
                      "CBrickStyleSheetTeleporter\n{\n\tDescription=Where balls sent by an Entrance of its group "
                      "come out.\n\tEditor Button Sequence=Brick Teleporter Exit\n\tType=Exit\n"
                      "\tTeleporter Group Name=Common\n\tPrimary Sequence=Brick Teleporter Exit\n"
                      "\tActivated Sequence=Brick Teleporter Activated\n\tTeleport Sound=Teleport.wav\n"
                      "\tTeleport Particle Gen=Teleport Sparks\n}\n",
                      item);
    else if (name == kTrappedBallStyle)
        AddObjectFile(tree, item,
                      "CBrickStyleSheetTrappedBall\n{\n\tDescription=A small ball that flies free when the round "
                      "starts.\n\tEditor Button Sequence=Brick Trapped Ball\n\tEditor Sequence=Brick Trapped Ball\n}\n",
                      item);
}

CContentItemRegistration s_EntranceLook("Resources/-Brick Teleporter Entrance/Properties.txt", MakeEntranceLook);
CContentItemRegistration s_ExitLook("Resources/-Brick Teleporter Exit/Properties.txt", MakeExitLook);
CContentItemRegistration s_ArrivalLook("Resources/-Brick Teleporter Activated/Properties.txt", MakeArrivalLook);
CContentItemRegistration s_TrappedBallLook("Resources/-Brick Trapped Ball/Properties.txt", MakeTrappedBallLook);
CContentItemRegistration s_TeleportSound("Sounds/Teleport.wav", MakeTeleportSound);
CContentItemRegistration s_TeleportSparks("Resources/Teleport Sparks.PGen", MakeTeleportSparks, CONTENT_OBJECTS);
CContentItemRegistration s_EntranceStyle(kEntranceStyle, MakeStyleSheet, CONTENT_OBJECTS_OF_OBJECTS);
CContentItemRegistration s_ExitStyle(kExitStyle, MakeStyleSheet, CONTENT_OBJECTS_OF_OBJECTS);
CContentItemRegistration s_TrappedBallStyle(kTrappedBallStyle, MakeStyleSheet, CONTENT_OBJECTS_OF_OBJECTS);

} // namespace
