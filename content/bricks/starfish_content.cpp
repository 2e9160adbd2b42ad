#include <string>
#include <vector>

#include "content/audio/sound_item.h"
#include "content/audio/synth.h"
#include "content/content_items.h"
#include "content/images/picture.h"
#include "content/images/sequence_item.h"
#include "content/objects/object_item.h"

// Starfish rounds: the starfish as it sits on its brick and as it rides a
// normal and a small ball, the goal's style sheet with the call it gives
// when a starfish arrives, and the tutorial page the first released
// starfish opens.

namespace {

const CPictureColor kBody{250, 140, 70};
const CPictureColor kSpots{255, 220, 170};

// Five arms round the centre, turned by the fraction of a turn; each arm a
// wedge from the body out to its tip, with a light spot half way.
CPicture DrawStarfish(int32_t size, double turn)
{
    CPicture picture(size, size);
    const double centre = size / 2.0;
    const double reach = size / 2.0 - 0.5;
    const double body = reach * 0.36;
    for (int32_t arm = 0; arm < 5; arm++)
    {
        const double along = turn + arm / 5.0;
        const double dx = ApproximateSine(along + 0.25);
        const double dy = ApproximateSine(along);
        const double sideX = -dy * body * 0.8;
        const double sideY = dx * body * 0.8;
        picture.FillPolygon(
            {centre + sideX, centre + sideY, centre + dx * reach, centre + dy * reach, centre - sideX, centre - sideY},
            kBody);
        picture.FillEllipse(centre + dx * reach * 0.55, centre + dy * reach * 0.55, reach * 0.08 + 0.5,
                            reach * 0.08 + 0.5, kSpots);
    }
    picture.FillEllipse(centre, centre, body, body, kBody);
    picture.FillEllipse(centre, centre, body * 0.45, body * 0.45, kSpots);
    return picture;
}

// Frames of a starfish that sways back and forth a little (on a brick, in
// step with the brick's glint) or turns round (riding a ball).
std::vector<CPicture> StarfishFrames(int32_t size, int32_t frameCount, bool turnsRound)
{
    std::vector<CPicture> frames;
    for (int32_t i = 0; i < frameCount; i++)
    {
        const double phase = static_cast<double>(i) / frameCount;
        const double turn = turnsRound ? phase / 5.0 : ApproximateSine(phase) * 0.03;
        frames.push_back(DrawStarfish(size, turn));
    }
    return frames;
}

constexpr const char* kLookProperties = "CSequence\n{\n\tFrames Per Second=8\n\tCenter Hot Spot=1\n}\n";

void MakeStarfishOnBrick(CContentTree& tree, const char* item)
{
    AddSequence(tree, "Starfish1", StarfishFrames(20, 6, false), kLookProperties, item);
}

void MakeStarfishOnBall(CContentTree& tree, const char* item)
{
    AddSequence(tree, "Starfish Ball Overlay", StarfishFrames(26, 8, true), kLookProperties, item);
}

void MakeStarfishOnSmallBall(CContentTree& tree, const char* item)
{
    AddSequence(tree, "Starfish overlay small", StarfishFrames(12, 8, true), kLookProperties, item);
}

// Bubbles rising into a bright major chord.
void MakeStarfishDelivered(CContentTree& tree, const char* item)
{
    CSynth synth(0.9);
    synth.AddNoise(0.0, 0.2, 0.15, 0x5EA5u, 0.8, {0.01, 2});
    const int notes[] = {-5, -1, 2, 7};
    for (int i = 0; i < 4; i++)
        synth.AddTone(0.08 * i, 0.9 - 0.08 * i, NoteHz(notes[i] + 12), NoteHz(notes[i] + 12), 0.18, EWaveShape::Sine,
                      {0.005, 2});
    AddSynthesizedSound(tree, item, synth, item);
}

void MakeGoalStyleSheet(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, item,
                  "CBrickStyleSheetStarfishGoal\n{\n\tDescription=Only a ball bringing a starfish breaks it; "
                  "the round waits for it.\n\tEditor Button Sequence=Brick Starfish Goal\n\tScore=100\n"
                  "\tPrimary Sequence=Brick Starfish Goal\n\tIndestructible Sound=Clink.wav\n"
                  "\tCompleted Sound=Starfish Delivered.wav\n}\n",
                  item);
}

// The page's picture and text come with the tutorial window; the page
// must exist, as the game asks for it by name.
void MakeTutorialPage(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, item, "CTutorial\n{\n}\n", item);
}

CContentItemRegistration s_OnBrick("Resources/-Starfish1/Properties.txt", MakeStarfishOnBrick);
CContentItemRegistration s_OnBall("Resources/-Starfish Ball Overlay/Properties.txt", MakeStarfishOnBall);
CContentItemRegistration s_OnSmallBall("Resources/-Starfish overlay small/Properties.txt", MakeStarfishOnSmallBall);
CContentItemRegistration s_Delivered("Sounds/Starfish Delivered.wav", MakeStarfishDelivered);
CContentItemRegistration s_GoalStyle("Resources/Brick Style Sheets/Common/Starfish Goal.BrickStyleSheet",
                                     MakeGoalStyleSheet, CONTENT_OBJECTS_OF_OBJECTS);
CContentItemRegistration s_Tutorial("Resources/Starfish.Tutorial.txt", MakeTutorialPage, CONTENT_OBJECTS);

} // namespace
