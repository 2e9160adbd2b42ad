#include "engine/app/game_base.h"

#include "engine/core/files/data_files.h"
#include "engine/core/files/stream.h"
#include "engine/core/settings/command_line.h"
#include "engine/graphics/developer_message.h"
#include "engine/graphics/engine_text_font.h"
#include "engine/graphics/frame_cache_files.h"

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
    // An artist's machine keeps every frame lossless while pictures are
    // being worked on.
    if (CanOpenDataFile("Artist.txt", OPEN_NAME_UNCHANGED) || HasCommandLineSwitch("/NoJPEG"))
        SetNoLossyFrameImages(true);
    if (HasCommandLineSwitch("/NoCompression"))
        SetCompressedStorageMode(false);
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
