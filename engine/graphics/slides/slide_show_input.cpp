#include "engine/graphics/slides/slide_show_input.h"

CSlideShowInput& GetSlideShowInput()
{
    static CSlideShowInput input = {
        []() {}, []() {}, []() { return false; }, []() -> uint32_t { return 0; }, []() {},
    };
    return input;
}
