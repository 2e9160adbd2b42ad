#include "game/bricks/brick_rail.h"

#include <cmath>

#include "engine/app/sound/sound_list.h"
#include "engine/core/lists/named_value_list.h"
#include "engine/core/localization/localized_string.h"
#include "engine/core/maths/maths_tables.h"
#include "engine/core/color/color.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/bool_property.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "game/bricks/brick_editor_drawing.h"
#include "game/bricks/brick_first_part.h"
#include "game/bricks/brick_style_sheet_as.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite_part.h"
#include "game/playfield/sprite_sound.h"

VP_IMPLEMENT_CLASS(CBrickRail, CBrickBasicDestructible, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetRail, CBrickStyleSheetBasicDestructible, 0.0f)

namespace {

CLocalizedString s_TextRail("Rail Brick", "The kind of brick that a hit sets sliding until it leaves the play area");

CNamedValueList& GetMoveDirectionNames()
{
    static CNamedValueList names;
    if (names.GetCount() == 0)
    {
        names.Add("Move Left", CBrickStyleSheetRail::MOVE_LEFT);
        names.Add("Move Right", CBrickStyleSheetRail::MOVE_RIGHT);
        names.Add("Move Up", CBrickStyleSheetRail::MOVE_UP);
        names.Add("Move Down", CBrickStyleSheetRail::MOVE_DOWN);
        names.Add("Move By Side Hit", CBrickStyleSheetRail::MOVE_BY_SIDE_HIT);
        names.Add("Move By Collision Normal", CBrickStyleSheetRail::MOVE_BY_COLLISION_NORMAL);
        names.Add("Move In Direction Art Is Facing", CBrickStyleSheetRail::MOVE_IN_DIRECTION_ART_IS_FACING);
    }
    return names;
}

// Built by a static initialiser, so the table exists before any class
// registers against it.
[[maybe_unused]] CNamedValueList& g_MoveDirectionNames = GetMoveDirectionNames();

// The editor's arrows grow from nothing at the start of every cycle of
// this many frames to this many brick steps.
constexpr int32_t kArrowCycle = 120;
constexpr float kArrowSteps = 4.0f;
constexpr float kArrowTurnFrames = 60.0f;

} // namespace

void CBrickRail::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new FloatProperty("Move Speed", "Bricks per step", VP_MEMBER(m_MoveSpeed), EDITOR_EDITABLE,
                                             0.35f, nullptr, 0.0f, 0.0f, 0.05f));
}

CBrickRail::CBrickRail()
    : m_Sliding(false)
    , m_SlideVelocity{0.0f, 0.0f}
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickRail::~CBrickRail()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickRail::OnAcidHit(AcidHitQuery&)
{
    StartMoving({0.0f, 1.0f});
}

void CBrickRail::DrawEditorOverlay(EditorDrawContext& context)
{
    CBrickBasicDestructible::DrawEditorOverlay(context);
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetRail>(*this);
    if (!context.selected || styleSheet == nullptr || m_MoveSpeed == 0.0f || context.frame == nullptr ||
        context.sprite == nullptr)
        return;
    static const CColor kArrow(0, 0, 255, 255);
    const int32_t growFrames = static_cast<int32_t>(kArrowSteps / m_MoveSpeed + 1.0f);
    const int32_t inCycle = context.editorCounter % kArrowCycle;
    const float steps = inCycle >= 0 && inCycle < growFrames
                            ? static_cast<float>(inCycle) * kArrowSteps / static_cast<float>(growFrames)
                            : kArrowSteps;
    const Vector2 across{steps * kBrickStepX, 0.0f};
    const Vector2 down{0.0f, steps * kBrickStepY};
    const Vector2& at = context.sprite->m_Position;
    auto arrow = [&](const Vector2& vector) { DrawArrow(*context.frame, at, vector, kArrow); };
    switch (styleSheet->m_MoveDirection)
    {
    case CBrickStyleSheetRail::MOVE_BY_SIDE_HIT:
        arrow(Vector2Scale(across, -1.0f));
        arrow(across);
        arrow(Vector2Scale(down, -1.0f));
        arrow(down);
        break;
    case CBrickStyleSheetRail::MOVE_BY_COLLISION_NORMAL:
    case CBrickStyleSheetRail::MOVE_IN_DIRECTION_ART_IS_FACING:
    {
        float sine = 0.0f;
        float cosine = 0.0f;
        FastSinCos(-static_cast<float>(context.editorCounter) / kArrowTurnFrames, sine, cosine);
        arrow({cosine * across.x, sine * down.y});
        break;
    }
    default:
    {
        const Vector2 direction = SlideDirection({0.0f, 0.0f});
        arrow({direction.x * across.x, direction.y * down.y});
        break;
    }
    }
}

const CString& CBrickRail::GetTypeDisplayName() const
{
    return s_TextRail.GetText();
}

bool CBrickRail::CanBeMovedByPlugIns() const
{
    return !m_Sliding;
}

bool CBrickRail::MustBeDestroyedToFinish() const
{
    return true;
}

CClassInfo* CBrickRail::GetStyleSheetClass() const
{
    return CBrickStyleSheetRail::SGetClassInfo();
}

void CBrickRail::ApplyStyleSheet()
{
    m_Sliding = false;
    CBrickBasicDestructible::ApplyStyleSheet();
}

