#include <vector>

#include "content/content_items.h"
#include "content/images/picture.h"
#include "content/images/sequence_item.h"

// What an acid ball leaves on a brick: a mask whose hole widens from where
// the ball struck until no brick is left under it (the brick shows only
// where the mask is opaque), and an overlay of bubbling green at the hole's
// edge. The dissolve ends on the last frame, so the last hole must cover a
// 40 x 22 brick struck at any point of its rim: its radius exceeds the
// brick's diagonal.

namespace {

constexpr int kFrames = 10;
constexpr int kSize = 112;
constexpr double kCentre = kSize / 2.0;
// Reaches the frame's corners, so the mask covers all of it round the hole.
constexpr double kMaskOuter = 80.0;
constexpr double kLastHole = 50.0;

const char* const kDissolveProperties = "CSequence\n{\n\tFrames Per Second=12\n\tCenter Hot Spot=1\n}\n";

double HoleRadius(int frame)
{
    return kLastHole * frame / (kFrames - 1);
}

void MakeAcidDissolve(CContentTree& tree, const char* item)
{
    std::vector<CPicture> masks;
    std::vector<CPicture> overlays;
    for (int i = 0; i < kFrames; i++)
    {
        const double hole = HoleRadius(i);
        CPicture mask(kSize, kSize);
        mask.FillRing(kCentre, kCentre, kMaskOuter, hole, CPictureColor{255, 255, 255});
        masks.push_back(mask);
        CPicture overlay(kSize, kSize);
        overlay.FillRing(kCentre, kCentre, hole + 4.0, hole, CPictureColor{120, 255, 60, 200});
        overlay.AddNoise(static_cast<uint32_t>(i + 1), 40);
        overlays.push_back(overlay);
    }
    AddSequence(tree, "Acid Dissolve Mask", masks, kDissolveProperties, item);
    AddSequence(tree, "Acid Dissolve Overlay", overlays, kDissolveProperties, item);
}

CContentItemRegistration s_AcidDissolve("Resources/-Acid Dissolve Mask/Properties.txt", MakeAcidDissolve);

} // namespace
