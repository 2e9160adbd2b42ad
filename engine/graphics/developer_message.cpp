#include "engine/graphics/developer_message.h"

namespace {

DeveloperMessageSink s_Sink = nullptr;

} // namespace

void SetDeveloperMessageSink(DeveloperMessageSink sink)
{
    s_Sink = sink;
}

void SendDeveloperMessage(const char* text)
{
    if (s_Sink)
        s_Sink(text);
}
