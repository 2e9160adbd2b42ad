#pragma once

#include "engine/core/program/error_report.h"

// While it lives, a fatal report throws FatalReportThrown instead of ending
// the test program, so tests can expect one.
struct FatalReportThrown
{
};

class ScopedFatalThrow
{
public:
    ScopedFatalThrow() : m_Previous(SetFatalExitHook(&Throw)) {}
    ~ScopedFatalThrow() { SetFatalExitHook(m_Previous); }
    ScopedFatalThrow(const ScopedFatalThrow&) = delete;
    ScopedFatalThrow& operator=(const ScopedFatalThrow&) = delete;

private:
    [[noreturn]] static void Throw() { throw FatalReportThrown(); }
    FatalExitHook m_Previous;
};
