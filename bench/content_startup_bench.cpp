// The game's start-up on the starter content: the built program run
// headless from a generated program folder, wall time per start.
// "FirstPicture" is the time from the process's entry to the first frame it
// presents with anything on it (the company logo's first step of fading
// in), taken by a small library preloaded into the program, with the time
// to its very first frame (the display mode's black one) as the counter
// "first_frame_ms"; "Loaded" the time of a whole "/exit" run, which starts
// the engine, shows the logo, loads the resources and ends. The first start
// of an installation builds every compiled cache ("Cold"), later ones read
// them ("Warm"). The goal is a first picture within 300 ms on this content;
// it is measured here, not asserted.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

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
    double RunToExit() const
    {
        const auto begin = std::chrono::steady_clock::now();
        Run("");
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    }

    // Seconds from the program's entry to its first frame and to its first
    // picture; the probe ends it there.
    std::pair<double, double> RunToFirstPicture() const
    {
        const std::string file = m_Temp.Path() + "first_present";
        std::filesystem::remove(file);
        Run("LD_PRELOAD='" VP_FIRST_PRESENT_PROBE "' VP_FIRST_PRESENT_FILE='" + file + "' ");
        long long frame = -1;
        long long picture = -1;
        std::ifstream(file) >> frame >> picture;
        return {static_cast<double>(frame) * 1e-6, static_cast<double>(picture) * 1e-6};
    }

    void DropCaches() const { std::filesystem::remove_all(m_Temp.Path() + "program/Data/Cache"); }

private:
    void Run(const std::string& environment) const
    {
        const std::string command = "cd '" + m_Temp.Path() + "program' && " + environment +
                                    "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy VP_NO_MESSAGE_BOXES=1 "
                                    "XDG_RUNTIME_DIR='" +
                                    m_Temp.Path() + "runtime' XDG_CONFIG_HOME='" + m_Temp.Path() +
                                    "config' ./vantrell /exit >/dev/null 2>&1";
        std::system(command.c_str());
    }

    ScopedTempFolder m_Temp;
};

// One start to the first picture, its first frame's time added to the
// counter.
void TimeFirstPicture(benchmark::State& state, const CGeneratedProgramFolder& folder, double& firstFrames)
{
    const auto [frame, picture] = folder.RunToFirstPicture();
    firstFrames += frame;
    state.SetIterationTime(picture);
}

void FirstPictureCold(benchmark::State& state)
{
    CGeneratedProgramFolder folder;
    double firstFrames = 0.0;
    for (auto _ : state)
    {
        folder.DropCaches();
        TimeFirstPicture(state, folder, firstFrames);
    }
    state.counters["first_frame_ms"] = 1000.0 * firstFrames / static_cast<double>(state.iterations());
}
BENCHMARK(FirstPictureCold)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void FirstPictureWarm(benchmark::State& state)
{
    CGeneratedProgramFolder folder;
    folder.RunToExit();
    double firstFrames = 0.0;
    for (auto _ : state)
        TimeFirstPicture(state, folder, firstFrames);
    state.counters["first_frame_ms"] = 1000.0 * firstFrames / static_cast<double>(state.iterations());
}
BENCHMARK(FirstPictureWarm)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

void LoadedWarm(benchmark::State& state)
{
    CGeneratedProgramFolder folder;
    folder.RunToExit();
    for (auto _ : state)
        state.SetIterationTime(folder.RunToExit());
}
BENCHMARK(LoadedWarm)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace
