#include "engine/app/game_base.h"

#include "engine/graphics/developer_message.h"
#include "engine/graphics/engine_text_font.h"

namespace {

CGameBase* g_pGameObject = nullptr;

CFont* TextFontOfTheGameObject()
{
    return g_pGameObject ? g_pGameObject->GetTextFont() : nullptr;
}

void DeveloperMessageToTheGameObject(const char* text)
{
    if (g_pGameObject)
        g_pGameObject->DeveloperMessageTextC(text);
}

} // namespace

CGameBase::CGameBase()
    : m_pTextFont(nullptr)
{
    g_pGameObject = this;
    SetEngineTextFontSource(TextFontOfTheGameObject);
    SetDeveloperMessageSink(DeveloperMessageToTheGameObject);
}

void CGameBase::DeveloperMessageTextC(const char*)
{
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
