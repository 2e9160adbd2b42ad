#pragma once

#include "engine/core/program/executable_command.h"

// What a button or menu item does, held apart from the control: the
// control runs Execute when it is chosen and asks IsEnabled whether it may
// run now, greying itself when not. Whoever holds a command owns it.
class CCommandCallback : public CExecutableCommand
{
public:
    ~CCommandCallback() override;

    // True unless the command has a reason to refuse.
    virtual bool IsEnabled();
    // Menu items ask IsEnabled only when this answers true.
    virtual bool HasEnableQuery();

protected:
    CCommandCallback() = default;
    CCommandCallback(const CCommandCallback&) = default;
    CCommandCallback& operator=(const CCommandCallback&) = default;
};
