#include "game/bricks/brick_layout.h"

#include <algorithm>
#include <limits>

#include "engine/object/properties/text_property.h"
#include "engine/object/properties/unsigned_int_property.h"
#include "game/playfield/power_up_base.h"

VP_IMPLEMENT_CLASS(CBrickLayout, CObject, 1.0f)

void CBrickLayout::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new TextProperty("Display Name", VP_MEMBER(m_DisplayName), EDITOR_EDITABLE, ""));
    classInfo->AddProperty(new TextProperty("Author", VP_MEMBER(m_Author), EDITOR_EDITABLE, ""));
    classInfo->AddProperty(new TextProperty("Note 1", VP_MEMBER(m_Note1), EDITOR_EDITABLE, ""));
    classInfo->AddProperty(new TextProperty("Note 2", VP_MEMBER(m_Note2), EDITOR_EDITABLE, ""));
    classInfo->AddProperty(new TextProperty("Note 3", VP_MEMBER(m_Note3), EDITOR_EDITABLE, ""));
    classInfo->AddProperty(new TextProperty("Note 4", VP_MEMBER(m_Note4), EDITOR_EDITABLE, ""));
    classInfo->AddProperty(new TextProperty("Note 5", VP_MEMBER(m_Note5), EDITOR_EDITABLE, ""));
    classInfo->AddProperty(new UnsignedIntProperty("Power-Ups/Additional Chance Of Getting Conditional Extra Life",
                                                   VP_MEMBER(m_AdditionalChanceOfConditionalExtraLife), EDITOR_EDITABLE,
                                                   0, nullptr, 0, 0));
}

CBrickLayout::CBrickLayout()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickLayout::~CBrickLayout()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickLayout::GiveAutomaticPowerUps(CSprite*)
{
}

void CBrickLayout::CaptureThumbnail(bool)
{
}

uint32_t CBrickLayout::TotalPowerUpWeight() const
{
    const size_t kinds = std::min<size_t>(GetPowerUpLibrary().GetCount(), m_PowerUpChances.size());
    uint64_t total = 0;
    for (size_t i = 1; i < kinds; i++)
        total += m_PowerUpChances[i];
    return static_cast<uint32_t>(std::min<uint64_t>(total, std::numeric_limits<uint32_t>::max()));
}

int32_t CBrickLayout::PickPowerUp(uint32_t r) const
{
    const size_t kinds = std::min<size_t>(GetPowerUpLibrary().GetCount(), m_PowerUpChances.size());
    uint64_t sum = 0;
    for (size_t i = 1; i < kinds; i++)
    {
        sum += m_PowerUpChances[i];
        if (r < sum)
            return static_cast<int32_t>(i);
    }
    return 0;
}
