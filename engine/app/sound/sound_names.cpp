#include "engine/app/sound/sound_names.h"

CString SwapSoundExtension(const char* name)
{
    const CString original(name);
    const uint32_t length = original.GetLength();
    if (length < 4)
        return CString();
    CString extension;
    original.Right(extension, 4);
    const char* replacement = extension.CompareNoCase(".wav") == 0   ? ".ogg"
                              : extension.CompareNoCase(".ogg") == 0 ? ".wav"
                                                                     : nullptr;
    if (!replacement)
        return CString();
    CString swapped;
    swapped.AssignLeft(original, length - 4);
    swapped += replacement;
    return swapped;
}
