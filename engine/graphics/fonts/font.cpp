#include "engine/graphics/fonts/font.h"

#include <cmath>
#include <cstring>
#include <memory>

#include "engine/blit/blit_transparent_mask.h"
#include "engine/blit/blit_type_registry.h"
#include "engine/core/files/file_sink.h"
#include "engine/object/editor_hooks.h"
#include "engine/object/properties/bool_property.h"
#include "engine/object/properties/color_property.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/graphics/fonts/font_file_list.h"
#include "engine/graphics/fonts/glyph_preparation.h"
#include "engine/graphics/fonts/truetype_face.h"
#include "engine/graphics/frame.h"

VP_IMPLEMENT_CLASS(CFont, CObject, 13.0f)

namespace {

constexpr uint32_t kInitialGlyphCount = 256;
// Glyph tables reach every 16-bit code and no further.
constexpr uint32_t kLastGlyphCode = 0xFFFF;
constexpr float kDefaultPointSize = 12.0f;

// Font files may say which size a font was first drawn at; the font code
// itself never reads it.
AttachDynamicProperty s_OriginalPointSize(new FloatProperty("OriginalPointSize", "Points", DynamicValueMember<float>(),
                                                            EDITOR_EDITABLE, kDefaultPointSize, nullptr, 0.0f, 200.0f,
                                                            1.0f),
                                          CFont::SGetClassInfo(), 0, nullptr);

} // namespace

void CFont::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Font Family", VP_MEMBER(m_FontFamily), &GetFontFileList(),
                                                   EDITOR_EDITABLE, "!default.ttf", VP_SETTER(SetFontFamily), false));
    classInfo->AddProperty(new LibraryItemProperty("Blit Type", VP_MEMBER(m_BlitTypeIndex), &GetBlitTypeRegistry(),
                                                   EDITOR_EDITABLE, "Transparent Mask", VP_SETTER(SetBlitTypeIndex),
                                                   false));
    ColorProperty* colour =
        new ColorProperty("Generated Color", VP_MEMBER(m_GeneratedColor), EDITOR_EDITABLE, 255, 255, 255, 255);
    colour->SetHasAlpha(true);
    classInfo->AddProperty(colour);
    classInfo->AddProperty(new FloatProperty("Point Size", VP_MEMBER(m_PointSize), EDITOR_EDITABLE, kDefaultPointSize,
                                             VP_SETTER(SetPointSize), 3.0f, 72.0f, 1.0f));
    classInfo->AddProperty(new BoolProperty("Generate All Caps", VP_MEMBER(m_GenerateAllCaps), EDITOR_EDITABLE, false,
                                            VP_SETTER(SetGenerateAllCaps)));
}

CFont::CFont()
    : m_Height(0)
    , m_pFace(nullptr)
    , m_ppGlyphs(new CFrame*[kInitialGlyphCount]())
    , m_GlyphCount(kInitialGlyphCount)
    , m_pBlitType(&GetBlitTransparentMask())
    , m_pLayoutString(nullptr)
    , m_LayoutWidth(0)
    , m_LayoutGap(0)
    , m_LayoutValid(false)
    , m_LayoutCount(0)
{
    ConstructProperties(SGetClassInfo());
    // A font made in code draws at once: the defaults of every property but
    // "Font Family", whose default is looked up in the font file list when
    // the font is read or defaulted.
    m_BlitTypeIndex = GetBlitTypeRegistry().Find("Transparent Mask", -1);
    m_PointSize = kDefaultPointSize;
    m_FontFamily = 0;
    m_GenerateAllCaps = false;
    m_GeneratedColor.SetRGBA(255, 255, 255, 255);
}

CFont::~CFont()
{
    DestroyProperties(SGetClassInfo());
    ReleaseFaceAndGlyphs();
    delete[] m_ppGlyphs;
}

void CFont::AddCustomEditorControls(CPropertyWindow* window)
{
    GetEditorHooks().AddFontPreviewEditor(window, this);
    if (m_pFace != nullptr)
    {
        m_pFace->Close();
        m_pFace = nullptr;
    }
}

CFrame* CFont::GetGlyph(uint8_t code)
{
    return GetGlyphFrame(code);
}

CFrame* CFont::GetGlyphW(uint16_t code)
{
    return GetGlyphFrame(code);
}

CFrame* CFont::GetGlyphFrame(uint32_t code)
{
    if (m_GenerateAllCaps && code >= 'a' && code <= 'z')
        code -= 'a' - 'A';
    if (code > kLastGlyphCode)
        return nullptr;
    if (code >= m_GlyphCount)
        GrowGlyphTable(code + 1);
    if (m_ppGlyphs[code] == nullptr)
        m_ppGlyphs[code] = RenderGlyph(code);
    return m_ppGlyphs[code];
}