void CBrickRail::UpdateAppearance()
{
    if (m_Sliding && !IsDestroyed())
    {
        Move(m_SlideVelocity, true, true);
        const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetRail>(*this);
        CPlayfield* playfield = GetPlayfield();
        if (styleSheet != nullptr && styleSheet->m_MovingParticleGen != 0 && playfield != nullptr && !IsDestroyed())
            playfield->SpawnBreakParticles(GetSprite(), styleSheet->m_MovingParticleGen, nullptr);
    }
    CBrickBasicDestructible::UpdateAppearance();
}

int32_t CBrickRail::OnHit(CHitterOfBricks*, const Vector2& normal)
{
    StartMoving(normal);
    return 0;
}

void CBrickRail::OnPushedByBrick(CBrickBase* pusher, const Vector2& motion, bool hard)
{
    if (!hard)
        return;
    if (!m_Sliding)
    {
        const float length = Vector2Length(motion);
        const Vector2 reversed = Vector2Scale(motion, -1.0f);
        StartMoving(length > 0.0f ? Vector2Scale(reversed, 1.0f / length) : reversed);
    }
    pusher->Destroy(BrickDestroyInfo{this, false});
}

void CBrickRail::PushBrick(CBrickBase* other, Vector2& allowed, bool hard)
{
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetRail>(*this);
    if (!m_Sliding || (styleSheet != nullptr && styleSheet->m_ShoveBricks))
    {
        CBrickBasicDestructible::PushBrick(other, allowed, hard);
        return;
    }
    other->Destroy(BrickDestroyInfo{this, false});
}

void CBrickRail::OnCountdownExpired()
{
    if (!m_Sliding)
        CBrickBasicDestructible::OnCountdownExpired();
}

Vector2 CBrickRail::SlideDirection(const Vector2& q) const
{
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetRail>(*this);
    if (styleSheet == nullptr)
        return {0.0f, 0.0f};
    switch (styleSheet->m_MoveDirection)
    {
    case CBrickStyleSheetRail::MOVE_LEFT:
        return {-1.0f, 0.0f};
    case CBrickStyleSheetRail::MOVE_RIGHT:
        return {1.0f, 0.0f};
    case CBrickStyleSheetRail::MOVE_UP:
        return {0.0f, -1.0f};
    case CBrickStyleSheetRail::MOVE_DOWN:
        return {0.0f, 1.0f};
    case CBrickStyleSheetRail::MOVE_BY_SIDE_HIT:
        if (std::fabs(q.y) < std::fabs(q.x))
            return {q.x > 0.0f ? -1.0f : 1.0f, 0.0f};
        return {0.0f, q.y > 0.0f ? -1.0f : 1.0f};
    case CBrickStyleSheetRail::MOVE_BY_COLLISION_NORMAL:
        return Vector2Scale(q, -1.0f);
    case CBrickStyleSheetRail::MOVE_IN_DIRECTION_ART_IS_FACING:
    {
        const CSpritePart* part = GetFirstPart(*this);
        const float progress = part != nullptr ? static_cast<float>(part->GetProgress()) : 0.0f;
        float sine = 0.0f;
        float cosine = 0.0f;
        FastSinCos(kTwoPi * progress, sine, cosine);
        return {-sine, -cosine};
    }
    default:
        return {0.0f, 0.0f};
    }
}

void CBrickRail::StartMoving(const Vector2& q)
{
    const Vector2 direction = SlideDirection(q);
    const Vector2 velocity{m_MoveSpeed * kBrickStepX * direction.x, m_MoveSpeed * kBrickStepY * direction.y};
    // A slide going nowhere would keep the brick from its countdown and
    // bounce every hit for ever, yet it never leaves: it does not start.
    if (velocity.x == 0.0f && velocity.y == 0.0f)
        return;
    if (const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetRail>(*this))
    {
        ShowOnFirstPart(*this, styleSheet->m_MovingSequence, PartStart::AtRandom);
        PlaySpriteSound(styleSheet->m_StartMoveSound);
    }
    m_SlideVelocity = velocity;
    m_Sliding = true;
}

void CBrickStyleSheetRail::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Particles/Moving Particle Gen", VP_MEMBER(m_MovingParticleGen),
                                                   &GetParticleGeneratorList(), EDITOR_EDITABLE, "!None", nullptr,
                                                   false));
    classInfo->AddProperty(new LibraryItemProperty("Moving Sequence", VP_MEMBER(m_MovingSequence), &GetSequenceList(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new LibraryItemProperty("Start Move Sound", VP_MEMBER(m_StartMoveSound), &GetSoundList(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new LibraryItemProperty("Move Direction", VP_MEMBER(m_MoveDirection),
                                                   &GetMoveDirectionNames(), EDITOR_EDITABLE, "Move Left", nullptr,
                                                   false));
    classInfo->AddProperty(new BoolProperty("Shove Bricks (Not Destroy)", VP_MEMBER(m_ShoveBricks), EDITOR_EDITABLE,
                                            false, nullptr));
}

CBrickStyleSheetRail::CBrickStyleSheetRail()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheetRail::~CBrickStyleSheetRail()
{
    DestroyProperties(SGetClassInfo());
}

CClassInfo* CBrickStyleSheetRail::GetBrickClass() const
{
    return CBrickRail::SGetClassInfo();
}
