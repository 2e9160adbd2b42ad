#include "content/lint/content_lint.h"

#include "content/lint/lint_fatal_catcher.h"
#include "content/lint/lint_files.h"
#include "content/lint/lint_libraries.h"
#include "content/lint/lint_placeholders.h"
#include "content/lint/lint_report.h"
#include "content/lint/lint_rounds.h"
#include "engine/core/settings/paths.h"

void LintDataFolder(const std::filesystem::path& dataFolder, const std::string& itemTable, CLintReport& report)
{
    // The folder as shipped, before the engine reads it: reading fills in
    // what some readers miss (a sequence's properties) and adds caches.
    LintOldBrickFiles(dataFolder, report);
    LintFixedNames(dataFolder, ReadFixedNames(itemTable), report);
    SetDataFolder(dataFolder.string().c_str());
    CLintFatalCatcher catcher;
    ArmGameLibraries();
    LintPlaceholders(report);
    LintEveryLibraryItem(catcher, report);
    LintRoundSets(catcher, report);
    LintLevels(catcher, report);
}
