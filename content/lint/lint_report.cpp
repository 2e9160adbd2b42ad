#include "content/lint/lint_report.h"

void CLintReport::Add(const std::string& file, const std::string& item, const std::string& message)
{
    m_Problems.push_back(CLintProblem{file, item, message});
}

std::string CLintReport::Format() const
{
    std::string text;
    for (const CLintProblem& problem : m_Problems)
        text += problem.file + ": " + problem.item + ": " + problem.message + "\n";
    return text;
}
