#include "engine/graphics/slides/frame_overlay.h"

#include <algorithm>

#include "engine/blit/blit_normal.h"
#include "engine/core/color/color.h"
#include "engine/core/lists/resource_ref.h"
#include "engine/core/lists/named_value_list.h"
#include "engine/graphics/fonts/font.h"
#include "engine/graphics/fonts/font_library.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "engine/graphics/slides/text_substitution_list.h"
#include "engine/object/editor_hooks.h"
#include "engine/object/properties/array_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/object_pointer_property.h"
#include "engine/object/properties/point_property.h"
#include "engine/object/properties/text_property.h"
#include "engine/object/properties/unsigned_int_property.h"

VP_IMPLEMENT_CLASS(CFrameOverlayTextOverlay, CObject, 1.0f)
VP_IMPLEMENT_CLASS(CFrameOverlayOptions, CObject, 1.0f)

namespace {

// The names of the justification values, stored as their index.
CNamedValueList& GetJustificationNames()
{
    static CNamedValueList names;
    if (names.GetCount() == 0)
    {
        names.Add("Justify Left", JUSTIFY_LEFT);
        names.Add("Justify Center", JUSTIFY_CENTER);
        names.Add("Justify Right", JUSTIFY_RIGHT);
    }
    return names;
}

} // namespace

void CFrameOverlayTextOverlay::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Text Font", VP_MEMBER(m_TextFont), &GetFontLibrary(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(
        new PointProperty("Text Bounds Left", VP_MEMBER(m_TextBoundsLeft), EDITOR_EDITABLE, 0, 0, nullptr));
    classInfo->GetLastProperty()->SetLegacyName("Text HotSpot Coordinates");
    classInfo->AddProperty(new UnsignedIntProperty("Text Bounds Width", VP_MEMBER(m_TextBoundsWidth), EDITOR_EDITABLE,
                                                   350, nullptr, 0, 0));
    classInfo->GetLastProperty()->SetLegacyName("Text Wrapping Width");
    classInfo->AddProperty(new UnsignedIntProperty("Pixels Between Lines", VP_MEMBER(m_PixelsBetweenLines),
                                                   EDITOR_EDITABLE, 2, nullptr, 0, 0));
    classInfo->AddProperty(new LibraryItemProperty("Justification", VP_MEMBER(m_Justification),
                                                   &GetJustificationNames(), EDITOR_EDITABLE, "Justify Left", nullptr,
                                                   false));
    classInfo->AddProperty(new TextProperty("Text String", VP_MEMBER(m_TextString), EDITOR_EDITABLE,
                                            "* Some cool message to put in the slideshow!"));
}

CFrameOverlayTextOverlay::CFrameOverlayTextOverlay()
{
    ConstructProperties(SGetClassInfo());
    // Blocks made in code (the content generator's) start as read ones do.
    SetDefaults();
}

CFrameOverlayTextOverlay::~CFrameOverlayTextOverlay()
{
    DestroyProperties(SGetClassInfo());
}

void CFrameOverlayOptions::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Text Font", VP_MEMBER(m_TextFont), &GetFontLibrary(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new ArrayProperty("Text Overlays", VP_MEMBER(m_OverlayCount), VP_MEMBER(m_OverlayCapacity),
                                             VP_MEMBER(m_ListOfTextOverlays), "m_ListOfTextOverlays", true,
                                             new ObjectPointerProperty("Array Item", ArrayElementMember<CObject*>(),
                                                                       CFrameOverlayTextOverlay::SGetClassInfo(),
                                                                       EDITOR_EDITABLE, nullptr),
                                             EDITOR_EDITABLE));
}

CFrameOverlayOptions::CFrameOverlayOptions()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CFrameOverlayOptions::~CFrameOverlayOptions()
{
    DestroyProperties(SGetClassInfo());
}

void CFrameOverlayOptions::DrawOverlays(CFrameOverlayOptions* set, CFrame* destination,
                                        const TextSubstitutionList* list)
{
    CFontLibrary& fonts = GetFontLibrary();
    CFont* setFont = fonts.GetFont(set->m_TextFont);
    for (uint32_t i = 0; i < set->m_OverlayCount; i++)
    {
        const CFrameOverlayTextOverlay* block = set->m_ListOfTextOverlays[i];
        if (block == nullptr)
            continue;
        CFont* font = block->m_TextFont != 0 ? fonts.GetFont(block->m_TextFont) : setFont;
        if (font == nullptr)
            continue;
        const CString text = list != nullptr ? list->Apply(block->m_TextString) : block->m_TextString;
        const int32_t x = block->m_TextBoundsLeft.x;
        const int32_t y = block->m_TextBoundsLeft.y;
        const int32_t width = static_cast<int32_t>(block->m_TextBoundsWidth);
        if (GetEditorHooks().IsLevelEditorOpen())
        {
            // Where the block starts and where its lines wrap.
            destination->SetPixel(x, y, ColorWhite);
            destination->DrawLine(x + width, y, x + width, y + font->GetLineHeight(), ColorWhite);
        }
        CTextWrapStyle style;
        style.firstJustification = block->m_Justification;
        // Each wrapped line is the first of its own paragraph, so every line
        // takes the block's justification.
        font->DrawWrappedText(*destination, x, y, font->WrapText(text, width), width,
                              static_cast<int32_t>(block->m_PixelsBetweenLines), style);
    }
}

