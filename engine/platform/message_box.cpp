#include "engine/platform/message_box.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/platform/display_presence.h"
#include "engine/platform/text_encoding.h"

static MessageBoxSink s_Sink = nullptr;

MessageBoxSink SetMessageBoxSink(MessageBoxSink sink)
{
    MessageBoxSink previous = s_Sink;
    s_Sink = sink;
    return previous;
}

static bool AreMessageBoxesSwitchedOff()
{
    const char* value = std::getenv("VP_NO_MESSAGE_BOXES");
    return value && value[0] && std::strcmp(value, "0") != 0;
}

static std::string WithoutCarriageReturns(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    for (char c : text)
    {
        if (c != '\r')
            result += c;
    }
    return result;
}

void ShowPlatformMessageBox(WindowHandle owner, const char* caption, const char* text)
{
    const char* safeCaption = caption ? caption : "";
    const char* safeText = text ? text : "";

    std::string caption8 = Latin1ToUtf8(safeCaption);
    std::string text8 = WithoutCarriageReturns(Latin1ToUtf8(safeText));
    std::fprintf(stderr, "%s\n%s\n", caption8.c_str(), text8.c_str());
    std::fflush(stderr);

    if (s_Sink)
    {
        s_Sink(safeCaption, safeText);
        return;
    }
    if (AreMessageBoxesSwitchedOff() || !HasDisplay())
        return;
    // Works before SDL is initialised; a failure leaves the stderr copy.
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption8.c_str(), text8.c_str(), owner);
}
