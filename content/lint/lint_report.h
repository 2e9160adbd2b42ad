#pragma once

#include <string>
#include <vector>

// One problem the linter found: the file below the data folder that holds
// it (with '/' between folders), the item it concerns (a library item's
// name, or the file's name where the problem has no item) and what is wrong.
struct CLintProblem
{
    std::string file;
    std::string item;
    std::string message;
};

class CLintReport
{
public:
    void Add(const std::string& file, const std::string& item, const std::string& message);
    const std::vector<CLintProblem>& GetProblems() const { return m_Problems; }
    // One line a problem: "<file>: <item>: <message>".
    std::string Format() const;

private:
    std::vector<CLintProblem> m_Problems;
};
