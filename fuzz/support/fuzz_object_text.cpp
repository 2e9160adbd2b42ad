#include "fuzz/support/fuzz_object_text.h"

#include <cstdlib>
#include <memory>
#include <string>

#include "engine/object/object.h"
#include "engine/object/object_files.h"
#include "fuzz/support/fuzz_input.h"

std::string ObjectTextOf(CObject& object)
{
    uint32_t size = 0;
    uint8_t* bytes = WriteObjectToMemory(&object, size);
    std::string text(reinterpret_cast<const char*>(bytes), size);
    std::free(bytes);
    return text;
}

void CheckObjectTextRoundTrip(CObject& object)
{
    const std::string text = ObjectTextOf(object);
    std::unique_ptr<CObject> copy;
    const bool read = RunReader([&] {
        copy.reset(CreateObjectFromText(reinterpret_cast<const uint8_t*>(text.data()),
                                        static_cast<uint32_t>(text.size())));
    });
    FuzzCheck(read && copy != nullptr, "an object's own text does not read");
    FuzzCheck(ObjectTextOf(*copy) == text, "an object's own text reads as another object");
}
