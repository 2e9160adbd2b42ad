#include <cstdio>
#include <fstream>
#include <sstream>

#include "content/lint/content_lint.h"
#include "content/lint/lint_report.h"

// Checks a data folder before it ships: prints one line for each problem,
// naming its file and item, and exits non-zero when there is any.
//
//     content_lint <data folder> <item table>
//
// The item table is content/README.md, whose first column lists the names
// the game looks up by path.
int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: %s <data folder> <item table>\n", argv[0]);
        return 2;
    }
    std::ifstream table(argv[2], std::ios::binary);
    if (!table)
    {
        std::fprintf(stderr, "%s: cannot read the item table %s\n", argv[0], argv[2]);
        return 2;
    }
    std::ostringstream itemTable;
    itemTable << table.rdbuf();
    CLintReport report;
    LintDataFolder(argv[1], itemTable.str(), report);
    std::fputs(report.Format().c_str(), stdout);
    std::printf("%zu problem(s) in %s\n", report.GetProblems().size(), argv[1]);
    return report.GetProblems().empty() ? 0 : 1;
}
