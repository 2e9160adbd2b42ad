#pragma once

// An action kept as an object: whoever holds one runs it without knowing
// who made it or what it does, and deletes it when done. The toolkit's
// commands derive from it, so a record of a lower layer (a new-file
// request) can own the command a dialog runs when it is confirmed.
class CExecutableCommand
{
public:
    virtual ~CExecutableCommand() = default;

    virtual void Execute() = 0;

protected:
    CExecutableCommand() = default;
    CExecutableCommand(const CExecutableCommand&) = default;
    CExecutableCommand& operator=(const CExecutableCommand&) = default;
};
