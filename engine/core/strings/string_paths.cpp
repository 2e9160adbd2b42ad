#include <cstring>

#include "engine/core/strings/ref_string.h"

namespace {

uint32_t TextLength(const char* text)
{
    return text != nullptr ? static_cast<uint32_t>(std::strlen(text)) : 0;
}

// Index of the last '/' or '\', or -1.
int32_t FindLastSeparator(const char* path, uint32_t length)
{
    for (uint32_t i = length; i-- > 0;) {
        if (path[i] == '/' || path[i] == '\\')
            return static_cast<int32_t>(i);
    }
    return -1;
}

// The file step is skipped when file is null.
void BuildFlatPath(CString* out, const char* root, const char* path, const char* file, const char* suffix)
{
    if (path == nullptr)
        path = "";
    uint32_t pathLength = TextLength(path);
    int32_t separator = FindLastSeparator(path, pathLength);
    uint32_t folderLength = separator > 0 ? static_cast<uint32_t>(separator) : 0;
    uint32_t nameStart = static_cast<uint32_t>(separator + 1);

    // Built aside and reserved once: the arguments may be out's own text.
    CString result;
    result.Reserve(TextLength(root) + pathLength + TextLength(file) + TextLength(suffix) + 4);
    result.Assign(root);
    result.AppendPath(path, folderLength);
    result.AppendPath("-");
    result.Append(path + nameStart, pathLength - nameStart);
    if (file != nullptr)
        result.AppendPath(file);
    result.Append(suffix);
    *out = result;
}

// Names accept "\" as well as "/", so a folder that already ends in either
// takes no second separator.
bool IsPathSeparator(char16_t character)
{
    return character == '/' || character == '\\';
}

} // namespace

void CString::AppendPath(const CString& addition)
{
    uint32_t length = GetLength();
    bool slash = length != 0 && !IsPathSeparator(GetAtUnchecked(length - 1));
    uint32_t additionLength = addition.GetLength();
    if (!slash && additionLength == 0)
        return;
    CString heldAddition(addition);
    PrepareForWrite(length + (slash ? 1 : 0) + additionLength);
    if (slash)
        *this += '/';
    Append(heldAddition);
}

void CString::AppendPath(const char* addition)
{
    AppendPath(addition != nullptr ? addition : "", TextLength(addition));
}

void CString::AppendPath(const char* bytes, uint32_t length)
{
    uint32_t ownLength = GetLength();
    bool slash = ownLength != 0 && !IsPathSeparator(GetAtUnchecked(ownLength - 1));
    if (!slash && length == 0)
        return;
    PrepareForWrite(ownLength + (slash ? 1 : 0) + length);
    if (slash)
        *this += '/';
    Append(bytes, length);
}

void CString::AssignPath(const char* folder, const char* name)
{
    AssignPath(folder, name, nullptr);
}

void CString::AssignPath(const char* folder, const char* name, const char* extension)
{
    CString result;
    result.Reserve(TextLength(folder) + TextLength(name) + 1 + TextLength(extension));
    result.Assign(folder);
    result.AppendPath(name);
    result.Append(extension);
    *this = result;
}

void CString::AssignFlatPath(const char* root, const char* path, const char* file, const char* suffix)
{
    BuildFlatPath(this, root, path, file != nullptr ? file : "", suffix);
}

void CString::AssignFlatPath(const char* root, const char* path, const char* extension)
{
    BuildFlatPath(this, root, path, nullptr, extension);
}

void SplitPath(const CString& path, CString* folder, CString* name)
{
    CString narrow(path);
    narrow.MakeNarrow();
    SplitPath(narrow.GetText(), folder, name);
}

void SplitPath(const char* path, CString* folder, CString* name)
{
    if (path == nullptr)
        path = "";
    uint32_t length = TextLength(path);
    int32_t separator = FindLastSeparator(path, length);
    // Copies are made before either out is written: path may be the text
    // of one of them.
    CString folderPart;
    CString namePart;
    if (separator > 0)
        folderPart.Assign(path, static_cast<uint32_t>(separator));
    uint32_t nameStart = static_cast<uint32_t>(separator + 1);
    namePart.Assign(path + nameStart, length - nameStart);
    if (folder != nullptr)
        *folder = folderPart;
    if (name != nullptr)
        *name = namePart;
}
