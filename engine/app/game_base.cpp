#include "engine/app/game_base.h"

namespace {

CGameBase* g_pGameObject = nullptr;

} // namespace

CGameBase::CGameBase()
    : m_pTextFont(nullptr)
{
    g_pGameObject = this;
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
