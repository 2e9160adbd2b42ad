#include "content/content_items.h"
#include "content/cursors/cursor_shapes.h"
#include "content/images/sequence_item.h"

// The pointer sequences of the "Sequences" library: "MouseCursor", the
// normal pointer, and the shapes of the window toolkit's cursor table.
// Pointers are stored lossless: a blurred pointer looks broken.

namespace {

const char kCentredPointer[] = "CSequence\n{\n\tLoss Less 2=1\n}\n";

void AddPointer(CContentTree& tree, const char* item, const char* name, const CursorShape& shape, CPictureColor fill)
{
    AddSequence(tree, name, {DrawCursor(shape, fill)}, kCentredPointer, item);
}

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
                "CSequence\n{\n\tFrames Per Second=6\n\tCenter Hot Spot=0\n\tLoss Less 2=1\n}\n",
                item);
}

static void MakeTextCursor(CContentTree& tree, const char* item)
{
    AddPointer(tree, item, "Text Cursor", {{-1.5, -10, 1.5, -10, 1.5, 10, -1.5, 10}, {-6, -12, 6, -12, 6, -9, -6, -9},
                                           {-6, 9, 6, 9, 6, 12, -6, 12}},
               kCursorFill);
}

static CursorShape FourWayShape()
{
    return Join(DoubleArrowShape(ECursorTurn::Right), DoubleArrowShape(ECursorTurn::Down));
}

static void MakeCanMoveCursor(CContentTree& tree, const char* item)
{
    AddPointer(tree, item, "Can Move Cursor", FourWayShape(), kCursorFill);
}

static void MakeMovingCursor(CContentTree& tree, const char* item)
{
    AddPointer(tree, item, "Moving Cursor", FourWayShape(), kCursorActiveFill);
}

static void MakeCanMoveXCursor(CContentTree& tree, const char* item)
{
    AddPointer(tree, item, "Can Move X Cursor", DoubleArrowShape(ECursorTurn::Right), kCursorFill);
}

static void MakeMovingXCursor(CContentTree& tree, const char* item)
{
    AddPointer(tree, item, "Moving X Cursor", DoubleArrowShape(ECursorTurn::Right), kCursorActiveFill);
}

static void MakeCanMoveYCursor(CContentTree& tree, const char* item)
{
    AddPointer(tree, item, "Can Move Y Cursor", DoubleArrowShape(ECursorTurn::Down), kCursorFill);
}

static void MakeMovingYCursor(CContentTree& tree, const char* item)
{
    AddPointer(tree, item, "Moving Y Cursor", DoubleArrowShape(ECursorTurn::Down), kCursorActiveFill);
}

// Setting a value along x, along y or both: a line across with a centre dot.
static void MakeSetXCursor(CContentTree& tree, const char* item)
{
    AddPointer(tree, item, "Set X Cursor", {{-1, -11, 1, -11, 1, 11, -1, 11}, {-3, -3, 3, -3, 3, 3, -3, 3}},
               kCursorFill);
}

static void MakeSetYCursor(CContentTree& tree, const char* item)
{
    AddPointer(tree, item, "Set Y Cursor", {{-11, -1, 11, -1, 11, 1, -11, 1}, {-3, -3, 3, -3, 3, 3, -3, 3}},
               kCursorFill);
}

static void MakeSetXYCursor(CContentTree& tree, const char* item)
{
    AddPointer(tree, item, "Set XY Cursor",
               {{-1, -11, 1, -11, 1, 11, -1, 11}, {-11, -1, 11, -1, 11, 1, -11, 1}, {-3, -3, 3, -3, 3, 3, -3, 3}},
               kCursorFill);
}

static void MakeCanResizeCursor(CContentTree& tree, const char* item)
{
    AddPointer(tree, item, "Can Resize Cursor", DoubleArrowShape(ECursorTurn::Falling), kCursorFill);
}

static void MakeResizingCursor(CContentTree& tree, const char* item)
{
    AddPointer(tree, item, "Resizing Cursor", DoubleArrowShape(ECursorTurn::Falling), kCursorActiveFill);
}

