#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"

class CMessageStream;

// One call that can be recorded into a CMessageStream and replayed from it.
// Each is a static object registered by its construction under a name that
// begins with "!"; both sides of a recording find a call by that name, so
// the name must stay the same from version to version.
class CStreamCall
{
public:
    // The name is not copied: it must outlive the call (a literal).
    CStreamCall(const char* name, int32_t flags);
    virtual ~CStreamCall();

    // Reads the call's arguments in the order its recorder wrote them and
    // performs the call.
    virtual void Replay(CMessageStream& stream) = 0;
    // Told when a stream selects the call for recording.
    virtual void OnSelected();

    const char* GetName() const { return m_pName; }
    int32_t GetFlags() const { return m_Flags; }

    CStreamCall(const CStreamCall&) = delete;
    CStreamCall& operator=(const CStreamCall&) = delete;

private:
    const char* m_pName;
    int32_t m_Flags;
};

typedef void (*StreamReplayFunction)(CMessageStream& stream);
typedef void (*StreamSelectedFunction)();

// A call whose replay is a plain function; the form every recorded call of
// the game takes.
class CCallbackStreamCall : public CStreamCall
{
public:
    CCallbackStreamCall(StreamReplayFunction replay, const char* name, int32_t flags,
                        StreamSelectedFunction onSelected = nullptr);

    void Replay(CMessageStream& stream) override;
    void OnSelected() override;

private:
    StreamReplayFunction m_Replay;
    StreamSelectedFunction m_OnSelected;
};

// Every call constructed so far and not yet destroyed. Streams sort it by
// name when they select their calls.
CPoolArray<CStreamCall*>& GetStreamCallRegistry();
