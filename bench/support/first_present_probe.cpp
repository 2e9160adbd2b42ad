// Preloaded into the game by the start-up benchmark. It notes when the game
// presents its first frame (the display mode's black one) and its first
// picture (the first frame with a pixel that is not black: the company
// logo's first step of fading in), then ends the process and writes the two
// times, in microseconds from the process's entry (this library's
// constructor runs before the game's main), into the file named by
// VP_FIRST_PRESENT_FILE. The game does not know it is timed.

#include <dlfcn.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Rect;

namespace {

timespec s_Entry;
long long s_FirstPresent = -1;
bool s_PictureUploaded = false;

__attribute__((constructor)) void NoteEntry()
{
    clock_gettime(CLOCK_MONOTONIC, &s_Entry);
}

long long MicrosecondsSinceEntry()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (now.tv_sec - s_Entry.tv_sec) * 1000000LL + (now.tv_nsec - s_Entry.tv_nsec) / 1000;
}

template <typename Function>
Function Next(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

// The game uploads each frame whole, its rows "pitch" bytes apart.
extern "C" int SDL_UpdateTexture(SDL_Texture* texture, const SDL_Rect* rect, const void* pixels, int pitch)
{
    using Update = int (*)(SDL_Texture*, const SDL_Rect*, const void*, int);
    static const Update update = Next<Update>("SDL_UpdateTexture");
    int height = 0;
    using Query = int (*)(SDL_Texture*, uint32_t*, int*, int*, int*);
    static const Query query = Next<Query>("SDL_QueryTexture");
    if (query != nullptr && query(texture, nullptr, nullptr, nullptr, &height) == 0 && pixels != nullptr)
    {
        const auto* bytes = static_cast<const uint8_t*>(pixels);
        for (size_t i = 0, end = static_cast<size_t>(pitch) * static_cast<size_t>(height); i < end; i++)
        {
            if (bytes[i] != 0)
            {
                s_PictureUploaded = true;
                break;
            }
        }
    }
    return update != nullptr ? update(texture, rect, pixels, pitch) : -1;
}

extern "C" void SDL_RenderPresent(SDL_Renderer* renderer)
{
    using Present = void (*)(SDL_Renderer*);
    static const Present present = Next<Present>("SDL_RenderPresent");
    if (present != nullptr)
        present(renderer);
    if (s_FirstPresent < 0)
        s_FirstPresent = MicrosecondsSinceEntry();
    if (!s_PictureUploaded)
        return;
    const long long firstPicture = MicrosecondsSinceEntry();
    if (const char* path = std::getenv("VP_FIRST_PRESENT_FILE"))
    {
        if (std::FILE* file = std::fopen(path, "w"))
        {
            std::fprintf(file, "%lld %lld\n", s_FirstPresent, firstPicture);
            std::fclose(file);
        }
    }
    _exit(0);
}
