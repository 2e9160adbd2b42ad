#include "game/bricks/brick_plug_in_simultaneous.h"

#include <utility>

#include "engine/object/properties/array_property.h"
#include "engine/object/properties/object_pointer_property.h"

VP_IMPLEMENT_CLASS(CBrickPlugInSimultaneous, CBrickPlugInProxy, 1.0f)

namespace {

const ArrayProperty& PlugInsProperty()
{
    static const ArrayProperty* property = static_cast<const ArrayProperty*>(
        CBrickPlugInSimultaneous::SGetClassInfo()->FindProperty("Simultaneous PlugIns"));
    return *property;
}

} // namespace

void CBrickPlugInSimultaneous::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(
        new ArrayProperty("Simultaneous PlugIns", VP_MEMBER(m_PlugInCount), VP_MEMBER(m_PlugInCapacity),
                          VP_MEMBER(m_pPlugIns), "m_PlugIns", true,
                          new ObjectPointerProperty("Simultaneous PlugIn", ArrayElementMember<CBrickPlugIn*>(),
                                                    CBrickPlugIn::SGetClassInfo(), EDITOR_EDITABLE, nullptr),
                          EDITOR_EDITABLE));
}

CBrickPlugInSimultaneous::CBrickPlugInSimultaneous()
    : m_pPlugIns(nullptr)
    , m_PlugInCount(0)
    , m_PlugInCapacity(0)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickPlugInSimultaneous::~CBrickPlugInSimultaneous()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickPlugInSimultaneous::AddPlugIn(CBrickPlugIn* plugIn)
{
    Append(plugIn);
    if (plugIn != nullptr)
        plugIn->SetOwner(GetOwner());
}

void CBrickPlugInSimultaneous::Append(CBrickPlugIn* plugIn)
{
    *static_cast<CBrickPlugIn**>(PlugInsProperty().AppendElement(this)) = plugIn;
}

void CBrickPlugInSimultaneous::RemovePlugIn(CBrickPlugIn* plugIn)
{
    for (uint32_t i = 0; i < m_PlugInCount; i++)
    {
        if (m_pPlugIns[i] != plugIn)
            continue;
        // Emptied first, so removing the entry deletes nothing.
        m_pPlugIns[i] = nullptr;
        PlugInsProperty().SetCount(this, m_PlugInCount - 1, static_cast<int32_t>(i));
        return;
    }
}

void CBrickPlugInSimultaneous::DeleteAllChildren()
{
    for (uint32_t i = m_PlugInCount; i-- > 0;)
    {
        delete m_pPlugIns[i];
        m_pPlugIns[i] = nullptr;
    }
    PlugInsProperty().SetCount(this, 0);
}

void CBrickPlugInSimultaneous::ReplaceAll(CBrickPlugIn* plugIn)
{
    DeleteAllChildren();
    if (plugIn == nullptr)
        return;
    if (!plugIn->IsKindOf(SGetClassInfo()))
    {
        Append(plugIn);
        return;
    }
    auto* given = static_cast<CBrickPlugInSimultaneous*>(plugIn);
    std::swap(m_pPlugIns, given->m_pPlugIns);
    std::swap(m_PlugInCount, given->m_PlugInCount);
    std::swap(m_PlugInCapacity, given->m_PlugInCapacity);
    delete given;
}
