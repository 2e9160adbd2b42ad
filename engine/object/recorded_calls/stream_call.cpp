#include "engine/object/recorded_calls/stream_call.h"

// Built by the first call's construction, so it outlives every call.
CPoolArray<CStreamCall*>& GetStreamCallRegistry()
{
    static CPoolArray<CStreamCall*> registry;
    return registry;
}

CStreamCall::CStreamCall(const char* name, int32_t flags)
    : m_pName(name)
    , m_Flags(flags)
{
    GetStreamCallRegistry().Append(this);
}

// The game's calls live until exit; a call made for a while (a test's
// stand-in) must not stay behind in the registry for the next stream.
CStreamCall::~CStreamCall()
{
    CPoolArray<CStreamCall*>& registry = GetStreamCallRegistry();
    const int32_t index = registry.IndexOf(this);
    if (index != -1)
        registry.RemoveAt(static_cast<uint32_t>(index));
}

void CStreamCall::OnSelected()
{
}

CCallbackStreamCall::CCallbackStreamCall(StreamReplayFunction replay, const char* name, int32_t flags,
                                         StreamSelectedFunction onSelected)
    : CStreamCall(name, flags)
    , m_Replay(replay)
    , m_OnSelected(onSelected)
{
}

void CCallbackStreamCall::Replay(CMessageStream& stream)
{
    m_Replay(stream);
}

void CCallbackStreamCall::OnSelected()
{
    if (m_OnSelected != nullptr)
        m_OnSelected();
}
