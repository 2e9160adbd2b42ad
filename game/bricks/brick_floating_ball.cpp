#include "game/bricks/brick_floating_ball.h"

#include "engine/core/localization/localized_string.h"
#include "game/bricks/brick_ball_release.h"
#include "game/playfield/ball_ai.h"

VP_IMPLEMENT_CLASS(CBrickFloatingBall, CBrickBasicDestructible, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetFloatingBall, CBrickStyleSheetBasicDestructible, 0.0f)

namespace {

CLocalizedString s_TextFloatingBall("Floating Ball", "The kind of brick that holds a ball and releases it when it breaks");

} // namespace

void CBrickFloatingBall::RegisterProperties(CClassInfo*)
{
}

CBrickFloatingBall::CBrickFloatingBall()
    : m_ReleaseVelocity{0.0f, 0.0f}
{
    ConstructProperties(SGetClassInfo());
}

CBrickFloatingBall::~CBrickFloatingBall()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickFloatingBall::OnAcidHit(AcidHitQuery& query)
{
    query.refuse = true;
}

const CString& CBrickFloatingBall::GetTypeDisplayName() const
{
    return s_TextFloatingBall.GetText();
}

bool CBrickFloatingBall::MustBeDestroyedToFinish() const
{
    return false;
}

CClassInfo* CBrickFloatingBall::GetStyleSheetClass() const
{
    return CBrickStyleSheetFloatingBall::SGetClassInfo();
}

int32_t CBrickFloatingBall::OnHit(CHitterOfBricks* hitter, const Vector2& normal)
{
    if (hitter != nullptr && hitter->IsKindOf(CBallAI::SGetClassInfo()))
        m_ReleaseVelocity = Vector2Scale(normal, -static_cast<CBallAI*>(hitter)->GetBaseSpeed());
    return 2;
}

int32_t CBrickFloatingBall::OnDestroyed(const BrickDestroyInfo& info)
{
    CBrickBasicDestructible::OnDestroyed(info);
    ReleaseBallAt(*this, m_ReleaseVelocity);
    return 0;
}

void CBrickStyleSheetFloatingBall::RegisterProperties(CClassInfo*)
{
}

CBrickStyleSheetFloatingBall::CBrickStyleSheetFloatingBall()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheetFloatingBall::~CBrickStyleSheetFloatingBall()
{
    DestroyProperties(SGetClassInfo());
}

CClassInfo* CBrickStyleSheetFloatingBall::GetBrickClass() const
{
    return CBrickFloatingBall::SGetClassInfo();
}
