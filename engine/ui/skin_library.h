#pragma once

#include "engine/object/libraries/resource_library.h"
#include "engine/ui/skin_theme.h"

// The skin files under "Resources" ("JWindowSkin"): one theme object each,
// loaded on first use. Windows and painters keep plain pointers to the
// themes, so an item is never unloaded while windows live; previews of its
// items are live sample dialogs.
class CSkinLibrary : public CResourceLibrary<CSkinTheme>
{
public:
    CSkinLibrary();

    // Does nothing: see above.
    void UnloadItem(uint32_t index) override;
    ReferenceFactory GetReferenceFactory() override;

    // Deletes every loaded theme, keeping the items listed. Only once the
    // window tree is gone.
    void ReleaseThemes();
};

CSkinLibrary& GetSkinLibrary();

// After the window tree: the default skin theme is cleared and the themes
// are deleted.
void ReleaseSkins();
