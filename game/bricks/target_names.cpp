#include "game/bricks/target_names.h"

#include "engine/core/localization/localized_string.h"
#include "game/bricks/brick_base.h"
#include "game/playfield/playfield.h"

namespace {
CLocalizedString s_QuantityFormat("(Qty %d)", "Quantity");

void FindBricks(const CString& name, CDynamicArray<CBrickBase*>& out)
{
    // The editor may be open before any round is.
    if (CPlayfield* playfield = GetPlayfield())
        playfield->FindBricksByName(name, out);
}
}

int32_t CountBricksNamed(const CString& name)
{
    CDynamicArray<CBrickBase*> bricks;
    FindBricks(name, bricks);
    return static_cast<int32_t>(bricks.GetCount());
}

CString BrickQuantityText(const CString& name)
{
    CString text = s_QuantityFormat.GetText();
    text.FillIntToken(CountBricksNamed(name));
    return text;
}

void CollectBricksNamed(const CString& name, CDynamicArray<CObject*>& out)
{
    CDynamicArray<CBrickBase*> bricks;
    FindBricks(name, bricks);
    for (uint32_t i = 0; i < bricks.GetCount(); i++)
        out.Add(bricks[i]);
}

CBrickBase* AsBrick(CObject* object)
{
    if (object == nullptr || !object->IsKindOf(CBrickBase::SGetClassInfo()))
        return nullptr;
    return static_cast<CBrickBase*>(object);
}
