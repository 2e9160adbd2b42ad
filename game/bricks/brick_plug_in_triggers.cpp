#include "game/bricks/brick_plug_in_triggers.h"

#include <cmath>
#include <limits>

#include "engine/core/messages/message_type.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/object_pointer_property.h"
#include "engine/object/properties/unsigned_int_property.h"
#include "game/bricks/action.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_messages.h"
#include "game/bricks/brick_plug_in_waits.h"
#include "game/bricks/script_timing.h"

VP_IMPLEMENT_ABSTRACT_CLASS(CBrickPlugInTriggerAction, CBrickPlugIn, 1.0f)
VP_IMPLEMENT_CLASS(CBrickPlugInTriggerActionWhenDestroyed, CBrickPlugInTriggerAction, 1.0f)
VP_IMPLEMENT_CLASS(CBrickPlugInTriggerActionWhenHit, CBrickPlugInTriggerAction, 1.0f)
VP_IMPLEMENT_CLASS(CBrickPlugInTriggerActionEveryXSeconds, CBrickPlugInTriggerAction, 1.0f)

uint32_t RetriggerUpdates(float seconds)
{
    const double updates = std::nearbyint(static_cast<double>(seconds) * 60.0);
    if (!(updates > 0.0))
        return 0;
    constexpr double most = std::numeric_limits<uint32_t>::max();
    return updates >= most ? std::numeric_limits<uint32_t>::max() : static_cast<uint32_t>(updates);
}

void CBrickPlugInTriggerAction::RegisterProperties(CClassInfo*)
{
}

CBrickPlugInTriggerAction::CBrickPlugInTriggerAction()
    : m_pAction(nullptr)
{
    ConstructProperties(SGetClassInfo());
}

CBrickPlugInTriggerAction::~CBrickPlugInTriggerAction()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickPlugInTriggerAction::DrawEditorOverlay(EditorDrawContext& context)
{
    if (m_pAction != nullptr)
        m_pAction->DrawEditorOverlay(context.frame);
}

bool CBrickPlugInTriggerAction::ExecuteAction()
{
    if (m_pAction == nullptr)
        return false;
    bool handled = false;
    m_pAction->Execute(handled);
    return true;
}

namespace {

Property* NewActionProperty(CPropertyMember<CAction*> member)
{
    return new ObjectPointerProperty("Action", member, CAction::SGetClassInfo(), EDITOR_EDITABLE, nullptr);
}

} // namespace

void CBrickPlugInTriggerActionWhenDestroyed::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->SetCategory("Trigger Action");
    classInfo->AddProperty(NewActionProperty(VP_MEMBER(m_pAction)));
}

CBrickPlugInTriggerActionWhenDestroyed::CBrickPlugInTriggerActionWhenDestroyed()
{
    ConstructProperties(SGetClassInfo());
}

CBrickPlugInTriggerActionWhenDestroyed::~CBrickPlugInTriggerActionWhenDestroyed()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickPlugInTriggerActionWhenDestroyed::OnMessage(CMessage& message)
{
    if (message.GetTypeId() == GetBrickDestroyedMessageId())
        ExecuteAction();
}

void CBrickPlugInTriggerActionWhenHit::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->SetCategory("Trigger Action");
    classInfo->AddProperty(NewActionProperty(VP_MEMBER(m_pAction)));
    classInfo->AddProperty(new FloatProperty("Retrigger Disallow Time", "Seconds", VP_MEMBER(m_RetriggerDisallowTime),
                                             EDITOR_EDITABLE, 0.5f, nullptr, 0.0f, 1000000000.0f, 0.1f));
}

CBrickPlugInTriggerActionWhenHit::CBrickPlugInTriggerActionWhenHit()
    : m_RetriggerDisallowTime(0.5f)
    , m_RetriggerCountdown(0)
{
    ConstructProperties(SGetClassInfo());
}

CBrickPlugInTriggerActionWhenHit::~CBrickPlugInTriggerActionWhenHit()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickPlugInTriggerActionWhenHit::OnMessage(CMessage& message)
{
    if (message.GetTypeId() != CBrickHitByBallOrShotMessage::GetClassTypeId() || m_RetriggerCountdown != 0)
        return;
    if (!ExecuteAction())
        return;
    m_RetriggerCountdown = RetriggerUpdates(m_RetriggerDisallowTime);
    // The switch brick answers its own trigger firing.
    CBrickBase* owner = GetOwner();
    if (owner != nullptr)
    {
        CMessage triggered(GetTriggeredMessageId());
        owner->SendToPlugIns(triggered);
    }
}

void CBrickPlugInTriggerActionWhenHit::Update(PlugInStepRecord&)
{
    if (m_RetriggerCountdown > 0)
        m_RetriggerCountdown--;
}

void CBrickPlugInTriggerActionEveryXSeconds::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->SetCategory("Trigger Action");
    classInfo->AddProperty(new FloatProperty("Time To Wait", "Seconds", VP_MEMBER(m_TimeToWait), EDITOR_EDITABLE, 2.0f,
                                             nullptr, 0.0f, 9999999.0f, 0.1f));
    classInfo->AddProperty(NewActionProperty(VP_MEMBER(m_pAction)));
    auto* limit =
        new UnsignedIntProperty("Repeat Limit", VP_MEMBER(m_RepeatLimit), EDITOR_EDITABLE, 1, nullptr, 1, 9999999);
    limit->AddNamedValue(0, "Unlimited");
    limit->SetHelpText("This is how many times to trigger the action before signaling done (to a "
                       "sequence/simultaneous block)This repeat limit will also cause it to stop triggering if it is "
                       "a root plug-in for a brickIf this value is 0, it will never stop/signal done");
    classInfo->AddProperty(limit);
}

CBrickPlugInTriggerActionEveryXSeconds::CBrickPlugInTriggerActionEveryXSeconds()
    : m_TimeToWait(2.0f)
    , m_RepeatLimit(1)
    , m_UpdatesSinceStart(0)
    , m_RemainingTriggers(0)
    , m_Finished(true)
{
    ConstructProperties(SGetClassInfo());
}

CBrickPlugInTriggerActionEveryXSeconds::~CBrickPlugInTriggerActionEveryXSeconds()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickPlugInTriggerActionEveryXSeconds::Start(CSprite*)
{
    m_Finished = false;
    m_UpdatesSinceStart = 0;
    m_RemainingTriggers = m_RepeatLimit;
}

void CBrickPlugInTriggerActionEveryXSeconds::Update(PlugInStepRecord& record)
{
    if (!m_Finished)
    {
        m_UpdatesSinceStart++;
        if (ScriptTimeIsOver(m_TimeToWait, m_UpdatesSinceStart))
        {
            ExecuteAction();
            if (m_RemainingTriggers < 2 && m_RepeatLimit != 0)
            {
                m_Finished = true;
            }
            else
            {
                m_UpdatesSinceStart = 0;
                if (m_RemainingTriggers > 0)
                    m_RemainingTriggers--;
            }
        }
    }
    if (m_Finished)
        record.done = true;
}

void CBrickPlugInTriggerActionEveryXSeconds::GetDescription(CString& out, const char*) const
{
    if (m_TimeToWait == 0.0f)
    {
        CString count;
        count.Format("%u", m_RepeatLimit);
        out = "Trigger Action X Times.";
        out.ReplaceAll(CString("X"), count);
    }
    else
    {
        FormatSecondsDescription(out, "Trigger Action Every X Sec.", m_TimeToWait);
    }
}