CFrame* CFrameOverlayOptions::DrawOverlaysOnCopy(CFrameOverlayOptions* set, CFrame& picture,
                                                 const TextSubstitutionList* list)
{
    CFrame* copy = new CFrame;
    copy->Create(picture.GetWidth(), picture.GetHeight(), GetDisplayBitDepth());
    copy->BlitAt(&picture, -picture.GetUpperLeftXOffset(), -picture.GetUpperLeftYOffset(), &GetBlitNormal());
    if (set != nullptr)
        DrawOverlays(set, copy, list);
    return copy;
}

namespace {

// What browsers show of an overlay set: the picture of the same name with
// the set's texts on it, rendered again three times a second so edits show.
class CFrameOverlayRef : public CResourceRef
{
public:
    static constexpr float kRefreshSeconds = 0.33333f;

    CFrameOverlayRef(VirtualArray* list, int32_t itemIndex)
        : CResourceRef(list, itemIndex)
    {
        Render();
    }
    ~CFrameOverlayRef() override { delete m_pRendered; }

    void Draw(CFrame* target, CPoint point) override
    {
        if (m_pRendered != nullptr)
            target->BlitAt(m_pRendered, point.x, point.y, &GetBlitNormal());
    }

    void Update(float seconds) override
    {
        m_Timer -= seconds;
        if (m_Timer <= 0.0f)
        {
            m_Timer = kRefreshSeconds;
            Render();
        }
    }

    void GetBounds(CRect& bounds) override
    {
        if (m_pRendered != nullptr)
            m_pRendered->GetBounds(bounds);
        else
            bounds = CRect{0, 0, kNoPictureEdge - 1, kNoPictureEdge - 1};
    }

private:
    void Render()
    {
        delete m_pRendered;
        m_pRendered = nullptr;
        CStandAloneFrameList& frames = GetFrameList();
        const char* name = m_pList->GetName(static_cast<uint32_t>(m_ItemIndex));
        const int32_t index = name != nullptr ? frames.Find(name, -1) : -1;
        // A name the list lacks shows its first picture; an empty list, or a
        // picture that does not load, shows nothing.
        CFrame* picture = frames.GetItemObject(static_cast<uint32_t>(std::max(index, 0)));
        if (picture == nullptr || picture->GetWidth() == 0)
            return;
        m_pRendered = CFrameOverlayOptions::DrawOverlaysOnCopy(
            static_cast<CFrameOverlayLibrary*>(m_pList)->GetItemObject(static_cast<uint32_t>(m_ItemIndex)), *picture,
            nullptr);
    }

    CFrame* m_pRendered = nullptr;
    float m_Timer = kRefreshSeconds;
};

CResourceRef* MakeFrameOverlayRef(VirtualArray* list, int32_t itemIndex)
{
    return new CFrameOverlayRef(list, itemIndex);
}

} // namespace

CFrameOverlayLibrary::CFrameOverlayLibrary()
    : CResourceLibrary<CFrameOverlayOptions>(LIBRARY_FRAME_OVERLAY_OPTIONS)
{
}

ReferenceFactory CFrameOverlayLibrary::GetReferenceFactory()
{
    return &MakeFrameOverlayRef;
}

CFrameOverlayLibrary& GetFrameOverlayLibrary()
{
    static CFrameOverlayLibrary library;
    return library;
}

CFrameOverlayOptions* FindNamedOverlays(const char* name)
{
    CFrameOverlayLibrary& sets = GetFrameOverlayLibrary();
    const int32_t set = sets.Find(name, -1);
    return set >= 0 ? sets.GetItemObject(static_cast<uint32_t>(set)) : nullptr;
}

bool FindPictureWithOverlays(const char* name, CFrame*& picture, CFrameOverlayOptions*& overlays)
{
    if (GetFrameList().Find(name, -1) < 0)
        return false;
    picture = FindNamedFrame(name);
    overlays = FindNamedOverlays(name);
    return true;
}
