// Binary caches skip the text parser for large objects and are read only
// while the class layout is unchanged; a cache may still be cut short or
// damaged on disk. Reading one into the test classes (one property of every
// kind) either refuses it, so that the object is rebuilt from its text, or
// ends in the fatal report; an accepted cache writes itself back byte for
// byte.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "engine/core/files/memory_stream.h"
#include "engine/object/object.h"
#include "engine/object/object_stream.h"
#include "fuzz/support/fuzz_input.h"
#include "tests/object/properties/composite_kinds_object.h"
#include "tests/object/every_kind_object.h"

namespace {

bool ReadCache(CObject& object, const uint8_t* data, size_t size)
{
    uint8_t* copy = static_cast<uint8_t*>(std::malloc(size > 0 ? size : 1));
    if (size > 0)
        std::memcpy(copy, data, size);
    CObjectStream stream;
    stream.OpenOnMemory(new CMemoryStream(copy, static_cast<uint32_t>(size), true), OPEN_READ);
    object.BeforeLoad();
    object.SetDefaults();
    return object.ReadBinary(stream);
}

std::string CacheOf(CObject& object)
{
    CMemoryStream* memory = new CMemoryStream();
    CObjectStream stream;
    stream.OpenOnMemory(memory, OPEN_READ | OPEN_WRITE);
    object.WriteBinary(stream);
    return std::string(reinterpret_cast<const char*>(memory->GetData()), memory->GetSize());
}

template <typename Class>
void ReadInto(const uint8_t* data, size_t size)
{
    // An object a fatal report leaves half read is still deleted.
    std::unique_ptr<Class> object(new Class);
    bool accepted = false;
    if (!RunReader([&] { accepted = ReadCache(*object, data, size); }) || !accepted)
        return;
    std::string cache = CacheOf(*object);
    Class copy;
    FuzzCheck(ReadCache(copy, reinterpret_cast<const uint8_t*>(cache.data()), cache.size()),
              "an object's own cache is refused");
    FuzzCheck(CacheOf(copy) == cache, "an object's own cache reads as another object");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ReadInto<CTestComposite>(data, size);
    ReadInto<CTestEveryKind>(data, size);
    return 0;
}
