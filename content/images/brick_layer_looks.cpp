#include <vector>

#include "content/content_items.h"
#include "content/images/picture.h"
#include "content/images/sequence_item.h"

// The plotter's parts. The machine draws its bar and both gear trains at
// the field's middle and the carriage at the brick it lays, every part
// centred on its point: the bar spans the field, the gears sit at its two
// ends inside pictures as wide as the bar, and the carriage is a claw
// whose jaws open over its frames while it lowers a brick.

namespace {

constexpr int kBarWidth = 640;
constexpr int kBarHeight = 24;
constexpr int kGearFrames = 8;
constexpr double kGearRadius = 11.0;

const CPictureColor kSteel{150, 160, 175};
const CPictureColor kSteelDark{70, 78, 92};
const CPictureColor kBrass{205, 165, 70};
const CPictureColor kBrassDark{120, 90, 30};

// Sixteen teeth, of which the frame's turn moves the bright ones: eight
// frames turn the gear by one tooth, so the turning loops seamlessly.
void DrawGear(CPicture& picture, double centreX, double centreY, int frame, bool clockwise)
{
    picture.FillEllipse(centreX, centreY, kGearRadius, kGearRadius, kBrassDark);
    picture.FillEllipse(centreX, centreY, kGearRadius - 2.0, kGearRadius - 2.0, kBrass);
    // Tooth offsets round the rim, an octagon's corners and edge middles,
    // in eighths of the radius (a circle without trigonometry).
    static const int kTeeth[16][2] = {{8, 0},  {7, 3},   {6, 6},   {3, 7},  {0, 8},  {-3, 7}, {-6, 6}, {-7, 3},
                                      {-8, 0}, {-7, -3}, {-6, -6}, {-3, -7}, {0, -8}, {3, -7}, {6, -6}, {7, -3}};
    const int turn = clockwise ? frame : kGearFrames - 1 - frame;
    for (int tooth = 0; tooth < 16; tooth++)
    {
        const double x = centreX + kTeeth[tooth][0] * (kGearRadius + 1.0) / 8.0;
        const double y = centreY + kTeeth[tooth][1] * (kGearRadius + 1.0) / 8.0;
        const bool marked = (tooth + turn) % 4 == 0;
        picture.FillEllipse(x, y, 2.0, 2.0, marked ? CPictureColor{255, 230, 150} : kBrassDark);
    }
    picture.FillEllipse(centreX, centreY, 3.0, 3.0, kSteelDark);
}

std::vector<CPicture> GearFrames(bool left)
{
    std::vector<CPicture> frames;
    for (int frame = 0; frame < kGearFrames; frame++)
    {
        CPicture picture(kBarWidth, kBarHeight);
        const double x = left ? kGearRadius + 2.0 : kBarWidth - kGearRadius - 2.0;
        DrawGear(picture, x, kBarHeight / 2.0, frame, left);
        frames.push_back(picture);
    }
    return frames;
}

void MakeLeftGears(CContentTree& tree, const char* item)
{
    // The gears turn once for every sixteen pixels the bar travels.
    AddSequence(tree, "Brick Layer/Left Gears", GearFrames(true),
                "CSequence\n{\n\tFrames Per Second=16\n\tCenter Hot Spot=1\n}\n", item);
}

void MakeRightGears(CContentTree& tree, const char* item)
{
    AddSequence(tree, "Brick Layer/Right Gears", GearFrames(false),
                "CSequence\n{\n\tFrames Per Second=16\n\tCenter Hot Spot=1\n}\n", item);
}

void MakeBar(CContentTree& tree, const char* item)
{
    CPicture bar(kBarWidth, kBarHeight);
    const double top = kBarHeight / 2.0 - 4.0;
    bar.FillRect(24.0, top, kBarWidth - 24.0, top + 8.0, kSteelDark);
    bar.FillRect(24.0, top + 1.0, kBarWidth - 24.0, top + 4.0, kSteel);
    for (int rivet = 40; rivet < kBarWidth - 24; rivet += 40)
        bar.FillEllipse(rivet, top + 6.0, 1.2, 1.2, CPictureColor{210, 215, 225});
    AddSequence(tree, "Brick Layer/Bar", {bar}, "CSequence\n{\n\tCenter Hot Spot=1\n}\n", item);
}

// Six frames from a closed claw holding the brick to jaws wide open: the
// carriage plays them once for every brick it sets down.
void MakeCarriage(CContentTree& tree, const char* item)
{
    std::vector<CPicture> frames;
    for (int frame = 0; frame < 6; frame++)
    {
        CPicture picture(56, 40);
        picture.FillRect(16.0, 2.0, 40.0, 14.0, kSteelDark);
        picture.FillRect(18.0, 4.0, 38.0, 12.0, kSteel);
        picture.FillEllipse(28.0, 8.0, 3.0, 3.0, kBrass);
        const double spread = 2.0 * frame;
        picture.FillPolygon({18.0 - spread, 14.0, 22.0 - spread, 14.0, 20.0 - spread, 34.0, 14.0 - spread, 34.0},
                            kSteelDark);
        picture.FillPolygon({34.0 + spread, 14.0, 38.0 + spread, 14.0, 42.0 + spread, 34.0, 36.0 + spread, 34.0},
                            kSteelDark);
        frames.push_back(picture);
    }
    AddSequence(tree, "Brick Layer/Carriage", frames,
                "CSequence\n{\n\tFrames Per Second=30\n\tCenter Hot Spot=1\n}\n", item);
}

} // namespace

static CContentItemRegistration s_LeftGears("Resources/Brick Layer/-Left Gears/Properties.txt", MakeLeftGears);
static CContentItemRegistration s_RightGears("Resources/Brick Layer/-Right Gears/Properties.txt", MakeRightGears);
static CContentItemRegistration s_Bar("Resources/Brick Layer/-Bar/Properties.txt", MakeBar);
static CContentItemRegistration s_Carriage("Resources/Brick Layer/-Carriage/Properties.txt", MakeCarriage);
