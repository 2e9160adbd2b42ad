#pragma once

#include <filesystem>
#include <vector>

#include "content/lint/fixed_names.h"

class CLintReport;

// Old brick definitions (".Brick") are read only to fill style sheets from
// them; a shipped folder carries the style sheets themselves.
void LintOldBrickFiles(const std::filesystem::path& dataFolder, CLintReport& report);

// Every name the game looks up by path exists.
void LintFixedNames(const std::filesystem::path& dataFolder, const std::vector<CFixedName>& names,
                    CLintReport& report);
