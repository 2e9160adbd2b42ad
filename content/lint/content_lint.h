#pragma once

#include <filesystem>
#include <string>

class CLintReport;

// Checks a data folder as the game would load it: every library armed over
// it and every item read, names resolved as the game resolves them. The
// item table is the content's list of the names the game looks up by path
// (content/README.md). Adds each problem to the report.
void LintDataFolder(const std::filesystem::path& dataFolder, const std::string& itemTable, CLintReport& report);