void CFont::ReleaseGlyphs()
{
    ReleaseFaceAndGlyphs();
}

void CFont::ReleaseFaceAndGlyphs()
{
    m_Height = 0;
    if (m_pFace != nullptr)
    {
        m_pFace->Close();
        m_pFace = nullptr;
    }
    for (uint32_t i = 0; i < m_GlyphCount; i++)
    {
        delete m_ppGlyphs[i];
        m_ppGlyphs[i] = nullptr;
    }
}

CFrame* CFont::GetDrawableGlyph(uint32_t code)
{
    return code < 20 ? nullptr : GetGlyphFrame(code);
}

void CFont::StoreGlyph(uint32_t code, CFrame* glyph)
{
    if (code > kLastGlyphCode)
    {
        delete glyph;
        return;
    }
    if (code >= m_GlyphCount)
        GrowGlyphTable(code + 1);
    delete m_ppGlyphs[code];
    m_ppGlyphs[code] = glyph;
}

void CFont::GrowGlyphTable(uint32_t count)
{
    CFrame** glyphs = new CFrame*[count]();
    std::memcpy(glyphs, m_ppGlyphs, sizeof(CFrame*) * m_GlyphCount);
    delete[] m_ppGlyphs;
    m_ppGlyphs = glyphs;
    m_GlyphCount = count;
}

bool CFont::OpenFace()
{
    CFileNameList& files = GetFontFileList();
    const char* path = "";
    if (m_FontFamily >= 0 && static_cast<uint32_t>(m_FontFamily) < files.GetCount())
        path = files.GetName(static_cast<uint32_t>(m_FontFamily));
    m_pFace = TrueTypeFace::Open(path, GetPointSizeValue());
    return m_pFace != nullptr;
}

CFrame* CFont::RenderGlyph(uint32_t code)
{
    // A glyph pixel's alpha is its coverage: the colour's own alpha never
    // reaches a glyph.
    m_GeneratedColor.SetRGBA(m_GeneratedColor.m_Red, m_GeneratedColor.m_Green, m_GeneratedColor.m_Blue, 255);
    if (m_pFace == nullptr && !OpenFace())
        return nullptr;
    std::unique_ptr<CFrame> glyph = std::make_unique<CFrame>();
    if (!m_pFace->RenderGlyph(*glyph, code, m_GeneratedColor))
        return nullptr;
    PrepareGlyphForDrawing(*glyph);
    return glyph.release();
}

float CFont::GetPointSizeValue() const
{
    return std::isfinite(m_PointSize) ? m_PointSize : kDefaultPointSize;
}

int32_t CFont::GetPointSize() const
{
    return static_cast<int32_t>(std::ceil(GetPointSizeValue()));
}

int32_t CFont::GetHeight()
{
    if (m_Height == 0)
    {
        GetGlyph('A');
        // A font without a face (a bitmap font, or one whose face the
        // property window closed) has no ascender to fall back on.
        if (m_Height == 0 && m_pFace != nullptr)
            m_Height = m_pFace->GetAscender();
    }
    return m_Height;
}

int32_t CFont::GetLineHeight()
{
    // The offset comes from a glyph, so a fresh font makes one first: the
    // answer must not change once some glyph exists.
    const CFrame* first = nullptr;
    for (int pass = 0; pass < 2 && first == nullptr; pass++)
    {
        if (pass == 1)
            GetGlyph('A');
        for (uint32_t i = 0; i < m_GlyphCount && first == nullptr; i++)
            first = m_ppGlyphs[i];
    }
    const int32_t height = GetHeight();
    return first != nullptr ? height + first->GetUpperLeftYOffset() : height;
}

void CFont::SetFontFamily(int32_t index)
{
    m_FontFamily = index;
    ReleaseGlyphs();
}

void CFont::SetBlitTypeIndex(int32_t index)
{
    m_BlitTypeIndex = index;
    m_pBlitType = GetBlitTypeRegistry().GetBlitType(index);
}

void CFont::SetPointSize(float pointSize)
{
    ReleaseGlyphs();
    // NaN passes any range check and would make the character size
    // undefined.
    m_PointSize = std::isfinite(pointSize) ? pointSize : kDefaultPointSize;
}

void CFont::SetGenerateAllCaps(bool allCaps)
{
    ReleaseGlyphs();
    m_GenerateAllCaps = allCaps;
}
