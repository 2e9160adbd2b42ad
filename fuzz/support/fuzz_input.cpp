#include "fuzz/support/fuzz_input.h"

#include <sanitizer/common_interface_defs.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "engine/core/program/error_report.h"
#include "engine/core/files/file.h"
#include "engine/core/files/memory_stream.h"
#include "engine/platform/durable_save.h"
#include "engine/platform/message_box.h"
#include "tests/support/scoped_temp_folder.h"

[[noreturn]] static void ThrowFatalReportEnd()
{
    throw FatalReportEnd();
}

static void ShowNothing(const char*, const char*)
{
}

// Saves go to the scratch folder of the process, which nobody keeps:
// flushing them to the disk would only make inputs slow by the disk's mood.
static int FlushNothing(int)
{
    return 0;
}

// Before main, so that no target can run an input without the hook.
[[maybe_unused]] static const bool s_Prepared = []
{
    SetFatalExitHook(ThrowFatalReportEnd);
    SetMessageBoxSink(ShowNothing);
    SetFileSyncCall(FlushNothing);
    return true;
}();

void AttachInput(CFile& file, const uint8_t* data, size_t size)
{
    uint8_t* copy = static_cast<uint8_t*>(std::malloc(size > 0 ? size : 1));
    if (size > 0)
        std::memcpy(copy, data, size);
    file.Attach(new CMemoryStream(copy, static_cast<uint32_t>(size), true), OPEN_READ);
}

const std::string& GetFuzzFolder()
{
    static ScopedTempFolder folder;
    return folder.Path();
}

std::string WriteFuzzFile(const std::string& name, const uint8_t* data, size_t size)
{
    std::string path = GetFuzzFolder() + name;
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    FILE* file = std::fopen(path.c_str(), "wb");
    FuzzCheck(file != nullptr, "cannot write a file into the fuzz folder");
    if (size > 0)
        std::fwrite(data, 1, size, file);
    std::fclose(file);
    return path;
}

void FuzzCheck(bool condition, const char* message)
{
    if (condition)
        return;
    // The scripts close the target's stderr; the sanitizers' report channel
    // stays open.
    __sanitizer_report_error_summary((std::string("fuzz check failed: ") + message).c_str());
    std::abort();
}
