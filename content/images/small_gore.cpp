#include "content/content_items.h"
#include "content/images/picture.h"
#include "content/images/sequence_item.h"

// The puff that marks each bonus of the round's tally: a ring that widens
// and fades over six frames.
static void MakeSmallGore(CContentTree& tree, const char* item)
{
    std::vector<CPicture> frames;
    for (int i = 0; i < 6; i++)
    {
        CPicture frame(32, 32);
        const double outer = 5.0 + 2.0 * i;
        const uint8_t alpha = static_cast<uint8_t>(255 - 40 * i);
        frame.FillRing(16.0, 16.0, outer, outer - 3.0, CPictureColor{255, 200, 90, alpha});
        frame.FillEllipse(16.0, 16.0, 3.0 - 0.4 * i, 3.0 - 0.4 * i, CPictureColor{255, 255, 220, alpha});
        frames.push_back(frame);
    }
    AddSequence(tree, "Small Gore", frames, "CSequence\n{\n\tFrames Per Second=30\n\tCenter Hot Spot=1\n}\n", item);
}

static CContentItemRegistration s_SmallGore("Resources/-Small Gore/Properties.txt", MakeSmallGore);
