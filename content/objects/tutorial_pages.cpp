#include "content/content_items.h"
#include "content/objects/object_item.h"

// The tutorial pages the playfield asks for by name, and item 0 of
// "Tutorial", where a page index of 0 means no page: bricks and power-ups
// that name no page must never show a real one.
static void MakeTutorialPage(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, item, "CTutorial\n{\n}\n", item);
}

static CContentItemRegistration s_NoTutorial("Resources/!None.Tutorial.txt", MakeTutorialPage, CONTENT_OBJECTS);
// Offered to a player who clears rounds with ease, and to one who keeps
// losing: the playfield shows them once each.
static CContentItemRegistration s_SuggestHarder("Resources/Suggest Harder Setting.Tutorial.txt", MakeTutorialPage,
                                                CONTENT_OBJECTS);
static CContentItemRegistration s_SuggestEasier("Resources/Suggest Easier Setting.Tutorial.txt", MakeTutorialPage,
                                                CONTENT_OBJECTS);
