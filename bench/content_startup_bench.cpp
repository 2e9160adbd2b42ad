// The game's start-up on the starter content: the built program run from a
// generated program folder with "/exit", which starts the engine, loads the
// resources, shows the company logo and ends; wall time per start. The
// first start of an installation builds every compiled cache ("cold"),
// later ones read them ("warm"). The goal is a start-up under 300 ms on
// this content; it is measured here, not asserted.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/scoped_temp_folder.h"

namespace {

class CGeneratedProgramFolder
{
public:
    CGeneratedProgramFolder()
    {
        const std::string folder = m_Temp.Path() + "program";
        std::system(("'" VP_CONTENT_PROGRAM "' '" + folder + "' >/dev/null").c_str());
        std::filesystem::copy_file(VP_PROGRAM_PATH, folder + "/vantrell");
        std::filesystem::create_directories(m_Temp.Path() + "runtime");
    }

    // Seconds the program took from start to its exit.
    double Start() const
    {
        const std::string command = "cd '" + m_Temp.Path() +
                                    "program' && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy VP_NO_MESSAGE_BOXES=1 "
                                    "XDG_RUNTIME_DIR='" + m_Temp.Path() + "runtime' XDG_CONFIG_HOME='" +
                                    m_Temp.Path() + "config' ./vantrell /exit >/dev/null 2>&1";
        const auto begin = std::chrono::steady_clock::now();
        std::system(command.c_str());
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    }

    void DropCaches() const { std::filesystem::remove_all(m_Temp.Path() + "program/Data/Cache"); }

private:
    ScopedTempFolder m_Temp;
};

void StartUpCold(benchmark::State& state)
{
    CGeneratedProgramFolder folder;
    for (auto _ : state)
    {
        folder.DropCaches();
        state.SetIterationTime(folder.Start());
    }
}
BENCHMARK(StartUpCold)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void StartUpWarm(benchmark::State& state)
{
    CGeneratedProgramFolder folder;
    folder.Start();
    for (auto _ : state)
        state.SetIterationTime(folder.Start());
}
BENCHMARK(StartUpWarm)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace
