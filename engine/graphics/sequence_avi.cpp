// The editor's export of a sequence for an outside video maker: every frame
// as a numbered 24-bit bitmap over black, all the size of the sequence's
// bounds, and a batch file that runs the maker and then deletes the
// bitmaps. The maker is a program of the original platform; starting it
// simply fails elsewhere, and the bitmaps and the batch file stay.

#include <cmath>
#include <cstring>

#include "engine/blit/blit_type_registry.h"
#include "engine/core/color/color.h"
#include "engine/core/files/data_file_save.h"
#include "engine/core/lists/object_file_name_hooks.h"
#include "engine/core/program/outside_programs.h"
#include "engine/core/settings/paths.h"
#include "engine/core/files/stream.h"
#include "engine/graphics/bmp_writer.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/sequence.h"

namespace {

// The rate the maker is told: whole frames per second, at least one.
int32_t WholeFramesPerSecond(float fps)
{
    if (!(fps >= 1.0f))
        return 1;
    return fps >= 1000000.0f ? 1000000 : static_cast<int32_t>(fps);
}

CString GetProgramFolderText()
{
    char buffer[4096];
    CString folder;
    if (GetProgramFolder(buffer, sizeof(buffer)))
        folder = buffer;
    folder.ReplaceChar('\\', '/');
    return folder;
}

} // namespace

void CSequence::SaveAsAVI()
{
    if (m_FrameCount == 0)
        return;
    ComputeBounds();
    CString path;
    if (!GetObjectFileName(this, path))
        return;
    TruncateToFolder(path);
    path.RemoveSuffix("/");
    const CString lastPart(GetFileNamePart(path.GetText()));
    CString exportFolder("AVIs/");
    exportFolder += path;

    const uint32_t flags = OPEN_CREATE | OPEN_WRITE | OPEN_CREATE_FOLDERS | OPEN_NAME_UNCHANGED;
    const int32_t width = m_Bounds.right - m_Bounds.left;
    const int32_t height = m_Bounds.bottom - m_Bounds.top;
    CBlitType* normal = GetBlitTypeRegistry().GetBlitType(GetBlitTypeRegistry().Find("Normal", -1));
    CString name;
    for (uint32_t i = 0; i < m_FrameCount; i++)
    {
        CFrame picture;
        if (width > 0 && height > 0)
            picture.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 24);
        picture.Fill(CColor(0, 0, 0, 255));
        picture.SetUpperLeftOffset(m_Bounds.left, m_Bounds.top);
        if (m_pFrames[i] != nullptr && picture.GetPixels() != nullptr)
            picture.BlitAt(m_pFrames[i], 0, 0, normal);
        name.Format("%s/%04u.BMP", exportFolder.GetText(), i);
        WriteBmp24(picture, name.GetText(), flags);
    }

    // The batch file lies beside the bitmaps: the program runs from its own
    // folder, so that is also where the export folder is.
    const CString programFolder = GetProgramFolderText();
    CString batch;
    batch.Format("\"%sBMP2AVI.exe\" -f %d -o \"../%s\"\ndel /Q \"../%s\"\n", programFolder.GetText(),
                 WholeFramesPerSecond(GetEffectiveFps()), lastPart.GetText(), lastPart.GetText());
    CString batchPath;
    batchPath.AssignPath(exportFolder.GetText(), "MakeAVI.bat");
    StoreDataFile(batchPath.GetText(), flags, reinterpret_cast<const uint8_t*>(batch.GetText()),
                  batch.GetByteLength());
    CString workingFolder = programFolder;
    workingFolder += exportFolder;
    CString batchProgram = programFolder;
    batchProgram += batchPath;
    RunProgram(batchProgram.GetText(), "", true, nullptr, workingFolder.GetText(), true);
}
