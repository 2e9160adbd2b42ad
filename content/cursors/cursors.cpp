#include "content/content_items.h"
#include "content/cursors/cursor_shapes.h"
#include "content/images/sequence_item.h"

#include <string>
#include <vector>

// The pointer sequences of the "Sequences" library: "MouseCursor", the
// normal pointer, and the shapes of the window toolkit's cursor table.
// Pointers are stored lossless: a blurred pointer looks broken.

namespace {

const char kCentredPointer[] = "CSequence\n{\n\tLoss Less 2=1\n}\n";

} // namespace

// The arrow, its tip the hot spot at the picture's corner, glinting in
// four frames.
static void MakeMouseCursor(CContentTree& tree, const char* item)
{
    const CursorShape arrow = {{1, 1, 1, 18, 13, 13}, {5, 13, 8, 12, 12, 20, 9, 21.5}};
    static const CPictureColor kGlint[] = {{250, 250, 250}, {226, 240, 255}, {200, 228, 255}, {226, 240, 255}};
    std::vector<CPicture> frames;
    for (const CPictureColor& fill : kGlint)
        frames.push_back(DrawCursor(arrow, fill, false));
    AddSequence(tree, "MouseCursor", frames,
                "CSequence\n{\n\tFrames Per Second=6\n\tCenter Hot Spot=0\n\tLoss Less 2=1\n}\n", item);
}

namespace {

// The centred pointers of the cursor table: name, shape and fill.
struct CPointerRow
{
    const char* name;
    CursorShape (*shape)();
    CPictureColor fill;
};

CursorShape TextShape()
{
    return {{-1.5, -10, 1.5, -10, 1.5, 10, -1.5, 10}, {-6, -12, 6, -12, 6, -9, -6, -9}, {-6, 9, 6, 9, 6, 12, -6, 12}};
}
CursorShape FourWayShape()
{
    return Join(DoubleArrowShape(ECursorTurn::Right), DoubleArrowShape(ECursorTurn::Down));
}
CursorShape AlongX()
{
    return DoubleArrowShape(ECursorTurn::Right);
}
CursorShape AlongY()
{
    return DoubleArrowShape(ECursorTurn::Down);
}
CursorShape AlongFalling()
{
    return DoubleArrowShape(ECursorTurn::Falling);
}
CursorShape AlongRising()
{
    return DoubleArrowShape(ECursorTurn::Rising);
}
// Setting a value along x, along y or both: a line across with a centre dot.
CursorShape SetXShape()
{
    return {{-1, -11, 1, -11, 1, 11, -1, 11}, {-3, -3, 3, -3, 3, 3, -3, 3}};
}
CursorShape SetYShape()
{
    return {{-11, -1, 11, -1, 11, 1, -11, 1}, {-3, -3, 3, -3, 3, 3, -3, 3}};
}
CursorShape SetXYShape()
{
    return Join(SetXShape(), {{-11, -1, 11, -1, 11, 1, -11, 1}});
}
CursorShape PageUp()
{
    return ArrowShape(ECursorTurn::Up);
}
CursorShape PageDown()
{
    return ArrowShape(ECursorTurn::Down);
}
CursorShape PageLeft()
{
    return ArrowShape(ECursorTurn::Left);
}
CursorShape PageRight()
{
    return ArrowShape(ECursorTurn::Right);
}

const CPointerRow kPointers[] = {
    {"Text Cursor", TextShape, kCursorFill},
    {"Can Move Cursor", FourWayShape, kCursorFill},
    {"Moving Cursor", FourWayShape, kCursorActiveFill},
    {"Can Move X Cursor", AlongX, kCursorFill},
    {"Moving X Cursor", AlongX, kCursorActiveFill},
    {"Can Move Y Cursor", AlongY, kCursorFill},
    {"Moving Y Cursor", AlongY, kCursorActiveFill},
    {"Set X Cursor", SetXShape, kCursorFill},
    {"Set Y Cursor", SetYShape, kCursorFill},
    {"Set XY Cursor", SetXYShape, kCursorFill},
    {"Can Resize Cursor", AlongFalling, kCursorFill},
    {"Resizing Cursor", AlongFalling, kCursorActiveFill},
    {"Can Resize Other Cursor", AlongRising, kCursorFill},
    {"Resizing Other Cursor", AlongRising, kCursorActiveFill},
    {"Page Up Cursor", PageUp, kCursorFill},
    {"Page Down Cursor", PageDown, kCursorFill},
    {"Page Left Cursor", PageLeft, kCursorFill},
    {"Page Right Cursor", PageRight, kCursorFill},
};
constexpr size_t kPointerCount = sizeof kPointers / sizeof kPointers[0];

std::string PointerItem(const CPointerRow& row)
{
    return std::string("Resources/-") + row.name + "/Properties.txt";
}

void MakePointer(CContentTree& tree, const char* item)
{
    for (const CPointerRow& row : kPointers)
    {
        if (PointerItem(row) == item)
            AddSequence(tree, row.name, {DrawCursor(row.shape(), row.fill)}, kCentredPointer, item);
    }
}

// One item a row, named by its properties file.
struct CPointerRegistrations
{
    CPointerRegistrations()
    {
        names.reserve(kPointerCount);
        for (const CPointerRow& row : kPointers)
        {
            names.push_back(PointerItem(row));
            registrations.emplace_back(names.back().c_str(), MakePointer);
        }
    }

    std::vector<std::string> names;
    std::vector<CContentItemRegistration> registrations;
};

CPointerRegistrations s_Pointers;

} // namespace

// Item 0 of "Sequences", where a sequence index of 0 means none: one
// transparent pixel, so whatever shows it (the placeholder brick style)
// draws nothing, yet has a frame like every other sequence.
static void MakeNoSequence(CContentTree& tree, const char* item)
{
    AddSequence(tree, "!None", {CPicture(1, 1)}, "CSequence\n{\n}\n", item);
}

static CContentItemRegistration s_NoSequence("Resources/-!None/Properties.txt", MakeNoSequence);
static CContentItemRegistration s_MouseCursor("Resources/-MouseCursor/Properties.txt", MakeMouseCursor);
