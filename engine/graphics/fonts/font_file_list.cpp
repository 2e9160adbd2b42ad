#include "engine/graphics/fonts/font_file_list.h"

#include "engine/core/files/file_search.h"
#include "engine/core/files/file_sink.h"

static bool s_FontFileListBuilt = false;

CFileNameList& GetFontFileList()
{
    static CFileNameList list;
    return list;
}

void BuildFontFileList()
{
    if (s_FontFileListBuilt)
        return;
    s_FontFileListBuilt = true;
    CSearchSpec search;
    search.SetFolderAndExtension("Resources/", "ttf");
    GetFontFileList().Fill(search, 0);
}

void ForgetFontFileList()
{
    GetFontFileList().RemoveAll();
    s_FontFileListBuilt = false;
}
