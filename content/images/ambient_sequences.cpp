#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "content/content_items.h"
#include "content/images/picture.h"
#include "content/images/sequence_item.h"

// The pictures of the background life: fish, plankton, debris, a shell that
// opens now and then, seaweed pieces, smoke puffs and flock birds. Pieces
// and birds hold one picture per direction, going round from +x toward +y
// (screen y grows downward), as the seaweed and the flock pick them.

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kDirections = 16;

const char* const kCentred = "CSequence\n{\n\tFrames Per Second=%s\n\tCenter Hot Spot=1\n}\n";

std::string Properties(const char* framesPerSecond)
{
    char text[128];
    std::snprintf(text, sizeof text, kCentred, framesPerSecond);
    return text;
}

// A quadrilateral from back to front along the direction, width wide.
void FillAlong(CPicture& picture, double cx, double cy, double angle, double back, double front, double width,
               CPictureColor colour)
{
    const double dx = std::cos(angle);
    const double dy = std::sin(angle);
    const double nx = -dy * width / 2.0;
    const double ny = dx * width / 2.0;
    picture.FillPolygon({cx + dx * back + nx, cy + dy * back + ny, cx + dx * front + nx * 0.4,
                         cy + dy * front + ny * 0.4, cx + dx * front - nx * 0.4, cy + dy * front - ny * 0.4,
                         cx + dx * back - nx, cy + dy * back - ny},
                        colour);
}

// A fish facing right, its tail beating with the frame; mirrored for the
// left-swimming set.
CPicture DrawFish(int frame, bool facingLeft)
{
    CPicture picture(32, 16);
    const double beat = std::sin(frame * kPi / 2.0) * 3.0;
    const double tailX = facingLeft ? 28.0 : 4.0;
    const double noseSide = facingLeft ? -1.0 : 1.0;
    picture.FillPolygon({tailX, 8.0, tailX - noseSide * 4.0, 3.0 + beat, tailX - noseSide * 4.0, 13.0 + beat},
                        {240, 140, 40, 230});
    picture.FillEllipse(16.0, 8.0, 10.0, 5.0, {250, 170, 60});
    picture.FillEllipse(16.0 + noseSide * 6.0, 6.5, 1.5, 1.5, {20, 20, 30});
    return picture;
}

void MakeFish(CContentTree& tree, const char* item, const char* name, bool facingLeft)
{
    std::vector<CPicture> frames;
    for (int i = 0; i < 4; i++)
        frames.push_back(DrawFish(i, facingLeft));
    AddSequence(tree, name, frames, Properties("8").c_str(), item);
}

void MakeFishLeft(CContentTree& tree, const char* item)
{
    MakeFish(tree, item, "Fish Left", true);
}

void MakeFishRight(CContentTree& tree, const char* item)
{
    MakeFish(tree, item, "Fish Right", false);
}

void MakePlankton(CContentTree& tree, const char* item)
{
    std::vector<CPicture> frames;
    for (int i = 0; i < 2; i++)
    {
        CPicture frame(6, 6);
        frame.FillEllipse(3.0, 3.0, 2.5, 2.5, {160, 230, 200, static_cast<uint8_t>(90 + 60 * i)});
        frame.FillEllipse(3.0, 3.0, 1.0, 1.0, {230, 255, 240});
        frames.push_back(frame);
    }
    AddSequence(tree, "Plankton", frames, Properties("4").c_str(), item);
}

void MakeDebris(CContentTree& tree, const char* item)
{
    std::vector<CPicture> frames;
    for (int i = 0; i < 4; i++)
    {
        CPicture frame(12, 12);
        FillAlong(frame, 6.0, 6.0, i * kPi / 4.0, -5.0, 5.0, 4.0, {120, 100, 80});
        frames.push_back(frame);
    }
    AddSequence(tree, "Debris", frames, Properties("8").c_str(), item);
}

// A shell that opens and closes again: the first frame is the closed shell
// it rests on between plays.
void MakeShell(CContentTree& tree, const char* item)
{
    static const double kOpening[] = {0.0, 2.0, 4.0, 5.0, 4.0, 2.0};
    std::vector<CPicture> frames;
    for (double opening : kOpening)
    {
        CPicture frame(28, 20);
        frame.FillEllipse(14.0, 15.0, 12.0, 4.0, {200, 170, 190});
        frame.FillEllipse(14.0, 15.0 - opening, 12.0, 4.0, {230, 200, 215});
        if (opening > 3.0)
            frame.FillEllipse(14.0, 14.0, 2.5, 2.5, {250, 250, 255});
        frames.push_back(frame);
    }
    AddSequence(tree, "Opening Shell", frames, Properties("12").c_str(), item);
}

// One picture per direction of a shape drawn along it; size x size pixels.
void MakeDirectionalSequence(CContentTree& tree, const char* item, const char* name, int size, double back,
                             double front, double width, CPictureColor colour)
{
    std::vector<CPicture> frames;
    const double centre = size / 2.0;
    for (int i = 0; i < kDirections; i++)
    {
        CPicture frame(size, size);
        FillAlong(frame, centre, centre, i * 2.0 * kPi / kDirections, back, front, width, colour);
        frames.push_back(frame);
    }
    AddSequence(tree, name, frames, Properties("1").c_str(), item);
}

void MakeSeaWeed(CContentTree& tree, const char* item)
{
    MakeDirectionalSequence(tree, item, "Sea Weed", 24, -1.0, 11.0, 5.0, {40, 150, 70, 235});
}

// Rises and fades: eight frames at 12 a second.
void MakeSmokePuff(CContentTree& tree, const char* item)
{
    std::vector<CPicture> frames;
    for (int i = 0; i < 8; i++)
    {
        CPicture frame(20, 20);
        const double radius = 3.0 + i;
        frame.FillEllipse(10.0, 10.0, radius, radius, {210, 215, 225, static_cast<uint8_t>(200 - 22 * i)});
        frames.push_back(frame);
    }
    AddSequence(tree, "Smoke Puff", frames, Properties("12").c_str(), item);
}

void MakeBoid(CContentTree& tree, const char* item)
{
    MakeDirectionalSequence(tree, item, "Boid", 16, -6.0, 6.0, 8.0, {30, 30, 40});
}

CContentItemRegistration s_FishLeft("Resources/-Fish Left/Properties.txt", MakeFishLeft);
CContentItemRegistration s_FishRight("Resources/-Fish Right/Properties.txt", MakeFishRight);
CContentItemRegistration s_Plankton("Resources/-Plankton/Properties.txt", MakePlankton);
CContentItemRegistration s_Debris("Resources/-Debris/Properties.txt", MakeDebris);
CContentItemRegistration s_Shell("Resources/-Opening Shell/Properties.txt", MakeShell);
CContentItemRegistration s_SeaWeed("Resources/-Sea Weed/Properties.txt", MakeSeaWeed);
CContentItemRegistration s_SmokePuff("Resources/-Smoke Puff/Properties.txt", MakeSmokePuff);
CContentItemRegistration s_Boid("Resources/-Boid/Properties.txt", MakeBoid);

} // namespace
