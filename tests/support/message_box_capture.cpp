#include "tests/support/message_box_capture.h"

static std::vector<CapturedMessageBox> s_Boxes;

static void RecordMessageBox(const char* caption, const char* text)
{
    s_Boxes.push_back({caption, text});
}

ScopedMessageBoxCapture::ScopedMessageBoxCapture()
{
    s_Boxes.clear();
    m_Previous = SetMessageBoxSink(RecordMessageBox);
}

ScopedMessageBoxCapture::~ScopedMessageBoxCapture()
{
    SetMessageBoxSink(m_Previous);
    s_Boxes.clear();
}

const std::vector<CapturedMessageBox>& ScopedMessageBoxCapture::Boxes() const
{
    return s_Boxes;
}
