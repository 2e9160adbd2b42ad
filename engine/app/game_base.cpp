#include "engine/app/game_base.h"

#include "engine/graphics/engine_text_font.h"

namespace {

CGameBase* g_pGameObject = nullptr;

CFont* TextFontOfTheGameObject()
{
    return g_pGameObject ? g_pGameObject->GetTextFont() : nullptr;
}

} // namespace

CGameBase::CGameBase()
    : m_pTextFont(nullptr)
{
    g_pGameObject = this;
    SetEngineTextFontSource(TextFontOfTheGameObject);
}

CGameBase::~CGameBase()
{
    if (g_pGameObject == this)
        g_pGameObject = nullptr;
}

CGameBase* GetGameObject()
{
    return g_pGameObject;
}
