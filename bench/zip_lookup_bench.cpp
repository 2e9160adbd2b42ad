// Name lookup in a mounted archive must not grow with the archive: the name
// index is searched by bisection. Archives of 1,000 to 100,000 members are
// built once in a temporary folder.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "bench/support/stored_zip.h"
#include "engine/core/archives/archive_tree.h"
#include "engine/core/files/stream.h"

namespace fs = std::filesystem;

// The 16-bit entry count of an end record cannot hold 100,000 members; such
// an archive asks the reader to walk its local headers instead.
static bool NeedsWalk(int32_t memberCount)
{
    return memberCount > 0xFFFF;
}

static std::string MemberName(int32_t index)
{
    char name[64];
    std::snprintf(name, sizeof(name), "Rounds/Set%03d/Round%06d.Vantrell", index % 100, index);
    return name;
}

// Built on first use, removed at exit.
class CBenchArchives
{
public:
    CBenchArchives()
    {
        m_Folder = (fs::temp_directory_path() / "vp_zip_lookup_bench").string() + "/";
        fs::create_directories(m_Folder);
    }

    ~CBenchArchives()
    {
        std::error_code ignored;
        fs::remove_all(m_Folder, ignored);
    }

    const std::string& Path(int32_t memberCount, bool walk)
    {
        std::string& path = m_Paths[{memberCount, walk}];
        if (path.empty())
        {
            path = m_Folder + std::to_string(memberCount) + (walk ? "-walk" : "") + ".zip";
            // Every member holds the same small layout; only the names matter.
            WriteStoredZip(path, memberCount, MemberName, "CBrickLayout\r\n{\r\n}\r\n", walk);
        }
        return path;
    }

private:
    std::string m_Folder;
    std::map<std::pair<int32_t, bool>, std::string> m_Paths;
};

static CBenchArchives& GetBenchArchives()
{
    static CBenchArchives archives;
    return archives;
}

static void MountBench(CArchiveTree& tree, int32_t memberCount)
{
    const std::string& path = GetBenchArchives().Path(memberCount, NeedsWalk(memberCount));
    tree.Mount(path.c_str(), true, false, "Pack/", false, OPEN_NAME_UNCHANGED);
}

// Names asked in a scattered order and in another letter case, as data files
// spell them.
static std::vector<std::string> LookupNames(int32_t memberCount, bool hits)
{
    std::vector<std::string> names;
    for (int32_t i = 0; i < 1024; i++)
    {
        int32_t index = static_cast<int32_t>((static_cast<int64_t>(i) * 7919) % memberCount);
        std::string name = "PACK/" + MemberName(hits ? index : index + memberCount);
        name[5] = 'r';
        names.push_back(name);
    }
    return names;
}

static void RunLookups(benchmark::State& state, bool hits)
{
    const int32_t memberCount = static_cast<int32_t>(state.range(0));
    CArchiveTree tree;
    MountBench(tree, memberCount);
    std::vector<std::string> names = LookupNames(memberCount, hits);
    size_t next = 0;
    int64_t found = 0;
    for (auto _ : state)
    {
        found += tree.ContainsWithFlags(names[next].c_str(), 0);
        next = (next + 1) % names.size();
    }
    if (found != (hits ? state.iterations() : 0))
        state.SkipWithError("a lookup answered wrongly");
}

static void BM_LookupHit(benchmark::State& state)
{
    RunLookups(state, true);
}

static void BM_LookupMiss(benchmark::State& state)
{
    RunLookups(state, false);
}

static void MountArchiveOf(benchmark::State& state, bool walk)
{
    const int32_t memberCount = static_cast<int32_t>(state.range(0));
    const std::string& path = GetBenchArchives().Path(memberCount, walk);
    for (auto _ : state)
    {
        CArchiveTree tree;
        if (!tree.Mount(path.c_str(), true, false, "Pack/", false, OPEN_NAME_UNCHANGED))
            state.SkipWithError("the archive did not mount");
    }
}

static void BM_MountThroughEndRecord(benchmark::State& state)
{
    MountArchiveOf(state, false);
}

static void BM_MountByWalking(benchmark::State& state)
{
    MountArchiveOf(state, true);
}

BENCHMARK(BM_LookupHit)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_LookupMiss)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_MountThroughEndRecord)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MountByWalking)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
