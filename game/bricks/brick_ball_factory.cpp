#include "game/bricks/brick_ball_factory.h"

#include "engine/app/sound/sound_list.h"
#include "engine/core/localization/localized_string.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/unsigned_int_property.h"
#include "game/bricks/brick_ball_release.h"
#include "game/bricks/brick_first_part.h"
#include "game/bricks/brick_style_sheet_as.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/sprite_part.h"
#include "game/playfield/sprite_sound.h"

VP_IMPLEMENT_CLASS(CBrickBallFactory, CBrickBasicDestructible, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetBallFactory, CBrickStyleSheetBasicDestructible, 0.0f)

namespace {

CLocalizedString s_TextBallFactory("Ball Factory",
                                   "The kind of brick that releases a new ball at each hit and breaks with the last");

} // namespace

void CBrickBallFactory::RegisterProperties(CClassInfo*)
{
}

CBrickBallFactory::CBrickBallFactory()
    : m_BallsLeft(0)
    , m_Generating(false)
{
    ConstructProperties(SGetClassInfo());
}

CBrickBallFactory::~CBrickBallFactory()
{
    DestroyProperties(SGetClassInfo());
}

const CString& CBrickBallFactory::GetTypeDisplayName() const
{
    return s_TextBallFactory.GetText();
}

bool CBrickBallFactory::MustBeDestroyedToFinish() const
{
    return false;
}

CClassInfo* CBrickBallFactory::GetStyleSheetClass() const
{
    return CBrickStyleSheetBallFactory::SGetClassInfo();
}

void CBrickBallFactory::ApplyStyleSheet()
{
    CBrickBasicDestructible::ApplyStyleSheet();
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetBallFactory>(*this);
    m_BallsLeft = styleSheet != nullptr ? styleSheet->m_NumberOfBallsToGenerate : 0;
}

void CBrickBallFactory::UpdateAppearance()
{
    if (!m_Generating)
    {
        CBrickBasicDestructible::UpdateAppearance();
        return;
    }
    CSpritePart* part = GetFirstPart(*this);
    if (part == nullptr || part->AdvanceOnce())
    {
        const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetBallFactory>(*this);
        if (styleSheet != nullptr)
            ShowOnFirstPart(*this, styleSheet->m_PrimarySequence, PartStart::AtRandom);
        m_Generating = false;
    }
}

int32_t CBrickBallFactory::OnHit(CHitterOfBricks* hitter, const Vector2& normal)
{
    if (m_Generating)
        return 0;
    // A factory told to make no balls breaks at its first hit; counting
    // down from 0 would wrap round and release a ball at every hit for
    // ever.
    if (m_BallsLeft == 0)
        return 2;
    ReleaseBall(hitter, normal);
    return m_BallsLeft == 0 ? 2 : 1;
}

void CBrickBallFactory::ReleaseBall(CHitterOfBricks* hitter, const Vector2& normal)
{
    if (m_BallsLeft != 0)
        m_BallsLeft--;
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetBallFactory>(*this);
    if (styleSheet != nullptr)
    {
        ShowOnFirstPart(*this, styleSheet->m_GenerateSeq, PartStart::FromStart);
        PlaySpriteSound(styleSheet->m_GenerateSound);
    }
    m_Generating = true;
    Vector2 velocity = Vector2Scale(normal, -1.0f);
    if (const CBallAI* source = GetReleaseSpeedSource(hitter))
        velocity = Vector2Scale(velocity, source->GetBaseSpeed());
    ReleaseBallAt(*this, velocity);
}

void CBrickStyleSheetBallFactory::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new UnsignedIntProperty("Number of Balls to Generate", VP_MEMBER(m_NumberOfBallsToGenerate),
                                                   EDITOR_EDITABLE, 5, nullptr, 0, 0));
    classInfo->AddProperty(new LibraryItemProperty("Generate Sound", VP_MEMBER(m_GenerateSound), &GetSoundList(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new LibraryItemProperty("Generate Seq", VP_MEMBER(m_GenerateSeq), &GetSequenceList(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
}

CBrickStyleSheetBallFactory::CBrickStyleSheetBallFactory()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheetBallFactory::~CBrickStyleSheetBallFactory()
{
    DestroyProperties(SGetClassInfo());
}

CClassInfo* CBrickStyleSheetBallFactory::GetBrickClass() const
{
    return CBrickBallFactory::SGetClassInfo();
}
