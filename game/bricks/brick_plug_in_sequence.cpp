#include "game/bricks/brick_plug_in_sequence.h"

#include "engine/core/lists/named_value_list.h"
#include "engine/core/messages/message_type.h"
#include "engine/object/properties/array_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/object_pointer_property.h"
#include "engine/object/properties/unsigned_int_property.h"
#include "game/bricks/brick_messages.h"
#include "game/bricks/brick_base.h"
#include "game/playfield/game_sprite.h"

VP_IMPLEMENT_CLASS(CBrickPlugInSequence, CBrickPlugInProxy, 1.0f)

namespace {

const ArrayProperty* g_pStepsProperty = nullptr;

CNamedValueList& GetWhenDoneNames()
{
    static CNamedValueList names;
    if (names.GetCount() == 0)
    {
        names.Add("Repeat Sequence", CBrickPlugInSequence::REPEAT_SEQUENCE);
        names.Add("Stop", CBrickPlugInSequence::STOP);
    }
    return names;
}

} // namespace

void CBrickPlugInSequence::RegisterProperties(CClassInfo* classInfo)
{
    auto* steps = new ArrayProperty("Steps", VP_MEMBER(m_StepCount), VP_MEMBER(m_StepCapacity), VP_MEMBER(m_pSteps),
                                    "m_PlugIns", true,
                                    new ObjectPointerProperty("Step", ArrayElementMember<CBrickPlugIn*>(),
                                                              CBrickPlugIn::SGetClassInfo(), EDITOR_EDITABLE, nullptr),
                                    EDITOR_EDITABLE);
    g_pStepsProperty = steps;
    classInfo->AddProperty(steps);
    auto* current = new UnsignedIntProperty("Current Step Index", "0 based", VP_MEMBER(m_CurrentStep), EDITOR_HIDDEN,
                                            0, nullptr, 0, 0);
    current->SetOmitWhenDefault(true);
    classInfo->AddProperty(current);
    auto* whenDone = new LibraryItemProperty("When Done", VP_MEMBER(m_WhenDone), &GetWhenDoneNames(), EDITOR_EDITABLE,
                                             "Repeat Sequence", nullptr, false);
    whenDone->SetOmitWhenDefault(true);
    classInfo->AddProperty(whenDone);
}

CBrickPlugInSequence::CBrickPlugInSequence()
    : m_pSteps(nullptr)
    , m_StepCount(0)
    , m_StepCapacity(0)
    , m_CurrentStep(0)
    , m_WhenDone(REPEAT_SEQUENCE)
{
    ConstructProperties(SGetClassInfo());
}

CBrickPlugInSequence::~CBrickPlugInSequence()
{
    DestroyProperties(SGetClassInfo());
}

CBrickPlugIn* CBrickPlugInSequence::GetActiveChild(uint32_t) const
{
    return m_pSteps[m_CurrentStep];
}

void CBrickPlugInSequence::AddStep(CBrickPlugIn* step)
{
    *static_cast<CBrickPlugIn**>(g_pStepsProperty->AppendElement(this)) = step;
}

void CBrickPlugInSequence::RemoveStep(CBrickPlugIn* step)
{
    for (uint32_t i = 0; i < m_StepCount; i++)
    {
        if (m_pSteps[i] != step)
            continue;
        // A null slot deletes nothing when the array shrinks.
        m_pSteps[i] = nullptr;
        g_pStepsProperty->SetCount(this, m_StepCount - 1, static_cast<int32_t>(i));
        return;
    }
}

void CBrickPlugInSequence::Start(CSprite* sprite)
{
    m_CurrentStep = 0;
    if (m_StepCount > 0 && m_pSteps[0] != nullptr)
        m_pSteps[0]->Start(sprite);
}

void CBrickPlugInSequence::Advance()
{
    m_CurrentStep++;
    if (m_CurrentStep >= m_StepCount && m_WhenDone == REPEAT_SEQUENCE)
        m_CurrentStep = 0;
    if (m_CurrentStep < m_StepCount && m_pSteps[m_CurrentStep] != nullptr)
    {
        CBrickBase* owner = GetOwner();
        m_pSteps[m_CurrentStep]->Start(owner != nullptr ? owner->GetSprite() : nullptr);
    }
}

void CBrickPlugInSequence::Update(PlugInStepRecord& record)
{
    if (m_CurrentStep < m_StepCount && m_pSteps[m_CurrentStep] != nullptr)
        m_pSteps[m_CurrentStep]->Update(record);
    if (record.done)
    {
        record.done = false;
        Advance();
    }
    if (m_CurrentStep >= m_StepCount)
        record.done = true;
}

void CBrickPlugInSequence::OnMessage(CMessage& message)
{
    if (m_CurrentStep < m_StepCount && m_pSteps[m_CurrentStep] != nullptr)
        m_pSteps[m_CurrentStep]->OnMessage(message);
    if (message.GetTypeId() != GetAdvanceToNextItemInSequenceMessageId() || message.IsHandled())
        return;
    Advance();
    message.SetHandled(true);
}
