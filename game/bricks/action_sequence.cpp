#include "game/bricks/action_sequence.h"

#include <utility>

#include "engine/core/lists/named_value_list.h"
#include "engine/core/maths/random_r250.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/unit_converter.h"
#include "engine/object/properties/unsigned_int_property.h"

VP_IMPLEMENT_CLASS(CActionSequence, CActionMultipleActions, 2.0f)
VP_IMPLEMENT_CLASS(CActionShuffledSequence, CActionSequence, 2.0f)

namespace {

CNamedValueList& GetWhenDoneNames()
{
    static CNamedValueList names;
    if (names.GetCount() == 0)
    {
        names.Add("Repeat Sequence", CActionSequence::REPEAT_SEQUENCE);
        names.Add("Repeat Last Action", CActionSequence::REPEAT_LAST_ACTION);
        names.Add("Do Nothing", CActionSequence::DO_NOTHING);
    }
    return names;
}

// Built by a static initialiser, so the table exists before any class
// registers against it.
[[maybe_unused]] CNamedValueList& g_WhenDoneNames = GetWhenDoneNames();

} // namespace

void CActionSequence::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->SetHelpText("Execute a different action each time this action is executed.  The action are done in "
                           "sequential order");
    auto* next = new UnsignedIntProperty("Debug/Next Action Index", VP_MEMBER(m_NextIndex), EDITOR_READ_ONLY, 0,
                                         nullptr, 0, 0);
    next->SetConverter(&g_OneBasedConverter);
    classInfo->AddProperty(next);
    classInfo->AddProperty(new LibraryItemProperty("When Done", VP_MEMBER(m_WhenDone), &GetWhenDoneNames(),
                                                   EDITOR_EDITABLE, "Repeat Sequence", nullptr, false));
}

CActionSequence::CActionSequence()
    : m_NextIndex(0)
    , m_WhenDone(REPEAT_SEQUENCE)
{
    ConstructProperties(SGetClassInfo());
}

CActionSequence::~CActionSequence()
{
    DestroyProperties(SGetClassInfo());
}

void CActionSequence::OnNewCycle()
{
}

void CActionSequence::DoExecute(bool& handled)
{
    // A list without children has nothing to run, whatever "When Done" says.
    if (m_Count == 0)
        return;
    if (m_NextIndex >= m_Count)
    {
        if (m_WhenDone == REPEAT_SEQUENCE)
            m_NextIndex = 0;
        else if (m_WhenDone == REPEAT_LAST_ACTION)
            m_NextIndex = m_Count - 1;
        else
            return;
    }
    if (m_NextIndex == 0)
        OnNewCycle();
    if (m_pActions[m_NextIndex] != nullptr)
        m_pActions[m_NextIndex]->Execute(handled);
    m_NextIndex++;
}

void CActionShuffledSequence::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->SetHelpText(
        "Execute a different action each time this action is executed.  The action are done in RANDOM order.  An "
        "action is never called twice in a row and no action is called a second time until all the action have been "
        "called at least once.  This does not truely pick any action at random.  Instead it does each action in a "
        "random order.");
}

CActionShuffledSequence::CActionShuffledSequence()
{
    ConstructProperties(SGetClassInfo());
}

CActionShuffledSequence::~CActionShuffledSequence()
{
    DestroyProperties(SGetClassInfo());
}

void CActionShuffledSequence::OnNewCycle()
{
    for (uint32_t i = 0; i < m_Count; i++)
        std::swap(m_pActions[i], m_pActions[GameRandom().Below(m_Count)]);
}
