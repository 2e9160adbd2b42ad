#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/object/recorded_calls/stream_call.h"
#include "tests/support/test_name_list.h"

class CMessageStream;

// Stand-ins for the game's recorded calls. Each writes and reads its own
// list of arguments, together covering every kind of value a stream
// carries; every message written and every message replayed is logged as one
// line of text ("!StandIn::PlaySoundFromStream Bounce.wav,200,1"), so a test
// compares what was recorded with what was replayed.
//
// Construct before the stream (or the demo recorder) selects its calls; one
// set may exist at a time, and it must outlive every stream that selected it.
class CStandInCalls
{
public:
    CStandInCalls();
    ~CStandInCalls();

    uint32_t GetCount() const { return static_cast<uint32_t>(m_Calls.size()); }
    // Writes one message of the call with random arguments.
    void Record(CMessageStream& stream, uint32_t call, std::mt19937& random);

    std::vector<std::string> recorded;
    std::vector<std::string> replayed;

    CStandInCalls(const CStandInCalls&) = delete;
    CStandInCalls& operator=(const CStandInCalls&) = delete;

private:
    std::vector<std::unique_ptr<CCallbackStreamCall>> m_Calls;
};

// The list whose entries the stand-ins send as symbols.
CTestNameList& GetStandInSoundList();
