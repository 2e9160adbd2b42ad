#include <cstdio>
#include <string>
#include <vector>

#include "content/audio/synth.h"
#include "content/content_items.h"
#include "content/images/picture.h"
#include "content/images/sequence_item.h"

// The shots of the ship's guns and of the laser ball, for the guns and
// plug-ins the power-ups configure to name. Shots that fly any way hold one
// picture per heading: the stinger missile's go round clockwise on the
// screen from +x, as its heading does; the laser ball's go round the other
// way, as it picks its frame by the heading's complement.

namespace {

constexpr int kHeadings = 16;

std::string Properties(const char* framesPerSecond)
{
    char text[128];
    std::snprintf(text, sizeof text, "CSequence\n{\n\tFrames Per Second=%s\n\tCenter Hot Spot=1\n}\n", framesPerSecond);
    return text;
}

// A wedge from back to front along the turn (whole turns, clockwise on the
// screen from +x), width wide at the back.
void FillAlong(CPicture& picture, double centre, double turns, double back, double front, double width,
               CPictureColor colour)
{
    const double dx = ApproximateSine(turns + 0.25);
    const double dy = ApproximateSine(turns);
    const double nx = -dy * width / 2.0;
    const double ny = dx * width / 2.0;
    picture.FillPolygon({centre + dx * back + nx, centre + dy * back + ny, centre + dx * front + nx * 0.4,
                         centre + dy * front + ny * 0.4, centre + dx * front - nx * 0.4, centre + dy * front - ny * 0.4,
                         centre + dx * back - nx, centre + dy * back - ny},
                        colour);
}

// A picture per heading; direction +1 turns clockwise from frame to frame.
std::vector<CPicture> HeadingFrames(int size, int direction, double length, double width, CPictureColor body,
                                    CPictureColor tip)
{
    std::vector<CPicture> frames;
    const double centre = size / 2.0;
    for (int i = 0; i < kHeadings; i++)
    {
        const double turns = direction * static_cast<double>(i) / kHeadings;
        CPicture frame(size, size);
        FillAlong(frame, centre, turns, -length / 2.0, length / 2.0, width, body);
        FillAlong(frame, centre, turns, length / 6.0, length / 2.0, width * 0.6, tip);
        frames.push_back(frame);
    }
    return frames;
}

void MakeStingerMissile(CContentTree& tree, const char* item)
{
    AddSequence(tree, "Shots/Stinger Missile",
                HeadingFrames(16, 1, 13.0, 5.0, CPictureColor{200, 200, 210}, CPictureColor{255, 80, 60}),
                Properties("0").c_str(), item);
}

void MakeBallLaserShot(CContentTree& tree, const char* item)
{
    AddSequence(tree, "Shots/Ball Laser Shot",
                HeadingFrames(14, -1, 12.0, 3.0, CPictureColor{255, 90, 200, 230}, CPictureColor{255, 230, 255}),
                Properties("0").c_str(), item);
}

// The laser gun's bolt, flickering between two frames.
void MakeLaserShot(CContentTree& tree, const char* item)
{
    std::vector<CPicture> frames;
    for (uint8_t glow : {200, 255})
    {
        CPicture frame(4, 14);
        frame.FillRect(0.0, 0.0, 4.0, 14.0, CPictureColor{80, 255, 120, glow});
        frame.FillRect(1.0, 1.0, 3.0, 13.0, CPictureColor{230, 255, 230, 255});
        frames.push_back(frame);
    }
    AddSequence(tree, "Shots/Laser Shot", frames, Properties("20").c_str(), item);
}

// The big gun's missile, its flame flickering below it.
void MakeBigGunMissile(CContentTree& tree, const char* item)
{
    std::vector<CPicture> frames;
    for (double flame : {5.0, 3.5})
    {
        CPicture frame(8, 24);
        frame.FillPolygon({4.0, 0.0, 7.0, 5.0, 7.0, 17.0, 1.0, 17.0, 1.0, 5.0}, CPictureColor{180, 180, 190});
        frame.FillRect(0.0, 13.0, 8.0, 17.0, CPictureColor{200, 60, 50});
        frame.FillPolygon({2.0, 17.0, 6.0, 17.0, 4.0, 17.0 + flame}, CPictureColor{255, 190, 60, 230});
        frames.push_back(frame);
    }
    AddSequence(tree, "Shots/Big Gun Missile", frames, Properties("15").c_str(), item);
}

// The splitter gun's shot: a ring that pulses.
void MakeSplitterShot(CContentTree& tree, const char* item)
{
    std::vector<CPicture> frames;
    for (int i = 0; i < 4; i++)
    {
        CPicture frame(12, 12);
        const double outer = 4.0 + 0.5 * i;
        frame.FillRing(6.0, 6.0, outer, outer - 1.5, CPictureColor{255, 220, 80, 230});
        frame.FillEllipse(6.0, 6.0, 1.5, 1.5, CPictureColor{255, 255, 255});
        frames.push_back(frame);
    }
    AddSequence(tree, "Shots/Splitter Shot", frames, Properties("12").c_str(), item);
}

CContentItemRegistration s_StingerMissile("Resources/Shots/-Stinger Missile/Properties.txt", MakeStingerMissile);
CContentItemRegistration s_BallLaserShot("Resources/Shots/-Ball Laser Shot/Properties.txt", MakeBallLaserShot);
CContentItemRegistration s_LaserShot("Resources/Shots/-Laser Shot/Properties.txt", MakeLaserShot);
CContentItemRegistration s_BigGunMissile("Resources/Shots/-Big Gun Missile/Properties.txt", MakeBigGunMissile);
CContentItemRegistration s_SplitterShot("Resources/Shots/-Splitter Shot/Properties.txt", MakeSplitterShot);

} // namespace
