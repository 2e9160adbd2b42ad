#include <string>
#include <vector>

#include "content/content_items.h"
#include "content/images/picture.h"
#include "content/images/sequence_item.h"
#include "content/objects/object_item.h"

// What the three bricks that act on the bricks round them need beyond a
// slab look: the shimmer a Change Area wears over the style it hands out,
// the sparks it gives off while it waits, and one style of each kind.

namespace {

constexpr int32_t kOverlayWidth = 40;
constexpr int32_t kOverlayHeight = 22;
constexpr int32_t kOverlayFrames = 8;

// A ring that swells from the middle of the brick and fades as it grows,
// so whatever look lies below stays readable.
void MakeChangeAreaOverlay(CContentTree& tree, const char* item)
{
    std::vector<CPicture> frames;
    for (int32_t i = 0; i < kOverlayFrames; i++)
    {
        CPicture picture(kOverlayWidth, kOverlayHeight);
        const double grown = static_cast<double>(i + 1) / kOverlayFrames;
        const double outer = 3.0 + 8.0 * grown;
        const auto alpha = static_cast<uint8_t>(200 - 150 * grown);
        picture.FillRing(kOverlayWidth / 2.0, kOverlayHeight / 2.0, outer, outer - 2.0,
                         CPictureColor{255, 220, 255, alpha});
        frames.push_back(picture);
    }
    AddSequence(tree, "Brick Change Area Overlay", frames,
                "CSequence\n{\n\tFrames Per Second=12\n\tCenter Hot Spot=1\n}\n", item);
}

CContentItemRegistration s_Overlay("Resources/-Brick Change Area Overlay/Properties.txt", MakeChangeAreaOverlay);

void MakeIdleSparks(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, item,
                  "CParticleGeneratorInfo\n{\n\tParticles=1\n\tVelocity=15\n\tParticle Types=Array\n\t{\n"
                  "\t\tArray Item=CParticleType\n\t\t{\n\t\t\tParticle Type=Spark\n\t\t}\n\t}\n}\n",
                  item);
}

CContentItemRegistration s_IdleSparks("Resources/Change Area Idle.PGen", MakeIdleSparks, CONTENT_OBJECTS);

struct CAreaStyle
{
    const char* item;
    const char* text;
};

const CAreaStyle kStyles[] = {
    {"Resources/Brick Style Sheets/Common/Change Area.BrickStyleSheet",
     "CBrickStyleSheetChangeArea\n{\n\tDescription=Breaking it turns the bricks round it into the style it names.\n"
     "\tEditor Button Sequence=Brick Change Area\n\tScore=20\n\tPrimary Sequence=Brick Change Area\n"
     "\tIdle Particle Generator=Change Area Idle\n\tOverlay Sequence=Brick Change Area Overlay\n}\n"},
    {"Resources/Brick Style Sheets/Common/Concussion Wave.BrickStyleSheet",
     "CBrickStyleSheetConcussion\n{\n\tDescription=Breaking it pushes the bricks round it away.\n"
     "\tEditor Button Sequence=Brick Concussion\n\tScore=20\n\tPrimary Sequence=Brick Concussion\n}\n"},
    {"Resources/Brick Style Sheets/Common/Exploder.BrickStyleSheet",
     "CBrickStyleSheetExploder\n{\n\tDescription=Breaking it sets off the bricks round it, one after another.\n"
     "\tEditor Button Sequence=Brick Exploder\n\tScore=20\n\tPrimary Sequence=Brick Exploder\n}\n"},
};

void MakeAreaStyle(CContentTree& tree, const char* item)
{
    for (const CAreaStyle& style : kStyles)
    {
        if (std::string(style.item) == item)
            AddObjectFile(tree, item, style.text, item);
    }
}

// Style sheets name sequences and the particle generators.
struct CAreaStyleRegistrations
{
    CAreaStyleRegistrations()
    {
        for (const CAreaStyle& style : kStyles)
            registrations.emplace_back(style.item, MakeAreaStyle, CONTENT_OBJECTS_OF_OBJECTS);
    }

    std::vector<CContentItemRegistration> registrations;
};

CAreaStyleRegistrations s_AreaStyles;

} // namespace
