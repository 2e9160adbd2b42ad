#pragma once

#include <cstdint>

#include "engine/core/geometry/point.h"
#include "engine/core/strings/ref_string.h"
#include "engine/object/libraries/resource_library.h"
#include "engine/object/object.h"

class CFrame;
class TextSubstitutionList;

// One text block drawn onto a picture: its text (which may hold
// substitution tokens and line feeds), font, upper-left corner, wrapping
// width, line gap and justification.
class CFrameOverlayTextOverlay : public CObject
{
    VP_DECLARE_CLASS(CFrameOverlayTextOverlay)
public:
    CFrameOverlayTextOverlay();
    ~CFrameOverlayTextOverlay() override;

    // Index into "Fonts"; 0 means the overlay set's font.
    int32_t m_TextFont;
    CPoint m_TextBoundsLeft;
    uint32_t m_TextBoundsWidth;
    uint32_t m_PixelsBetweenLines;
    // 0 left, 1 centred, 2 right.
    int32_t m_Justification;
    CString m_TextString;
};

// The text blocks drawn onto the picture of the same name ("CompanyLogo.FOO"
// onto "CompanyLogo"), in order, with the set's font where a block names
// none.
class CFrameOverlayOptions : public CObject
{
    VP_DECLARE_CLASS(CFrameOverlayOptions)
public:
    CFrameOverlayOptions();
    ~CFrameOverlayOptions() override;

    // Draws every block onto the destination, the list's values filled in
    // when one is given.
    static void DrawOverlays(CFrameOverlayOptions* set, CFrame* destination, const TextSubstitutionList* list);
    // A new copy of the picture at the display depth with its upper-left
    // corner at (0, 0), where the blocks are placed, and the set's blocks
    // drawn on it (none: the plain copy). The picture itself is never
    // written.
    static CFrame* DrawOverlaysOnCopy(CFrameOverlayOptions* set, CFrame& picture, const TextSubstitutionList* list);

    int32_t m_TextFont;
    uint32_t m_OverlayCount;
    uint32_t m_OverlayCapacity;
    CFrameOverlayTextOverlay** m_ListOfTextOverlays;
};

// "Frame Overlay Options": the overlay sets, "<name>.FOO" files in
// "Resources".
class CFrameOverlayLibrary : public CResourceLibrary<CFrameOverlayOptions>
{
public:
    CFrameOverlayLibrary();

    // Its references draw each set on its picture.
    ReferenceFactory GetReferenceFactory() override;
};

CFrameOverlayLibrary& GetFrameOverlayLibrary();

// The overlay set of that name; none when the library lacks it.
CFrameOverlayOptions* FindNamedOverlays(const char* name);

// A picture shown with its texts: the frame of that name in "Frames" and,
// when "Frame Overlay Options" holds one of the same name, that overlay set
// (else null). False, and both left alone, when "Frames" lacks the picture.
bool FindPictureWithOverlays(const char* name, CFrame*& picture, CFrameOverlayOptions*& overlays);
