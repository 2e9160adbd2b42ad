#include "engine/graphics/fonts/font_library.h"

#include "engine/core/lists/resource_ref.h"
#include "engine/graphics/frame.h"

namespace {

// What browsers show of a font: its letter A. Item 0 of a library whose
// first item is a "none" entry ("!None") stands for no font.
class CFontRef : public CResourceRef
{
public:
    CFontRef(VirtualArray* list, int32_t itemIndex)
        : CResourceRef(list, itemIndex)
        , m_pFont(nullptr)
    {
        const char* firstName = list->GetName(0);
        const bool noneEntry = itemIndex == 0 && firstName != nullptr && CString(firstName).FindNoCase("none") >= 0;
        if (!noneEntry)
            m_pFont = static_cast<CFontLibrary*>(list)->GetFont(itemIndex);
    }

    void Draw(CFrame* target, CPoint point) override
    {
        if (CFrame* glyph = Glyph())
            target->BlitAt(glyph, point.x, point.y, m_pFont->GetBlitType());
    }

    void Update(float) override {}

    void GetBounds(CRect& bounds) override
    {
        if (CFrame* glyph = Glyph())
            glyph->GetBounds(bounds);
        else
            bounds = CRect{0, 0, kNoPictureEdge - 1, kNoPictureEdge - 1};
    }

private:
    CFrame* Glyph() { return m_pFont != nullptr ? m_pFont->GetDrawableGlyph('A') : nullptr; }

    CFont* m_pFont;
};

CResourceRef* MakeFontRef(VirtualArray* list, int32_t itemIndex)
{
    return new CFontRef(list, itemIndex);
}

} // namespace

CFontLibrary::CFontLibrary()
    : CResourceLibrary<CFont>(LIBRARY_FONTS)
{
}

CFont* CFontLibrary::FindFont(const char* name)
{
    const int32_t index = Find(name, -1);
    return index >= 0 ? GetFont(index) : nullptr;
}

ReferenceFactory CFontLibrary::GetReferenceFactory()
{
    return &MakeFontRef;
}

CFontLibrary& GetFontLibrary()
{
    static CFontLibrary library;
    return library;
}
