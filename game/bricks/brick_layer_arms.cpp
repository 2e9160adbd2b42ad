#include "game/bricks/brick_layer_arms.h"

#include "engine/object/properties/array_property.h"
#include "engine/object/properties/object_pointer_property.h"
#include "game/bricks/brick_layer_arm.h"
#include "game/bricks/brick_layer_rules.h"
#include "game/bricks/brick_layout.h"
#include "game/playfield/playfield.h"

VP_IMPLEMENT_CLASS(CBrickLayerArms, CBrickLayer, 1.0f)

namespace {

const ArrayProperty& ArmListProperty()
{
    return *static_cast<const ArrayProperty*>(CBrickLayerArms::SGetClassInfo()->FindProperty("Arms"));
}

} // namespace

void CBrickLayerArms::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(
        new ArrayProperty("Arms", VP_MEMBER(m_ArmCount), VP_MEMBER(m_ArmCapacity), VP_MEMBER(m_pArms), "m_Arms", true,
                          new ObjectPointerProperty("Arm", ArrayElementMember<CBrickLayerArm*>(),
                                                    CBrickLayerArm::SGetClassInfo(), EDITOR_EDITABLE, nullptr),
                          EDITOR_EDITABLE));
}

CBrickLayerArms::CBrickLayerArms()
    : m_Laying(false)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickLayerArms::~CBrickLayerArms()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickLayerArms::AppendArm(CBrickLayerArm* arm)
{
    *static_cast<CBrickLayerArm**>(ArmListProperty().AppendElement(this)) = arm;
}

void CBrickLayerArms::Start(CBrickLayout* round)
{
    m_Laying = true;
    round->InstantiateForPlay(true);
    for (uint32_t i = 0; i < m_ArmCount; i++)
    {
        if (m_pArms[i] != nullptr)
            m_pArms[i]->Start(round);
    }
}

void CBrickLayerArms::Update()
{
    if (!m_Laying)
        return;
    bool anyLaying = false;
    for (uint32_t i = 0; i < m_ArmCount; i++)
    {
        CBrickLayerArm* arm = m_pArms[i];
        if (arm != nullptr && arm->IsLaying())
        {
            arm->Update();
            anyLaying = anyLaying || arm->IsLaying();
        }
    }
    if (!anyLaying)
        EndLaying();
}

void CBrickLayerArms::Draw(CFrameInterface* frame)
{
    for (uint32_t i = 0; i < m_ArmCount; i++)
    {
        if (m_pArms[i] != nullptr)
            m_pArms[i]->Draw(frame);
    }
}

bool CBrickLayerArms::IsLaying() const
{
    for (uint32_t i = 0; i < m_ArmCount; i++)
    {
        if (m_pArms[i] != nullptr && m_pArms[i]->IsLaying())
            return true;
    }
    return false;
}

void CBrickLayerArms::FinishNow()
{
    if (!m_Laying)
        return;
    for (uint32_t i = 0; i < m_ArmCount; i++)
    {
        if (m_pArms[i] != nullptr)
            m_pArms[i]->FinishNow();
    }
    EndLaying();
}

void CBrickLayerArms::EndLaying()
{
    m_Laying = false;
    CPlayfield* playfield = GetPlayfield();
    RevealAllLaidBricks(*playfield->m_pBricks);
    playfield->BeginPlay();
}
