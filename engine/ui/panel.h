#pragma once

#include "engine/ui/window.h"

// A plain container: clipboard shortcuts reach only its front (focused)
// child, and hovering its own area clears the tooltip without climbing.
class CJPanel : public CJWindow
{
public:
    using CJWindow::CJWindow;

    bool Cut(bool doIt) override;
    bool Copy(bool doIt) override;
    bool Paste(bool doIt) override;
    bool Delete(bool doIt) override;
    bool OnHover(CPoint point) override;
};
