#include <benchmark/benchmark.h>

#include <SDL.h>

#include "engine/app/game_base.h"
#include "engine/app/main_window_proc.h"
#include "engine/app/program_entry.h"
#include "engine/platform/system_events.h"
#include "engine/platform/tick_counter.h"

// What one pass of the main loop costs the program beyond the system's own
// event fetch: the pump, the fixed-step pass of an empty game (one update
// and one draw per pass on the fake clock) and the profiler's frame
// brackets, beside a bare drain of SDL's event queue.

namespace {

class CEmptyGame : public CGameBase
{
};

struct Sdl
{
    Sdl()
    {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
        SDL_InitSubSystem(SDL_INIT_VIDEO);
    }
    ~Sdl() { SDL_QuitSubSystem(SDL_INIT_VIDEO); }
};

void MainLoopPassOfAnEmptyGame(benchmark::State& state)
{
    Sdl sdl;
    StartFakeClock();
    CEmptyGame game;
    SystemEvent activation = {};
    activation.kind = SystemEventKind::WindowActivated;
    activation.character = 1;
    MainWindowProc(activation);
    const uint32_t before = game.GetUpdateCounter();
    for (auto _ : state)
        RunMainLoopPass();
    state.counters["updates per pass"] =
        static_cast<double>(game.GetUpdateCounter() - before) / static_cast<double>(state.iterations());
}
BENCHMARK(MainLoopPassOfAnEmptyGame);

void BareSdlPollEventDrain(benchmark::State& state)
{
    Sdl sdl;
    SDL_Event event;
    for (auto _ : state)
    {
        while (SDL_PollEvent(&event))
            benchmark::DoNotOptimize(event);
    }
}
BENCHMARK(BareSdlPollEventDrain);

} // namespace
