// Object text files and binary caches at the size of a level: a few hundred
// objects of every scalar kind, one after another in one file, read and
// written through memory so the disk does not blur the figures.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/core/files/memory_stream.h"
#include "engine/core/files/stream.h"
#include "engine/object/dynamic_property_table.h"
#include "engine/object/object_files.h"
#include "engine/object/object_stream.h"
#include "tests/object/every_kind_object.h"

namespace
{
const int OBJECTS_PER_LEVEL = 400;

std::vector<CTestEveryKind*> MakeLevel()
{
    std::vector<CTestEveryKind*> objects;
    const Property* comment = CTestEveryKind::SGetClassInfo()->GetDynamicPropertyTable()->FindByName("Comment");
    for (int i = 0; i < OBJECTS_PER_LEVEL; i++)
    {
        CTestEveryKind* object = new CTestEveryKind();
        object->SetDefaults();
        object->m_Score = i * 25;
        object->m_Stop = 0.25f * static_cast<float>(i);
        object->m_Angle = 0.01f * static_cast<float>(i);
        object->m_StartTime = 132223104000000000 + i;
        char name[32];
        snprintf(name, sizeof name, "Brick %d", i);
        object->GetClassInfo()->FindProperty("Name")->FromText(object, name, nullptr);
        if (i % 10 == 0)
            comment->FromText(comment->GetValueStorage(object), "Placed by hand", nullptr);
        objects.push_back(object);
    }
    return objects;
}

void FreeLevel(std::vector<CTestEveryKind*>& objects)
{
    for (CTestEveryKind* object : objects)
        delete object;
    objects.clear();
}

std::string BytesOf(CObjectStream& stream)
{
    std::string bytes(stream.GetSize(), '\0');
    stream.Seek(0);
    stream.Read(bytes.data(), static_cast<uint32_t>(bytes.size()));
    return bytes;
}

template <typename Write>
std::string WriteLevel(std::vector<CTestEveryKind*>& objects, Write write)
{
    CObjectStream stream;
    stream.OpenOnMemory(new CMemoryStream(), OPEN_READ | OPEN_WRITE | OPEN_CREATE);
    for (CTestEveryKind* object : objects)
        write(object, stream);
    return BytesOf(stream);
}

void OpenOnBytes(CObjectStream& stream, const std::string& bytes)
{
    CMemoryStream* memory = new CMemoryStream();
    memory->Write(bytes.data(), static_cast<uint32_t>(bytes.size()));
    memory->Seek(0);
    stream.OpenOnMemory(memory, OPEN_READ);
}

void Count(benchmark::State& state, size_t bytesPerLevel)
{
    state.SetItemsProcessed(state.iterations() * OBJECTS_PER_LEVEL);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytesPerLevel));
}

void WriteText(CTestEveryKind* object, CObjectStream& stream)
{
    object->WriteText(stream, true);
}

void WriteBinary(CTestEveryKind* object, CObjectStream& stream)
{
    object->WriteBinary(stream);
}

bool ReadText(CTestEveryKind& object, CObjectStream& stream)
{
    return ReadObjectFromStream(&object, stream);
}

bool ReadBinary(CTestEveryKind& object, CObjectStream& stream)
{
    object.SetDefaults();
    return object.ReadBinary(stream);
}

template <typename Write>
void RunWrite(benchmark::State& state, Write write)
{
    std::vector<CTestEveryKind*> objects = MakeLevel();
    size_t bytes = 0;
    for (auto _ : state)
        bytes = WriteLevel(objects, write).size();
    Count(state, bytes);
    FreeLevel(objects);
}

// The level is written once with write and read back whole each iteration.
template <typename Write, typename Read>
void RunRead(benchmark::State& state, Write write, Read read, const char* failure)
{
    std::vector<CTestEveryKind*> objects = MakeLevel();
    const std::string bytes = WriteLevel(objects, write);
    FreeLevel(objects);
    for (auto _ : state)
    {
        CObjectStream stream;
        OpenOnBytes(stream, bytes);
        for (int i = 0; i < OBJECTS_PER_LEVEL; i++)
        {
            CTestEveryKind object;
            if (!read(object, stream))
                state.SkipWithError(failure);
        }
    }
    Count(state, bytes.size());
}

void BM_WriteObjectText(benchmark::State& state)
{
    RunWrite(state, WriteText);
}
BENCHMARK(BM_WriteObjectText);

void BM_ReadObjectText(benchmark::State& state)
{
    RunRead(state, WriteText, ReadText, "the level did not read");
}
BENCHMARK(BM_ReadObjectText);

void BM_WriteBinaryCache(benchmark::State& state)
{
    RunWrite(state, WriteBinary);
}
BENCHMARK(BM_WriteBinaryCache);

void BM_ReadBinaryCache(benchmark::State& state)
{
    RunRead(state, WriteBinary, ReadBinary, "the cache did not read");
}
BENCHMARK(BM_ReadBinaryCache);
}
