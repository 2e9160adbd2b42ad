#include "game/bricks/floating_brick.h"

#include "engine/object/properties/bool_property.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/unsigned_int_property.h"
#include "game/bricks/brick_info.h"
#include "game/playfield/power_up_base.h"

VP_IMPLEMENT_CLASS(CFloatingBrick, CObject, 1.0f)

namespace {

// Equal bounds leave the value unbounded.
FloatProperty* FreeFloat(const char* name, CPropertyMember<float> member)
{
    return new FloatProperty(name, member, EDITOR_EDITABLE, 0.0f, nullptr, 0.0f, 0.0f, 1.0f);
}

LibraryItemProperty* BrickInfoItem(const char* name, CPropertyMember<int32_t> member)
{
    return new LibraryItemProperty(name, member, &GetBrickInfoLibrary(), EDITOR_EDITABLE, nullptr, nullptr, false);
}

} // namespace

void CFloatingBrick::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(FreeFloat("Position X", VP_MEMBER(m_PositionX)));
    classInfo->AddProperty(FreeFloat("Position Y", VP_MEMBER(m_PositionY)));
    classInfo->AddProperty(new LibraryItemProperty("Force Power-up", VP_MEMBER(m_ForcedPowerUp), &GetPowerUpLibrary(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new FloatProperty("Movement/Speed", VP_MEMBER(m_Speed), EDITOR_EDITABLE, 20.0f, nullptr,
                                             0.0f, 999999.0f, 1.0f));
    classInfo->AddProperty(FreeFloat("Movement/Range 1", VP_MEMBER(m_Range1)));
    classInfo->AddProperty(FreeFloat("Movement/Range 2", VP_MEMBER(m_Range2)));
    // Kept in degrees, as shown.
    classInfo->AddProperty(new FloatProperty("Movement/Direction", "Deg", VP_MEMBER(m_Direction), EDITOR_EDITABLE, 0.0f,
                                             nullptr, 0.0f, 0.0f, 1.0f));
    classInfo->AddProperty(new BoolProperty("Movement/Can Move Through Other Bricks",
                                            VP_MEMBER(m_CanMoveThroughOtherBricks), EDITOR_EDITABLE, true, nullptr));
    classInfo->AddProperty(
        new UnsignedIntProperty("Palette Index", VP_MEMBER(m_PaletteIndex), EDITOR_HIDDEN, 1, nullptr, 0, 0));
    classInfo->AddProperty(BrickInfoItem("Changing/Brick To Change From", VP_MEMBER(m_BrickToChangeFrom)));
    classInfo->AddProperty(BrickInfoItem("Changing/Brick To Change To", VP_MEMBER(m_BrickToChangeTo)));
    classInfo->AddProperty(BrickInfoItem("Changing/Brick To Look Like", VP_MEMBER(m_BrickToLookLike)));
}

CFloatingBrick::CFloatingBrick()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CFloatingBrick::~CFloatingBrick()
{
    DestroyProperties(SGetClassInfo());
}
