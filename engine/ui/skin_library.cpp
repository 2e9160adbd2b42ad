#include "engine/ui/skin_library.h"

#include "engine/ui/skin_preview.h"

namespace {
CResourceRef* MakeSkinPreview(VirtualArray* list, int32_t itemIndex)
{
    return new CSkinPreview(list, itemIndex);
}
} // namespace

CSkinLibrary::CSkinLibrary()
    : CResourceLibrary<CSkinTheme>(LIBRARY_SKIN_THEMES)
{
}

void CSkinLibrary::UnloadItem(uint32_t)
{
}

ReferenceFactory CSkinLibrary::GetReferenceFactory()
{
    return &MakeSkinPreview;
}

void CSkinLibrary::ReleaseThemes()
{
    if (!IsEnumerated())
        return;
    for (uint32_t i = 0; i < GetCount(); i++)
        CResourceLibrary<CSkinTheme>::UnloadItem(i);
}

CSkinLibrary& GetSkinLibrary()
{
    static CSkinLibrary library;
    return library;
}

void ReleaseSkins()
{
    CSkinTheme::SetDefaultTheme(nullptr);
    GetSkinLibrary().ReleaseThemes();
}
