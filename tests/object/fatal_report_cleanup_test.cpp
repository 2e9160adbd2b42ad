#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/core/program/error_report.h"
#include "tests/object/properties/composite_kinds_object.h"
#include "tests/support/message_box_capture.h"
#include "tests/support/object_forms.h"

// The fuzz targets end an input at its fatal report by throwing from the
// fatal-exit hook, so everything a reader built before the report is freed
// as the throw unwinds it; what is not shows up as a leak of every broken
// input. The sanitizer build fails this program at exit for such a leak.
namespace
{
struct FatalReportEnd
{
};

[[noreturn]] void ThrowFatalReportEnd()
{
    throw FatalReportEnd();
}

struct CleanupCase
{
    const char* name;
    const char* text;
};

const CleanupCase kCases[] = {
    // An element of a named object array that has no place is read into an
    // object of its own and dropped; a broken block inside it is fatal.
    {"DroppedObjectArrayElement",
     "CTestComposite\r\n{\r\n\tDifficulties=Array\r\n\t{\r\n\t\tArray Count=3\r\n\t\tImpossible=CTestStats\r\n"
     "\t\t{\r\n\t\t\t{\r\n\t\t}\r\n\t}\r\n}\r\n"},
};

class FatalReportCleanup : public testing::TestWithParam<CleanupCase>
{
protected:
    void SetUp() override { m_PreviousHook = SetFatalExitHook(ThrowFatalReportEnd); }
    void TearDown() override { SetFatalExitHook(m_PreviousHook); }

    ScopedMessageBoxCapture m_Boxes;
    FatalExitHook m_PreviousHook = nullptr;
};

INSTANTIATE_TEST_SUITE_P(Cases, FatalReportCleanup, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<CleanupCase>& info) { return info.param.name; });
}

TEST_P(FatalReportCleanup, ReportsAndFreesWhatWasRead)
{
    testing::internal::CaptureStderr();
    std::unique_ptr<CTestComposite> object(new CTestComposite);
    EXPECT_THROW(ReadObjectText(object.get(), GetParam().text), FatalReportEnd);
    testing::internal::GetCapturedStderr();
    ASSERT_EQ(m_Boxes.Boxes().size(), 1u);
    EXPECT_NE(m_Boxes.Boxes()[0].caption.find("Fatal Error"), std::string::npos);
}
