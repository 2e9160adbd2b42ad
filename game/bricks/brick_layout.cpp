#include "game/bricks/brick_layout.h"

#include <cstdio>

#include "engine/graphics/frame.h"
#include "engine/object/properties/array_property.h"
#include "engine/object/properties/binary_blob_property.h"
#include "engine/object/properties/bool_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/object_pointer_property.h"
#include "engine/object/properties/point_property.h"
#include "engine/object/properties/text_property.h"
#include "engine/object/properties/unsigned_int_property.h"
#include "game/bricks/background_library.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/power_up_list_property.h"
#include "game/playfield/power_up_base.h"

VP_IMPLEMENT_CLASS(CBrickLayout, CObject, 1.0f)

namespace {

const ArrayProperty& BrickListProperty()
{
    return *static_cast<const ArrayProperty*>(CBrickLayout::SGetClassInfo()->FindProperty("Bricks"));
}

} // namespace

void CBrickLayout::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new TextProperty("Display Name", VP_MEMBER(m_DisplayName), EDITOR_EDITABLE, ""));
    classInfo->AddProperty(new TextProperty("Author", VP_MEMBER(m_Author), EDITOR_EDITABLE, ""));
    classInfo->AddProperty(new TextProperty("Note 1", VP_MEMBER(m_Note1), EDITOR_EDITABLE, ""));
    classInfo->AddProperty(new TextProperty("Note 2", VP_MEMBER(m_Note2), EDITOR_EDITABLE, ""));
    classInfo->AddProperty(new TextProperty("Note 3", VP_MEMBER(m_Note3), EDITOR_EDITABLE, ""));
    classInfo->AddProperty(new TextProperty("Note 4", VP_MEMBER(m_Note4), EDITOR_EDITABLE, ""));
    classInfo->AddProperty(new TextProperty("Note 5", VP_MEMBER(m_Note5), EDITOR_EDITABLE, ""));
    classInfo->AddProperty(new LibraryItemProperty("Background Type", VP_MEMBER(m_Background), &GetBackgroundLibrary(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new UnsignedIntProperty("Last Brick ID Assigned", VP_MEMBER(m_LastBrickIdAssigned),
                                                   EDITOR_HIDDEN, kFirstBrickId, nullptr, 0, 0));
    classInfo->AddProperty(PowerUpListProperty("Power-Ups/Automatic Power Ups", VP_MEMBER(m_AutomaticPowerUpCount),
                                       VP_MEMBER(m_AutomaticPowerUpCapacity), VP_MEMBER(m_pAutomaticPowerUps),
                                       "m_AutomaticPowerUps", "Power-Ups/Automatic"));
    classInfo->AddProperty(new BoolProperty("Power-Ups/Disallow Automatic Power-Ups",
                                            VP_MEMBER(m_DisallowAutomaticPowerUps), EDITOR_EDITABLE, true, nullptr));
    BoolProperty* levelBreakers =
        new BoolProperty("Power-Ups/Disallow All Level Breakers", VP_MEMBER(m_DisallowAllLevelBreakers),
                         EDITOR_EDITABLE, false, nullptr);
    levelBreakers->SetHelpText(kLevelBreakersHelp);
    classInfo->AddProperty(levelBreakers);
    classInfo->AddProperty(PowerUpListProperty("Power-Ups/Disallowed Power-Ups", VP_MEMBER(m_DisallowedPowerUpCount),
                                       VP_MEMBER(m_DisallowedPowerUpCapacity), VP_MEMBER(m_pDisallowedPowerUps),
                                       "m_PowerUpBlackList", "Power-Ups/Disallowed"));
    classInfo->AddProperty(new UnsignedIntProperty("Power-Ups/Additional Chance Of Getting Conditional Extra Life",
                                                   VP_MEMBER(m_AdditionalChanceOfConditionalExtraLife), EDITOR_EDITABLE,
                                                   0, nullptr, 0, 0));
    classInfo->AddProperty(
        new ArrayProperty("Bricks", VP_MEMBER(m_BrickCount), VP_MEMBER(m_BrickCapacity), VP_MEMBER(m_pBricks),
                          "m_InitialBrickLayout", true,
                          new ObjectPointerProperty("Brick", ArrayElementMember<CBrickBase*>(),
                                                    CBrickBase::SGetClassInfo(), EDITOR_EDITABLE, nullptr),
                          EDITOR_HIDDEN));
    classInfo->AddProperty(
        new PointProperty("Thumbnail/Capture Center", VP_MEMBER(m_CaptureCenter), EDITOR_EDITABLE, 318, 240, nullptr));
    classInfo->AddProperty(new UnsignedIntProperty("Thumbnail/Capture Width", VP_MEMBER(m_CaptureWidth),
                                                   EDITOR_EDITABLE, 615, nullptr, 105, 615));
    classInfo->AddProperty(
        new BoolProperty("Thumbnail/Show Capture Rect", VP_MEMBER(m_ShowCaptureRect), EDITOR_EDITABLE, false, nullptr));
    BoolProperty* automatic = new BoolProperty("Thumbnail/Automatic Thumbnail", VP_MEMBER(m_AutomaticThumbnail),
                                               EDITOR_EDITABLE, true, nullptr);
    automatic->SetHelpText(
        "Press F9 during game play to manually force the thumbnail to be captured at a specific time.");
    classInfo->AddProperty(automatic);
    classInfo->AddProperty(new UnsignedIntProperty("Thumbnail/Thumbnail Quality", VP_MEMBER(m_ThumbnailQuality),
                                                   EDITOR_EDITABLE, 80, nullptr, 1, 100));
    classInfo->AddProperty(new UnsignedIntProperty("Thumbnail/CRCOfLayoutAtTimeOfLastCatupre",
                                                   VP_MEMBER(m_CaptureChecksum), EDITOR_HIDDEN, 0, nullptr, 0, 0));
    classInfo->AddProperty(new BinaryBlobProperty("Thumbnail/Compressed Thumbnail", VP_MEMBER(m_pCompressedThumbnail),
                                                  VP_MEMBER(m_CompressedThumbnailSize), EDITOR_HIDDEN));
}

CBrickLayout::CBrickLayout()
    : m_pThumbnail(nullptr)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

void CBrickLayout::SetDefaults()
{
    CObject::SetDefaults();
    ComputePowerUpWeights();
}

CBrickLayout::~CBrickLayout()
{
    delete m_pThumbnail;
    DestroyProperties(SGetClassInfo());
}

void CBrickLayout::AfterLoad(CTypedObjectReceiver* receiver)
{
    CObject::AfterLoad(receiver);
    ReconcileBrickClasses();
    ClampBricksToPlayArea();
    m_ShowCaptureRect = false;
}

void CBrickLayout::AppendBrick(CBrickBase* brick)
{
    *static_cast<CBrickBase**>(BrickListProperty().AppendElement(this)) = brick;
}

CString CBrickLayout::MakeUniqueBrickName(const CString& base)
{
    CString prefix = base.HasText() ? base : CString("Brick");
    prefix.Append("#");
    for (;;)
    {
        m_LastBrickIdAssigned++;
        char number[16];
        std::snprintf(number, sizeof(number), "%u", m_LastBrickIdAssigned);
        CString name = prefix;
        name.Append(number);
        bool taken = false;
        for (uint32_t i = 0; i < m_BrickCount && !taken; i++)
            taken = m_pBricks[i] != nullptr && m_pBricks[i]->m_Name.CompareNoCase(name) == 0;
        if (!taken)
            return name;
    }
}
