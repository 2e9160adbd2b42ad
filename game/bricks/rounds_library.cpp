#include "game/bricks/rounds_library.h"

CResourceLibrary<CBrickLayout>& GetRoundsLibrary()
{
    static CResourceLibrary<CBrickLayout> library(LIBRARY_ROUNDS);
    return library;
}
