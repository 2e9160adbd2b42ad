#include "game/playfield/tutorial.h"

VP_IMPLEMENT_CLASS(CTutorial, CObject, 1.0f)

void CTutorial::RegisterProperties(CClassInfo*)
{
}

CTutorial::CTutorial()
{
    ConstructProperties(SGetClassInfo());
}

CTutorial::~CTutorial()
{
    DestroyProperties(SGetClassInfo());
}

CResourceLibrary<CTutorial>& GetTutorialLibrary()
{
    static CResourceLibrary<CTutorial> library(LIBRARY_TUTORIAL);
    return library;
}
