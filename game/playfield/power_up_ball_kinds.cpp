#include "game/playfield/power_up_ball_kinds.h"

#include "engine/object/properties/float_property.h"
#include "engine/object/properties/object_pointer_property.h"
#include "engine/object/properties/unsigned_int_property.h"
#include "game/playfield/ball_plug_in.h"
#include "game/playfield/playfield_hooks.h"
#include "game/playfield/power_up_targets.h"
#include "game/playfield/sprite_sound.h"

VP_IMPLEMENT_CLASS(CPowerUpSlow, CPowerUpBase, 0.0f)
VP_IMPLEMENT_CLASS(CPowerUpFast, CPowerUpBase, 0.0f)
VP_IMPLEMENT_CLASS(CPowerUpSplitBall, CPowerUpBase, 0.0f)
VP_IMPLEMENT_CLASS(CPowerUpNormalBall, CPowerUpBase, 0.0f)
VP_IMPLEMENT_CLASS(CPowerUpSmallBall, CPowerUpBase, 0.0f)
VP_IMPLEMENT_CLASS(CPowerUpAddPlugInToBall, CPowerUpBase, 0.0f)

namespace {

// The speed kinds show a factor; their unit text says it is one of speed.
FloatProperty* NewSpeedProperty(CPropertyMember<float> member, float defaultValue, float minimum, float maximum)
{
    return new FloatProperty("New Speed", "%", member, EDITOR_EDITABLE, defaultValue, nullptr, minimum, maximum, 0.01f);
}

void MultiplyBallSpeeds(float factor)
{
    GetPlayfieldHooks().FlashSpeedNumber();
    ForEachBallInPlay([factor](CBallAI* ball) { ball->MultiplySpeed(factor); });
}

} // namespace

void AddPlugInCopyToEveryBall(const CBallPlugIn* plugIn)
{
    if (plugIn == nullptr)
        return;
    ForEachBallInPlay(
        [plugIn](CBallAI* ball) { ball->AddPlugIn(static_cast<CBallPlugIn*>(plugIn->CreateSameClass())); });
}

void CPowerUpSlow::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(NewSpeedProperty(VP_MEMBER(m_NewSpeed), 0.74f, 0.1f, 1.0f));
}

CPowerUpSlow::CPowerUpSlow()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CPowerUpSlow::~CPowerUpSlow()
{
    DestroyProperties(SGetClassInfo());
}

void CPowerUpSlow::Activate(const PowerUpCollectContext& context)
{
    CPowerUpBase::Activate(context);
    MultiplyBallSpeeds(m_NewSpeed);
}

void CPowerUpFast::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(NewSpeedProperty(VP_MEMBER(m_NewSpeed), 1.35f, 1.0f, 3.0f));
}

CPowerUpFast::CPowerUpFast()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CPowerUpFast::~CPowerUpFast()
{
    DestroyProperties(SGetClassInfo());
}

void CPowerUpFast::Activate(const PowerUpCollectContext& context)
{
    CPowerUpBase::Activate(context);
    MultiplyBallSpeeds(m_NewSpeed);
}

void CPowerUpSplitBall::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new UnsignedIntProperty("New Ball Count", "Balls", VP_MEMBER(m_NewBallCount),
                                                   EDITOR_EDITABLE, 3, nullptr, 2, 9999));
}

CPowerUpSplitBall::CPowerUpSplitBall()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CPowerUpSplitBall::~CPowerUpSplitBall()
{
    DestroyProperties(SGetClassInfo());
}

void CPowerUpSplitBall::Activate(const PowerUpCollectContext& context)
{
    CSprite* first = GetPlayfield()->m_pBallsInPlay->GetHead();
    CBallAI* ball = first != nullptr ? FirstBehaviourAs<CBallAI>(first) : nullptr;
    // Nothing to split: the player hears the plain score sound instead of
    // the kind's own.
    if (ball == nullptr)
    {
        GiveFeedback(context, kScoreSound);
        return;
    }
    GiveFeedback(context, kActivationSound);
    PlaySpriteSound("Multiply 8.wav");
    ball->SplitBall(m_NewBallCount, -1, 0);
}

void CPowerUpNormalBall::RegisterProperties(CClassInfo*)
{
}

CPowerUpNormalBall::CPowerUpNormalBall()
{
    ConstructProperties(SGetClassInfo());
}

CPowerUpNormalBall::~CPowerUpNormalBall()
{
    DestroyProperties(SGetClassInfo());
}

void CPowerUpNormalBall::Activate(const PowerUpCollectContext& context)
{
    CPowerUpBase::Activate(context);
    if (!IsRoundCleared())
        ForEachBallInPlay([](CBallAI* ball) { ball->RemoveAllPlugIns(); });
}

void CPowerUpSmallBall::RegisterProperties(CClassInfo*)
{
}

CPowerUpSmallBall::CPowerUpSmallBall()
{
    ConstructProperties(SGetClassInfo());
}

CPowerUpSmallBall::~CPowerUpSmallBall()
{
    DestroyProperties(SGetClassInfo());
}

void CPowerUpSmallBall::Activate(const PowerUpCollectContext& context)
{
    CPowerUpBase::Activate(context);
    if (!IsRoundCleared())
        ForEachBallInPlay([](CBallAI* ball) { ball->MakeSmall(); });
}

void CPowerUpAddPlugInToBall::RegisterProperties(CClassInfo* classInfo)
{
    ObjectPointerProperty* plugIn = new ObjectPointerProperty("Plug-In to add to balls", VP_MEMBER(m_pPlugInToAdd),
                                                              CBallPlugIn::SGetClassInfo(), EDITOR_EDITABLE, nullptr);
    plugIn->SetAllowNone(true);
    classInfo->AddProperty(plugIn);
}

CPowerUpAddPlugInToBall::CPowerUpAddPlugInToBall()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CPowerUpAddPlugInToBall::~CPowerUpAddPlugInToBall()
{
    DestroyProperties(SGetClassInfo());
}

void CPowerUpAddPlugInToBall::Activate(const PowerUpCollectContext& context)
{
    CPowerUpBase::Activate(context);
    if (!IsRoundCleared())
        AddPlugInCopyToEveryBall(m_pPlugInToAdd);
}
