#include "game/bricks/brick_style_sheet.h"

#include "engine/core/program/error_report.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_preview.h"
#include "game/playfield/game_sprite.h"

CBrickStyleSheetLibrary::CBrickStyleSheetLibrary()
    : CResourceLibrary<CBrickStyleSheet>(LIBRARY_BRICK_STYLE_SHEET)
{
}

ReferenceFactory CBrickStyleSheetLibrary::GetReferenceFactory()
{
    return &CBrickPreview::Create;
}

CBrickStyleSheetLibrary& GetBrickStyleSheetLibrary()
{
    static CBrickStyleSheetLibrary library;
    return library;
}

void InitBrickStyleSheetLibrary()
{
    CBrickStyleSheetLibrary& library = GetBrickStyleSheetLibrary();
    InitCatalogueLibrary(library, LIBRARY_BRICK_STYLE_SHEET);
    if (library.GetCount() == 0)
        return;
    const CString first = library.GetNameString(0);
    if (first.GetText()[0] == '!')
        return;
    // Levels drop every brick of item 0: without a placeholder there, the
    // first real style would vanish from every level and, once saved, from
    // its file.
    CString text;
    text.Format("The library \"%s\" must begin with a placeholder item whose name starts with \"!\", but its "
                "first item is \"%s\".",
                library.GetListName().GetText(), first.GetText());
    ShowErrorReport("Fatal Data Error", text.GetText());
    ExitAfterFatalError();
}

namespace {

CBrickBase* MakeBrickFromStyle(CBrickStyleSheetLibrary& library, int32_t styleIndex)
{
    CBrickStyleSheet* styleSheet = library.GetItemObject(static_cast<uint32_t>(styleIndex));
    if (styleSheet == nullptr)
        return nullptr;
    CObject* object = styleSheet->GetBrickClass()->CreateObject();
    if (object == nullptr)
        return nullptr;
    CBrickBase* brick = static_cast<CBrickBase*>(object);
    brick->SetStyleSheetIfCompatible(styleIndex);
    return brick;
}

} // namespace

CGameSprite* MakeBrickSpriteFromStyle(CBrickStyleSheetLibrary& library, int32_t styleIndex)
{
    CBrickBase* brick = MakeBrickFromStyle(library, styleIndex);
    if (brick == nullptr)
        return nullptr;
    CGameSprite* sprite = new CGameSprite;
    brick->AttachToSprite(sprite);
    return sprite;
}
