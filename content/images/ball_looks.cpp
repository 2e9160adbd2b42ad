#include <vector>

#include "content/content_items.h"
#include "content/images/picture.h"
#include "content/images/sequence_item.h"

// The balls: a pearl whose highlight circles its rim, so a ball in flight
// shimmers, and the small ball, a plain bright bead; the fire, rail, acid
// and laser balls are pearls in their power-ups' colours, so a ball shows
// what it carries. Each picture is as wide as the ball's collision circle
// and centred on it.

namespace {

const char* const kBallProperties = "CSequence\n{\n\tFrames Per Second=12\n\tCenter Hot Spot=1\n}\n";

// Where the highlight stands in each of the eight frames, as offsets from
// the centre in eighths of the radius (a circle without trigonometry).
const int kHighlight[8][2] = {{-3, -3}, {0, -4}, {3, -3}, {4, 0}, {3, 3}, {0, 4}, {-3, 3}, {-4, 0}};

std::vector<CPicture> PearlFrames(int size, CPictureColor body, CPictureColor rim)
{
    const double centre = size / 2.0;
    const double radius = size / 2.0;
    std::vector<CPicture> frames;
    for (const auto& spot : kHighlight)
    {
        CPicture frame(size, size);
        frame.FillEllipse(centre, centre, radius, radius, rim);
        frame.FillEllipse(centre, centre, radius - 1.0, radius - 1.0, body);
        const double x = centre + spot[0] * radius / 8.0;
        const double y = centre + spot[1] * radius / 8.0;
        frame.FillEllipse(x, y, radius / 3.0, radius / 3.0, CPictureColor{255, 255, 255, 220});
        frames.push_back(frame);
    }
    return frames;
}

void MakeBall(CContentTree& tree, const char* item)
{
    AddSequence(tree, "Ball", PearlFrames(16, CPictureColor{190, 220, 255}, CPictureColor{70, 110, 190}),
                kBallProperties, item);
}

void MakeSmallBall(CContentTree& tree, const char* item)
{
    AddSequence(tree, "Small Ball", PearlFrames(6, CPictureColor{255, 240, 200}, CPictureColor{200, 150, 60}),
                kBallProperties, item);
}

// The ball plug-ins keep the ball's full size, so their pearls are as wide
// as the ball.
void MakePlugInBalls(CContentTree& tree, const char* item)
{
    const struct
    {
        const char* name;
        CPictureColor body;
        CPictureColor rim;
    } balls[] = {{"Fire Ball", {255, 170, 60}, {200, 50, 20}},
                 {"Rail Ball", {215, 220, 230}, {90, 100, 120}},
                 {"Acid Ball", {170, 255, 110}, {50, 150, 40}},
                 {"Laser Ball", {255, 140, 170}, {200, 30, 80}}};
    for (const auto& ball : balls)
        AddSequence(tree, ball.name, PearlFrames(16, ball.body, ball.rim), kBallProperties, item);
}

CContentItemRegistration s_Ball("Resources/-Ball/Properties.txt", MakeBall);
CContentItemRegistration s_SmallBall("Resources/-Small Ball/Properties.txt", MakeSmallBall);
CContentItemRegistration s_PlugInBalls("Resources/-Fire Ball/Properties.txt", MakePlugInBalls);

} // namespace
