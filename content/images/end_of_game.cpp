#include <string>

#include "content/content_items.h"
#include "content/images/image_item.h"
#include "content/images/picture.h"
#include "content/objects/object_item.h"

// The pictures of a game's end: the "Game Over" sign over the playfield,
// the pictures of a finished standard round set and of every ring of it
// found, with the player's figures written over them, their overlay sets,
// and the small bubble the seconds of the resume count-down stand in.

// A dark plate with a red rim; transparent round it, as it is drawn with
// the transparent mask over the last picture of the game.
static void MakeGameOver(CContentTree& tree, const char* item)
{
    CPicture picture(415, 100);
    picture.FillRect(4, 4, 411, 96, {170, 30, 40});
    picture.FillRect(10, 10, 405, 90, {25, 10, 20});
    for (int bar = 0; bar < 9; ++bar)
        picture.FillRect(40 + bar * 40, 44, 64 + bar * 40, 56, {235, 200, 200});
    AddPictureFile(tree, item, picture, item);
    AddObjectFile(tree, "Resources/Game Over.txt", "CStandAloneFrame\n{\n\tRun Length Encode=0\n}\n", item);
}

// A sunrise over a cleared wall: the set is won.
static void MakeCompletedGame(CContentTree& tree, const char* item)
{
    CPicture picture(800, 600);
    picture.FillVerticalGradient({30, 20, 70}, {240, 150, 80});
    picture.FillEllipse(400, 420, 120, 120, {255, 220, 120});
    picture.FillRect(0, 420, 800, 600, {20, 30, 50});
    for (int column = 0; column < 13; ++column)
        picture.FillRect(10 + column * 60, 560, 60 + column * 60, 580, {70, 180, 90});
    picture.AddNoise(0xC0AB1E7Eu, 3);
    AddPictureFile(tree, item, picture, item);
    AddObjectFile(tree, "Resources/Completed Game.txt", "CStandAloneFrame\n{\n\tRun Length Encode=0\n}\n", item);
}

// Rings of gold raining over a night sky: every ring of the set found.
static void MakeCompletedRingGame(CContentTree& tree, const char* item)
{
    CPicture picture(800, 600);
    picture.FillVerticalGradient({10, 10, 40}, {60, 30, 90});
    for (int ring = 0; ring < 25; ++ring)
    {
        const double x = 40.0 + (ring * 137) % 720;
        const double y = 380.0 + (ring * 53) % 200;
        picture.FillRing(x, y, 14.0, 9.0, {255, 215, 60});
    }
    picture.AddNoise(0x21A65EEDu, 3);
    AddPictureFile(tree, item, picture, item);
    AddObjectFile(tree, "Resources/Completed Ring Game.txt", "CStandAloneFrame\n{\n\tRun Length Encode=0\n}\n",
                  item);
}

static void MakeCountDownBubble(CContentTree& tree, const char* item)
{
    CPicture picture(32, 32);
    picture.FillEllipse(16, 16, 15, 15, {20, 40, 90, 200});
    picture.FillEllipse(16, 16, 13, 13, {60, 110, 200, 200});
    AddPictureFile(tree, item, picture, item);
    AddObjectFile(tree, "Resources/Ball Count Down.txt", "CStandAloneFrame\n{\n}\n", item);
}

// The figures of the end screens, one tag or two a line, under the title.
static const char* const kFigureLines[] = {
    "%s[playerName]",
    "%s[roundPack] (%s[difficulty])",
    "Score %s[score]",
    "Rings %s[Rings] of %s[TotalRings]",
    "Career score %s[careerScore] in %s[totalGames] games",
    "Bricks %s[bricksDestroyed], balls lost %s[ballsLost]",
    "Longest game %s[longestGame], in all %s[totalTimePlayed]",
    "%s[currentDate]",
};

static std::string CentredLine(int top, const char* text)
{
    std::string block = "\t\tArray Item=CFrameOverlayTextOverlay\n\t\t{\n\t\t\tText Bounds Left=0,";
    block += std::to_string(top);
    block += "\n\t\t\tText Bounds Width=800\n\t\t\tJustification=Justify Center\n\t\t\tText String=";
    block += text;
    block += "\n\t\t}\n";
    return block;
}

static void AddEndScreenOverlay(CContentTree& tree, const char* item, const char* title)
{
    std::string text = "CFrameOverlayOptions\n{\n\tText Font=Fonts/Big White\n\tText Overlays=Array\n\t{\n";
    text += CentredLine(80, title);
    int top = 150;
    for (const char* line : kFigureLines)
    {
        text += CentredLine(top, line);
        top += 32;
    }
    text += "\t}\n}\n";
    AddObjectFile(tree, item, text.c_str(), item);
}

static void MakeCompletedGameOverlay(CContentTree& tree, const char* item)
{
    AddEndScreenOverlay(tree, item, "Every round of Vantrell Pellucine cleared!");
}

static void MakeCompletedGenericOverlay(CContentTree& tree, const char* item)
{
    AddEndScreenOverlay(tree, item, "Round set completed!");
}

static void MakeCompletedRingGameOverlay(CContentTree& tree, const char* item)
{
    AddEndScreenOverlay(tree, item, "Every ring of Vantrell Pellucine found!");
}

static void MakeCompletedRingGenericOverlay(CContentTree& tree, const char* item)
{
    AddEndScreenOverlay(tree, item, "Every ring of the round set found!");
}

static void MakeCountDownOptions(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, item,
                  "CBallCountDownDisplayOptions\n{\n\tFont To Use=Fonts/Big White\n\tFont X=0\n\tFont Y=-44\n"
                  "\tFrame To Use=Ball Count Down\n\tFrame X=0\n\tFrame Y=-30\n}\n",
                  item);
}

static CContentItemRegistration s_GameOver("Resources/Game Over.TGA", MakeGameOver);
static CContentItemRegistration s_CompletedGame("Resources/Completed Game.TGA", MakeCompletedGame);
static CContentItemRegistration s_CompletedRingGame("Resources/Completed Ring Game.TGA", MakeCompletedRingGame);
static CContentItemRegistration s_CountDownBubble("Resources/Ball Count Down.TGA", MakeCountDownBubble);
static CContentItemRegistration s_CompletedGameOverlay("Resources/Completed Game.FOO", MakeCompletedGameOverlay,
                                                       CONTENT_OBJECTS_OF_OBJECTS);
static CContentItemRegistration s_CompletedGenericOverlay("Resources/Completed Generic.FOO",
                                                          MakeCompletedGenericOverlay, CONTENT_OBJECTS_OF_OBJECTS);
static CContentItemRegistration s_CompletedRingGameOverlay("Resources/Completed Ring Game.FOO",
                                                           MakeCompletedRingGameOverlay, CONTENT_OBJECTS_OF_OBJECTS);
static CContentItemRegistration s_CompletedRingGenericOverlay("Resources/Completed Ring Generic.FOO",
                                                              MakeCompletedRingGenericOverlay,
                                                              CONTENT_OBJECTS_OF_OBJECTS);
static CContentItemRegistration s_CountDownOptions("Resources/Ball Count Down Display Options.Object.txt",
                                                   MakeCountDownOptions, CONTENT_OBJECTS_OF_OBJECTS);
