#include "content/lint/lint_placeholders.h"

#include <string>

#include "content/lint/lint_libraries.h"
#include "content/lint/lint_report.h"
#include "engine/app/sound/sound_list.h"
#include "engine/graphics/sequence_list.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/power_up_base.h"
#include "game/playfield/tutorial.h"

namespace {

struct CPlaceholder
{
    CResourceLibraryBase& (*library)();
    const char* name;
};

template <typename Library, Library& (*Get)()>
CResourceLibraryBase& AsBase()
{
    return Get();
}

const CPlaceholder kPlaceholders[] = {
    {&AsBase<CSequenceList, &GetSequenceList>, "!None"},
    {&AsBase<CStandAloneFrameList, &GetFrameList>, "!None"},
    {&AsBase<ParticleGeneratorList, &GetParticleGeneratorList>, "!None"},
    {&AsBase<CBrickStyleSheetLibrary, &GetBrickStyleSheetLibrary>, "!None"},
    {&AsBase<CResourceLibrary<CPowerUpBase>, &GetPowerUpLibrary>, "!None"},
    {&AsBase<CResourceLibrary<CTutorial>, &GetTutorialLibrary>, "!None"},
    {&AsBase<CSoundList, &GetSoundList>, "!Silence.wav"},
};

// Where item 0 (or, in an empty library, the placeholder) belongs. The
// sound list is the one list here whose items are plain files, not objects.
std::string FileOfFirstItem(CResourceLibraryBase& library, const std::string& placeholder)
{
    if (auto* objects = dynamic_cast<CObjectLibrary*>(&library))
        return objects->GetCount() != 0 ? GetLintItemFile(*objects, 0) : std::string(objects->GetFolder());
    const std::string name = library.GetCount() != 0 ? library.GetNameString(0).GetText() : placeholder;
    CString path;
    path.AssignPath(GetSoundList().GetMountedFolder().GetText(), name.c_str());
    return path.GetText();
}

} // namespace

void LintPlaceholders(CLintReport& report)
{
    for (const CPlaceholder& placeholder : kPlaceholders)
    {
        CResourceLibraryBase& library = placeholder.library();
        const std::string file = FileOfFirstItem(library, placeholder.name);
        const std::string listName = library.GetListName().GetText();
        if (library.GetCount() == 0)
        {
            report.Add(file, placeholder.name,
                       "the library \"" + listName + "\" is empty: item 0 must be its placeholder");
            continue;
        }
        const std::string first = library.GetNameString(0).GetText();
        if (library.GetNameString(0).CompareNoCase(placeholder.name) != 0)
            report.Add(file, first,
                       "item 0 of \"" + listName + "\" is not its placeholder \"" + placeholder.name +
                           "\": every reference of index 0 means none, so this item would never be used");
    }
}
