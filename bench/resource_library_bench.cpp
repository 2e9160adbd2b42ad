// What the game's libraries cost at start-up and on first use: listing a
// library of 2,000 small items and reading every item, from loose files and
// from a zip file laid over the data folder. Items per second are reported.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/support/stored_zip.h"
#include "engine/core/archives/mount_archives.h"
#include "engine/core/settings/paths.h"
#include "engine/object/object.h"
#include "engine/object/object_files.h"
#include "engine/object/libraries/resource_library.h"
#include "engine/object/properties/text_property.h"

namespace fs = std::filesystem;

// A small settings object, as most library items are.
class CBenchItem : public CObject
{
    VP_DECLARE_CLASS(CBenchItem)
public:
    CBenchItem() { ConstructProperties(SGetClassInfo()); }
    ~CBenchItem() override { DestroyProperties(SGetClassInfo()); }

    CString m_Name;
};

VP_IMPLEMENT_CLASS(CBenchItem, CObject, 1.0f)

void CBenchItem::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new TextProperty("Name", VP_MEMBER(m_Name), EDITOR_EDITABLE, ""));
}

static const int32_t kItemCount = 2000;

// Twenty folders of a hundred items, as sets of rounds are kept.
static std::string ItemName(int32_t index)
{
    char name[64];
    std::snprintf(name, sizeof(name), "Set%02d/Item%04d.Object.txt", index % 20, index);
    return name;
}

// A data folder holding the items twice: loose under Resources/Loose and in
// Data/Packed.zip, mounted under Packed/. Built on first use, removed at exit.
class CBenchDataFolder
{
public:
    CBenchDataFolder()
    {
        m_SavedFolder = fs::current_path();
        m_Folder = fs::temp_directory_path() / "vp_resource_library_bench";
        fs::remove_all(m_Folder);
        fs::create_directories(m_Folder / "Data");
        fs::current_path(m_Folder);

        // Exactly the text a load writes back, so reading an item never
        // rewrites its file.
        CBenchItem object;
        object.m_Name = "Red Brick";
        uint32_t size = 0;
        uint8_t* bytes = WriteObjectToMemory(&object, size);
        const std::string text(reinterpret_cast<const char*>(bytes), size);
        std::free(bytes);

        for (int32_t i = 0; i < kItemCount; i++)
        {
            const fs::path path = m_Folder / "Data/Resources/Loose" / ItemName(i);
            fs::create_directories(path.parent_path());
            std::ofstream(path, std::ios::binary) << text;
        }
        WriteStoredZip((m_Folder / "Data/Packed.zip").string(), kItemCount, ItemName, text, false);
        MountArchives("Data", true, false);
    }

    ~CBenchDataFolder()
    {
        UnmountArchives();
        SetDataFolder(".");
        fs::current_path(m_SavedFolder);
        std::error_code ignored;
        fs::remove_all(m_Folder, ignored);
    }

private:
    fs::path m_SavedFolder;
    fs::path m_Folder;
};

static void UseBenchDataFolder()
{
    static CBenchDataFolder folder;
}

static void RunLibrary(benchmark::State& state, const char* folder, bool loadItems)
{
    UseBenchDataFolder();
    CResourceLibrary<CBenchItem> library(GetLibraryCatalogueEntry(LIBRARY_GENERAL_OBJECTS).parameters);
    for (auto _ : state)
    {
        library.Init(nullptr, folder, 0);
        if (loadItems)
            library.LoadAll();
        if (library.GetCount() != kItemCount || (loadItems && !library.IsItemLoaded(kItemCount - 1)))
            state.SkipWithError("the library did not list and read every item");
    }
    state.SetItemsProcessed(state.iterations() * kItemCount);
}

static void BM_EnumerateLoose(benchmark::State& state)
{
    RunLibrary(state, "Resources/Loose", false);
}

static void BM_EnumerateAndLoadLoose(benchmark::State& state)
{
    RunLibrary(state, "Resources/Loose", true);
}

static void BM_EnumerateZip(benchmark::State& state)
{
    RunLibrary(state, "Packed", false);
}

static void BM_EnumerateAndLoadZip(benchmark::State& state)
{
    RunLibrary(state, "Packed", true);
}

BENCHMARK(BM_EnumerateLoose)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EnumerateAndLoadLoose)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EnumerateZip)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EnumerateAndLoadZip)->Unit(benchmark::kMillisecond);
