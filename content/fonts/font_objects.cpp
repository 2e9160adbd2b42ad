#include "content/content_items.h"
#include "content/objects/object_item.h"

// The font objects of the "Fonts" library, one "<name>.FONT.TXT" under
// "Resources/Fonts", all drawn from the default TrueType file. The digits
// of that face share one advance, so the numbers font is monospaced too.

// Item 0 of "Fonts": its name holds "none", so a font reference of index 0
// means no font (an overlay text block then takes its set's font), while a
// look-up that falls back to item 0 still gets a plain white font.
static void MakeNoFont(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, "Resources/Fonts/!None.FONT.TXT", "CFont\n{\n}\n", item);
}

// The on-screen message.
static void MakeBigWhite(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, "Resources/Fonts/Big White.FONT.TXT",
                  "CFont\n{\n\tPoint Size=22\n\tGenerated Color=255,255,255,255\n}\n", item);
}

// The text box's normal lines and the window tree's second font.
static void MakeSmallBlue(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, "Resources/Fonts/Small Blue.FONT.TXT",
                  "CFont\n{\n\tPoint Size=11\n\tGenerated Color=128,176,255,255\n}\n", item);
}

// The text box's alternate lines ("Round", "Round Complete").
static void MakeTessivue(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, "Resources/Fonts/Tessivue.FONT.TXT",
                  "CFont\n{\n\tPoint Size=14\n\tGenerated Color=112,255,144,255\n\tGenerate All Caps=1\n}\n",
                  item);
}

// The text box's numbers, the window tree's default font and the engine's
// frame-rate line.
static void MakeOcrNumbers(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, "Resources/Fonts/OCR Monospaced Numbers.FONT.TXT",
                  "CFont\n{\n\tPoint Size=12\n\tGenerated Color=255,224,128,255\n}\n", item);
}

static CContentItemRegistration s_NoFont("Resources/Fonts/!None.FONT.TXT", MakeNoFont, CONTENT_OBJECTS);
static CContentItemRegistration s_BigWhite("Resources/Fonts/Big White.FONT.TXT", MakeBigWhite, CONTENT_OBJECTS);
static CContentItemRegistration s_SmallBlue("Resources/Fonts/Small Blue.FONT.TXT", MakeSmallBlue, CONTENT_OBJECTS);
static CContentItemRegistration s_Tessivue("Resources/Fonts/Tessivue.FONT.TXT", MakeTessivue, CONTENT_OBJECTS);
static CContentItemRegistration s_OcrNumbers("Resources/Fonts/OCR Monospaced Numbers.FONT.TXT", MakeOcrNumbers,
                                             CONTENT_OBJECTS);
