#pragma once

#include "engine/core/lists/resource_ref.h"

class CJDialog;

// A live sample of a skin: a small dialog with a button, a check box, a
// static text and an edit box, built in the skin and rebuilt every quarter
// of a second so edits to the skin show while it is edited. To draw, the
// sample is linked into the root window for the moment of the draw, since
// windows find their screen and their clips through the tree.
class CSkinPreview : public CResourceRef
{
public:
    CSkinPreview(VirtualArray* list, int32_t itemIndex);
    ~CSkinPreview() override;

    // Builds the sample anew in the skin as it is now.
    void Rebuild();
    void Update(float seconds) override;
    // The sample with its top-left corner at the point.
    void Draw(CFrame* target, CPoint point) override;
    // The sample with 50 pixels around it.
    void GetBounds(CRect& bounds) override;

    CJDialog* GetSample() const { return m_pSample; }

private:
    void DeleteSample();

    CJDialog* m_pSample;
    float m_Countdown;
};
