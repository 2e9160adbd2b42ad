#pragma once

#include <string>
#include <vector>

#include "engine/platform/message_box.h"

struct CapturedMessageBox
{
    std::string caption;
    std::string text;
};

// Records every message box shown while it lives instead of showing it.
class ScopedMessageBoxCapture
{
public:
    ScopedMessageBoxCapture();
    ~ScopedMessageBoxCapture();

    const std::vector<CapturedMessageBox>& Boxes() const;

private:
    MessageBoxSink m_Previous;
};