static void MakeCanResizeOtherCursor(CContentTree& tree, const char* item)
{
    AddPointer(tree, item, "Can Resize Other Cursor", DoubleArrowShape(ECursorTurn::Rising), kCursorFill);
}

static void MakeResizingOtherCursor(CContentTree& tree, const char* item)
{
    AddPointer(tree, item, "Resizing Other Cursor", DoubleArrowShape(ECursorTurn::Rising), kCursorActiveFill);
}

static void MakePageUpCursor(CContentTree& tree, const char* item)
{
    AddPointer(tree, item, "Page Up Cursor", ArrowShape(ECursorTurn::Up), kCursorFill);
}

static void MakePageDownCursor(CContentTree& tree, const char* item)
{
    AddPointer(tree, item, "Page Down Cursor", ArrowShape(ECursorTurn::Down), kCursorFill);
}

static void MakePageLeftCursor(CContentTree& tree, const char* item)
{
    AddPointer(tree, item, "Page Left Cursor", ArrowShape(ECursorTurn::Left), kCursorFill);
}

static void MakePageRightCursor(CContentTree& tree, const char* item)
{
    AddPointer(tree, item, "Page Right Cursor", ArrowShape(ECursorTurn::Right), kCursorFill);
}

// Item 0 of "Sequences", where a sequence index of 0 means none: a sequence
// without frames, which draws nothing.
static void MakeNoSequence(CContentTree& tree, const char* item)
{
    AddSequence(tree, "!None", {}, "CSequence\n{\n}\n", item);
}

static CContentItemRegistration s_NoSequence("Resources/-!None/Properties.txt", MakeNoSequence);
static CContentItemRegistration s_MouseCursor("Resources/-MouseCursor/Properties.txt", MakeMouseCursor);
static CContentItemRegistration s_TextCursor("Resources/-Text Cursor/Properties.txt", MakeTextCursor);
static CContentItemRegistration s_CanMove("Resources/-Can Move Cursor/Properties.txt", MakeCanMoveCursor);
static CContentItemRegistration s_Moving("Resources/-Moving Cursor/Properties.txt", MakeMovingCursor);
static CContentItemRegistration s_CanMoveX("Resources/-Can Move X Cursor/Properties.txt", MakeCanMoveXCursor);
static CContentItemRegistration s_MovingX("Resources/-Moving X Cursor/Properties.txt", MakeMovingXCursor);
static CContentItemRegistration s_CanMoveY("Resources/-Can Move Y Cursor/Properties.txt", MakeCanMoveYCursor);
static CContentItemRegistration s_MovingY("Resources/-Moving Y Cursor/Properties.txt", MakeMovingYCursor);
static CContentItemRegistration s_SetX("Resources/-Set X Cursor/Properties.txt", MakeSetXCursor);
static CContentItemRegistration s_SetY("Resources/-Set Y Cursor/Properties.txt", MakeSetYCursor);
static CContentItemRegistration s_SetXY("Resources/-Set XY Cursor/Properties.txt", MakeSetXYCursor);
static CContentItemRegistration s_CanResize("Resources/-Can Resize Cursor/Properties.txt", MakeCanResizeCursor);
static CContentItemRegistration s_Resizing("Resources/-Resizing Cursor/Properties.txt", MakeResizingCursor);
static CContentItemRegistration s_CanResizeOther("Resources/-Can Resize Other Cursor/Properties.txt",
                                                 MakeCanResizeOtherCursor);
static CContentItemRegistration s_ResizingOther("Resources/-Resizing Other Cursor/Properties.txt",
                                                MakeResizingOtherCursor);
static CContentItemRegistration s_PageUp("Resources/-Page Up Cursor/Properties.txt", MakePageUpCursor);
static CContentItemRegistration s_PageDown("Resources/-Page Down Cursor/Properties.txt", MakePageDownCursor);
static CContentItemRegistration s_PageLeft("Resources/-Page Left Cursor/Properties.txt", MakePageLeftCursor);
static CContentItemRegistration s_PageRight("Resources/-Page Right Cursor/Properties.txt", MakePageRightCursor);
