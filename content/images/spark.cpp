#include <vector>

#include "content/content_items.h"
#include "content/images/picture.h"
#include "content/images/sequence_item.h"

// The particle of spark bursts: a hot dot 5 x 5 that cools and fades out
// over four frames, so a burst dies away where it flew.
static void MakeSpark(CContentTree& tree, const char* item)
{
    struct CSparkFrame
    {
        CPictureColor colour;
        double radius;
    };
    static const CSparkFrame kFrames[] = {
        {{255, 255, 220, 255}, 2.5},
        {{255, 230, 120, 210}, 2.2},
        {{255, 170, 60, 150}, 1.8},
        {{220, 110, 40, 80}, 1.3},
    };
    std::vector<CPicture> frames;
    for (const CSparkFrame& frame : kFrames)
    {
        CPicture picture(5, 5);
        picture.FillEllipse(2.5, 2.5, frame.radius, frame.radius, frame.colour);
        frames.push_back(picture);
    }
    AddSequence(tree, "Spark", frames, "CSequence\n{\n\tFrames Per Second=20\n}\n", item);
}

static CContentItemRegistration s_Spark("Resources/-Spark/Properties.txt", MakeSpark);
