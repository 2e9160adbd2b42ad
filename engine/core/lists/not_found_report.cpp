#include "engine/core/program/error_report.h"
#include "engine/core/lists/virtual_array.h"

int32_t VirtualArray::FindOrFail(const CString& key, int32_t hint)
{
    const int32_t index = Find(key, hint);
    if (index == -1)
        ReportNotFound(key);
    return index;
}

int32_t VirtualArray::FindOrFail(const char* key, int32_t hint)
{
    const int32_t index = Find(key, hint);
    if (index == -1)
        ReportNotFound(CString(key));
    return index;
}

static CString NarrowCopy(const CString& text)
{
    CString narrow = text;
    narrow.MakeNarrow();
    return narrow;
}

// The report has to let whoever meets it fix the data without a debugger:
// what was missing, which list and folder should hold it, what the list does
// hold, and which file asked for it.
void VirtualArray::ReportNotFound(const CString& key)
{
    const CString keyText = NarrowCopy(key);
    const char* k = keyText.GetText();
    const CString listName = NarrowCopy(GetListName());
    const char* folder = GetFolder();
    const bool hasFolder = folder != nullptr && folder[0] != 0;

    CString text;
    text.Format("The game is looking for some data or a file but can not find it.  The item we are looking for is \"%s\"", k);
    if (listName.HasText())
    {
        text.AppendFormat(" which should be in the \"%s\" list", listName.GetText());
        if (hasFolder && listName.CompareNoCase(folder) != 0)
            text.AppendFormat(" located in the \"%s\" folder", folder);
    }
    else if (hasFolder)
    {
        text.AppendFormat(" which should be in the \"%s\" folder", folder);
    }

    const uint32_t count = GetCount();
    if (count != 0)
    {
        text.AppendFormat("\r\n\r\nThat list does contain the following items but \"%s\" is missing:", k);
        for (uint32_t i = 0; i < count && i < 10; i++)
        {
            const CString name = NarrowCopy(GetNameString(i));
            text.AppendFormat("\r\n %u) %s", i, name.GetText());
        }
        if (count > 10)
            text += "\r\n ...";
    }
    else
    {
        text += "\r\n\r\n***List contains no items*** ";
    }

    const CString fileText = NarrowCopy(CurrentFileName());
    const char* file = fileText.GetText();
    if (fileText.IsEmpty())
        text += "\r\n\r\nThe item was referenced by an unknown source";
    else
        text.AppendFormat("\r\n\r\nThe item was referenced by \"%s\"", file);

    text += "\r\n\r\nThis could mean:";
    text.AppendFormat("\r\n\r\n   A) You recently got a new file, some art or a new proram EXE, possible \"%s\", and the new file "
                      "requires some other new file, \"%s\", to make them work.  You should be able to get these other files by "
                      "doing a get.  It is also possable that someone else did not check these files in yet.  If doing a get "
                      "doesn't fix the problem them find out who changed \"%s\" and ask them to add the new \"%s\" files.",
                      file, k, file, k);
    text += "\r\n\r\n or";
    text.AppendFormat("\r\n\r\n   B) You (or someone else) deleted \"%s\" but it is being used by \"%s\".  You need to un-delete "
                      "\"%s\" or manually edit the text for \"%s\" to make it no longer reference \"%s\"",
                      k, file, k, file, k);

    ShowErrorReport("Fatal Not Found Error", text.GetText());
    ExitAfterFatalError();
}
