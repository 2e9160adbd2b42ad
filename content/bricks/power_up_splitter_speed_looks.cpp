#include <string>
#include <vector>

#include "content/content_items.h"
#include "content/images/picture.h"
#include "content/images/sequence_item.h"

// The looks of the bricks that hand something on: the power-up brick's
// glowing capsule, the large splitter (four slabs in one) and the
// sequence in which it comes apart, and the narrow speed changers whose
// chevrons run the way they push the ball.

namespace {

constexpr int32_t kFrames = 6;
// A pulse over the six frames, kept as whole levels so every machine draws
// the same bytes.
constexpr uint8_t kPulse[kFrames] = {170, 200, 230, 250, 230, 200};

void DrawSlab(CPicture& picture, double left, double top, double right, double bottom, CPictureColor light,
              CPictureColor dark)
{
    picture.FillRect(left, top, right, bottom, dark);
    picture.FillRect(left + 2.0, top + 2.0, right - 2.0, bottom - 2.0, light);
}

CPicture DrawPowerUp(int32_t frame)
{
    CPicture picture(40, 22);
    DrawSlab(picture, 0.0, 0.0, 40.0, 22.0, {150, 90, 200}, {70, 40, 110});
    const CPictureColor glow{255, kPulse[frame], 90};
    picture.FillEllipse(13.0, 11.0, 6.0, 6.0, glow);
    picture.FillRect(13.0, 5.0, 27.0, 17.0, glow);
    picture.FillEllipse(27.0, 11.0, 6.0, 6.0, glow);
    const CPictureColor white{255, 255, 255, 230};
    picture.FillRect(18.5, 7.0, 21.5, 15.0, white);
    picture.FillRect(16.0, 9.5, 24.0, 12.5, white);
    return picture;
}

// Four slabs with seams between; spread moves them apart and fade makes
// them see-through, for the splitting sequence.
CPicture DrawSplitter(int32_t frame, double spread, uint8_t alpha)
{
    CPicture picture(80, 44);
    const CPictureColor light{110, 220, 200, alpha};
    const CPictureColor dark{20, 100, 90, alpha};
    for (int32_t row = 0; row < 2; row++)
    {
        for (int32_t column = 0; column < 2; column++)
        {
            const double left = 1.0 + column * 40.0 + (column == 0 ? -spread : spread);
            const double top = 1.0 + row * 22.0 + (row == 0 ? -spread : spread);
            DrawSlab(picture, left, top, left + 38.0, top + 20.0, light, dark);
        }
    }
    const double glint = -8.0 + 96.0 * frame / kFrames;
    picture.FillPolygon({glint, 2.0, glint + 6.0, 2.0, glint - 6.0, 42.0, glint - 12.0, 42.0},
                        CPictureColor{255, 255, 255, static_cast<uint8_t>(alpha * 90 / 255)});
    return picture;
}

CPicture DrawSplitterWhole(int32_t frame)
{
    return DrawSplitter(frame, 0.0, 255);
}

CPicture DrawSplitting(int32_t frame)
{
    return DrawSplitter(frame, 1.5 * frame, static_cast<uint8_t>(255 - 35 * frame));
}

// Two chevrons on a narrow slab, pointing and running up (down when
// flipped), a third of the height apart.
CPicture DrawChevrons(int32_t frame, CPictureColor light, CPictureColor dark, bool down)
{
    CPicture picture(22, 22);
    DrawSlab(picture, 0.0, 0.0, 22.0, 22.0, light, dark);
    const CPictureColor ink{255, 255, 255, 220};
    const double shift = 22.0 * frame / kFrames;
    for (double tip : {3.0 - shift, 14.0 - shift, 25.0 - shift})
    {
        // Each arm is convex on its own.
        auto y = [down](double value) { return down ? 22.0 - value : value; };
        picture.FillPolygon({3.0, y(tip + 8.0), 11.0, y(tip), 11.0, y(tip + 4.0), 3.0, y(tip + 12.0)}, ink);
        picture.FillPolygon({11.0, y(tip), 19.0, y(tip + 8.0), 19.0, y(tip + 12.0), 11.0, y(tip + 4.0)}, ink);
    }
    return picture;
}

CPicture DrawAccelerator(int32_t frame)
{
    return DrawChevrons(frame, {255, 235, 110}, {190, 120, 0}, false);
}

CPicture DrawDecelerator(int32_t frame)
{
    return DrawChevrons(frame, {190, 140, 255}, {80, 40, 150}, true);
}

struct CLook
{
    const char* name;
    CPicture (*draw)(int32_t frame);
    const char* properties;
};

const char* const kLooping = "CSequence\n{\n\tFrames Per Second=8\n\tCenter Hot Spot=1\n}\n";

const CLook kLooks[] = {
    {"Brick Power-Up", DrawPowerUp, kLooping},
    {"Brick Splitter", DrawSplitterWhole, kLooping},
    // Played once, in half a second.
    {"Brick Splitting", DrawSplitting, "CSequence\n{\n\tFrames Per Second=12\n\tCenter Hot Spot=1\n}\n"},
    {"Brick Accelerator", DrawAccelerator, kLooping},
    {"Brick Decelerator", DrawDecelerator, kLooping},
};

std::string ItemOf(const CLook& look)
{
    return std::string("Resources/-") + look.name + "/Properties.txt";
}

void MakeLook(CContentTree& tree, const char* item)
{
    for (const CLook& look : kLooks)
    {
        if (ItemOf(look) != item)
            continue;
        std::vector<CPicture> frames;
        for (int32_t i = 0; i < kFrames; i++)
            frames.push_back(look.draw(i));
        AddSequence(tree, look.name, frames, look.properties, item);
    }
}

struct CLookRegistrations
{
    CLookRegistrations()
    {
        for (const CLook& look : kLooks)
            names.push_back(ItemOf(look));
        for (const std::string& name : names)
            registrations.emplace_back(name.c_str(), MakeLook);
    }

    std::vector<std::string> names;
    std::vector<CContentItemRegistration> registrations;
};

CLookRegistrations s_Looks;

} // namespace
