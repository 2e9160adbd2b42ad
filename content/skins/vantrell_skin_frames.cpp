#include <iterator>
#include <vector>

#include "content/images/picture_table.h"
#include "content/skins/skin_pictures.h"

// The pictures of the game's skin, under "Resources/Skins/Vantrell": the
// textures of windows and buttons, the alpha masks that chamfer the window
// corners, the rim of highlights around windows and the plate under
// titles.

namespace {

// Masks keep their alpha run-length, without fill runs, so that every
// pixel can take its own texture colour.
const char kMaskOptions[] =
    "CStandAloneFrame\n{\n\tRun Length Encode=1\n\tRLE All Copy=1\n\tCenter Hot Spot=1\n}\n";
const char kEdgePieceOptions[] = "CStandAloneFrame\n{\n\tCenter Hot Spot=1\n}\n";
const char kDecalOptions[] = "CStandAloneFrame\n{\n\tCenter Hot Spot=1\n\tCrop Color 0=0\n}\n";

constexpr int32_t kCorner = 12;
constexpr int32_t kChamfer = 5;
constexpr double kDiagonalStep = 1.4142;
constexpr int32_t kRimDepth = 3;

// The rim from the edge inwards: a warm light line, then shade.
const CPictureColor kRim[kRimDepth] = {{255, 226, 170, 210}, {0, 0, 0, 120}, {0, 0, 0, 50}};

CPicture CornerMask(CSkinMirror mirror)
{
    CPicture picture(2 * kCorner, 2 * kCorner);
    const std::vector<double> shape = {kChamfer, 0, kCorner, 0, kCorner, kCorner, 0, kCorner, 0, kChamfer};
    picture.FillPolygon(MirrorIntoQuadrant(shape, mirror, kCorner, kCorner), {255, 255, 255});
    return picture;
}

CPicture CornerHighlight(CSkinMirror mirror)
{
    CPicture picture(2 * kCorner, 2 * kCorner);
    for (int32_t band = 0; band < kRimDepth; ++band)
    {
        const double d = band * kDiagonalStep;
        const double along = kChamfer + d + kDiagonalStep - band;
        const std::vector<std::vector<double>> shapes = {
            {0, kChamfer + d, kChamfer + d, 0, kChamfer + d + kDiagonalStep, 0, 0, kChamfer + d + kDiagonalStep},
            {along, double(band), kCorner, double(band), kCorner, band + 1.0, along, band + 1.0},
            {double(band), along, band + 1.0, along, band + 1.0, kCorner, double(band), kCorner},
        };
        for (const std::vector<double>& shape : shapes)
            picture.FillPolygon(MirrorIntoQuadrant(shape, mirror, kCorner, kCorner), kRim[band]);
    }
    return picture;
}

// A strip piece one pixel long: the rim across the edge, the light line on
// the edge itself.
CPicture EdgePiece(bool horizontalEdge, CSkinMirror mirror)
{
    const int32_t across = kRimDepth;
    CPicture picture(horizontalEdge ? 2 : 2 * across, horizontalEdge ? 2 * across : 2);
    for (int32_t band = 0; band < across; ++band)
    {
        const std::vector<double> shape = horizontalEdge
                                              ? std::vector<double>{0, double(band), 1, double(band), 1, band + 1.0,
                                                                    0, band + 1.0}
                                              : std::vector<double>{double(band), 0, band + 1.0, 0, band + 1.0, 1,
                                                                    double(band), 1};
        picture.FillPolygon(MirrorIntoQuadrant(shape, mirror, horizontalEdge ? 1 : across, horizontalEdge ? across : 1),
                            kRim[band]);
    }
    return picture;
}

// The plate centred on the top edge behind a dialog's title.
CPicture TitlePlate()
{
    CPicture picture(48, 12);
    picture.FillPolygon({0, 6, 6, 0, 42, 0, 48, 6, 42, 12, 6, 12}, {255, 226, 170, 220});
    picture.FillPolygon({2, 6, 7, 1.5, 41, 1.5, 46, 6, 41, 10.5, 7, 10.5}, {44, 58, 70});
    picture.FillPolygon({24, 2.5, 27.5, 6, 24, 9.5, 20.5, 6}, {255, 226, 170});
    return picture;
}

const CPictureRow kFrames[] = {
    {"Window Texture", [] { return GrainedTexture(64, 64, {44, 58, 70}, 0x5EED0001u); }, kPlainTextureOptions},
    {"Button Texture", [] { return GrainedTexture(32, 32, {62, 82, 96}, 0x5EED0002u); }, kPlainTextureOptions},
    {"Button Hover Texture", [] { return GrainedTexture(32, 32, {78, 104, 120}, 0x5EED0003u); }, kPlainTextureOptions},
    {"Button Pressed Texture", [] { return GrainedTexture(32, 32, {36, 48, 58}, 0x5EED0004u); }, kPlainTextureOptions},
    {"Top Left Alpha", [] { return CornerMask(kTopLeft); }, kMaskOptions},
    {"Top Right Alpha", [] { return CornerMask(kTopRight); }, kMaskOptions},
    {"Bottom Left Alpha", [] { return CornerMask(kBottomLeft); }, kMaskOptions},
    {"Bottom Right Alpha", [] { return CornerMask(kBottomRight); }, kMaskOptions},
    {"Top Left Highlight", [] { return CornerHighlight(kTopLeft); }, kEdgePieceOptions},
    {"Top Right Highlight", [] { return CornerHighlight(kTopRight); }, kEdgePieceOptions},
    {"Bottom Left Highlight", [] { return CornerHighlight(kBottomLeft); }, kEdgePieceOptions},
    {"Bottom Right Highlight", [] { return CornerHighlight(kBottomRight); }, kEdgePieceOptions},
    {"Top Center Highlight", [] { return EdgePiece(true, kTopLeft); }, kEdgePieceOptions},
    {"Bottom Center Highlight", [] { return EdgePiece(true, kBottomLeft); }, kEdgePieceOptions},
    {"Center Left Highlight", [] { return EdgePiece(false, kTopLeft); }, kEdgePieceOptions},
    {"Center Right Highlight", [] { return EdgePiece(false, kTopRight); }, kEdgePieceOptions},
    {"Title Plate", TitlePlate, kDecalOptions},
};

} // namespace

static CPictureTable s_SkinFrames("Resources/Skins/Vantrell/", kFrames, std::size(kFrames));
