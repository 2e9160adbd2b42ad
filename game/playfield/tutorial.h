#pragma once

#include "engine/object/libraries/resource_library.h"
#include "engine/object/object.h"

// One page of the tutorial the front end shows a player once: bricks and
// other objects name pages by their index in the "Tutorial" library.
class CTutorial : public CObject
{
    VP_DECLARE_CLASS(CTutorial)
public:
    CTutorial();
    ~CTutorial() override;
};

// "Tutorial": every page; entry 0 shows nothing.
CResourceLibrary<CTutorial>& GetTutorialLibrary();
