// The records file. A player's profiles, high scores and suspended games
// live in this one file, so no damage to it may cost them silently: a file
// that does not read whole is never half taken (it is read into a scratch
// object first) and never written over (it is renamed aside, byte for
// byte, before the records start afresh). Saves go through the durable
// object writer, so a save cut off at any moment leaves the old file or
// the new one, never a mixture.

#include "game/records/stats.h"

#include "engine/core/files/loose_files.h"
#include "engine/core/files/stream.h"
#include "engine/core/localization/localized_string.h"
#include "engine/core/program/error_report.h"
#include "engine/object/object_files.h"
#include "engine/platform/file_rename.h"

const char* const kStatsFileName = "Stats.dat";

namespace {

// Loose only, from the program folder, never from an archive.
constexpr uint32_t kStatsFileFlags = OPEN_NAME_UNCHANGED;

CLocalizedString s_DamagedNotice(
    "The player records in \"%s\" could not be read. The file was kept as \"%s\" and the records start afresh.");
CLocalizedString s_KeptNowhereNotice(
    "The player records in \"%s\" could not be read, and the file could not be kept aside. The records start "
    "afresh and will not be saved over it.");
CLocalizedString s_NoticeCaption("Player Records");

// Renames the damaged file to its first free "bad" name; empty when it
// cannot be kept aside.
CString KeepDamagedFileAside()
{
    CString pattern(kStatsFileName);
    pattern += ".bad-%d";
    CString asideName;
    if (!FindUnusedFileName(asideName, pattern.GetText()) ||
        !RenameSystemFile(kStatsFileName, asideName.GetText()))
        return CString();
    return asideName;
}

} // namespace

void CStats::Reload()
{
    // A file that is there but does not open is as damaged as one that does
    // not read: the next save must not replace it.
    const bool present = FileExists(kStatsFileName);
    CStats scratch;
    if (present && ReadObjectFromFileRefusing(&scratch, kStatsFileName, kStatsFileFlags))
        CopyFrom(scratch);
    else
    {
        SetDefaults();
        if (present)
        {
            const CString asideName = KeepDamagedFileAside();
            m_SavesRefused = asideName.IsEmpty();
            CString notice;
            if (m_SavesRefused)
                notice.Format(s_KeptNowhereNotice.GetText().GetText(), kStatsFileName);
            else
                notice.Format(s_DamagedNotice.GetText().GetText(), kStatsFileName, asideName.GetText());
            ShowSystemMessageBox(s_NoticeCaption.GetText().GetText(), notice.GetText());
        }
    }
    ApplyPlayerRules();
}

bool CStats::Save()
{
    if (m_SavesRefused)
        return false;
    // A read-only file (copied from a disc, set by hand) would keep every
    // later game out of the records.
    if (GetFileAttributeReadOnly(kStatsFileName))
        SetFileReadOnly(kStatsFileName, false);
    return SaveObjectToFile(this, kStatsFileName, kStatsFileFlags | OPEN_CLEAR_READ_ONLY);
}
