// The editor's conversions between action kinds: wrap an action in a list
// of simultaneous actions, unwrap a list of one back to its action, and turn
// one kind of list into another keeping its children. Each converter is a
// static object that links itself into the object model's list; the
// property editor offers every one that answers a label. The kind tests
// compare exact classes, so a shuffled sequence may become a plain sequence
// and back.

#include "engine/object/editor_hooks.h"
#include "engine/object/object_converter.h"
#include "game/bricks/action_multiple_actions.h"
#include "game/bricks/action_sequence.h"

namespace {

// Deletes an object that the property window may still remember.
void DeleteConverted(CObject* object)
{
    GetEditorHooks().ForgetObjectInPropertyHistory(object);
    delete object;
}

class CWrapInSimultaneousConverter : public CObjectConverter
{
public:
    const char* GetLabel(CObject* object, CClassInfo*& resultClass) override
    {
        if (object == nullptr || !object->IsKindOf(CAction::SGetClassInfo()) ||
            object->GetClassInfo() == CActionSimultaneousActions::SGetClassInfo())
            return nullptr;
        resultClass = CActionMultipleActions::SGetClassInfo();
        ConverterLabel().Format("Simultaneous Actions(%s, ...)", object->GetClassInfo()->GetNameWithoutPrefix());
        return ConverterLabel().GetText();
    }

    CObject* Convert(CObject* object) override
    {
        auto* wrapper = new CActionSimultaneousActions();
        wrapper->SetDefaults();
        wrapper->AddAction(static_cast<CAction*>(object));
        return wrapper;
    }
};

class CUnwrapSingleConverter : public CObjectConverter
{
public:
    const char* GetLabel(CObject* object, CClassInfo*& resultClass) override
    {
        if (object == nullptr || !object->IsKindOf(CActionMultipleActions::SGetClassInfo()))
            return nullptr;
        const auto* list = static_cast<CActionMultipleActions*>(object);
        if (list->GetChildCount() >= 2)
            return nullptr;
        const CAction* first = list->GetChildCount() > 0 ? list->GetChild(0) : nullptr;
        if (first == nullptr)
        {
            resultClass = CAction::SGetClassInfo();
            return "Single Action";
        }
        resultClass = first->GetClassInfo();
        CString kind;
        resultClass->GetDisplayName(kind, "Action");
        ConverterLabel().Format("Single %s action", kind.GetText());
        return ConverterLabel().GetText();
    }

    CObject* Convert(CObject* object) override
    {
        auto* list = static_cast<CActionMultipleActions*>(object);
        CAction* first = list->GetChildCount() > 0 ? list->TakeChild(0) : nullptr;
        DeleteConverted(list);
        return first;
    }
};

// Turns any list of actions into a list of the given exact class, keeping
// the children.
class CListKindConverter : public CObjectConverter
{
public:
    CListKindConverter(CClassInfo* (*resultClass)(), const char* fixedLabel)
        : m_pResultClass(resultClass)
        , m_pFixedLabel(fixedLabel)
    {
    }

    const char* GetLabel(CObject* object, CClassInfo*& resultClass) override
    {
        if (object == nullptr || !object->IsKindOf(CActionMultipleActions::SGetClassInfo()) ||
            object->GetClassInfo() == m_pResultClass())
            return nullptr;
        resultClass = m_pResultClass();
        return m_pFixedLabel != nullptr ? m_pFixedLabel : resultClass->GetNameWithoutPrefix();
    }

    CObject* Convert(CObject* object) override
    {
        CObject* converted = m_pResultClass()->CreateObject();
        converted->SetDefaults();
        converted->CopyFrom(*object);
        DeleteConverted(object);
        return converted;
    }

private:
    CClassInfo* (*m_pResultClass)();
    const char* m_pFixedLabel;
};

CWrapInSimultaneousConverter g_WrapInSimultaneous;
CUnwrapSingleConverter g_UnwrapSingle;
CListKindConverter g_ToSimultaneous(&CActionSimultaneousActions::SGetClassInfo, "Simultaneous Actions");
CListKindConverter g_ToSequence(&CActionSequence::SGetClassInfo, nullptr);
CListKindConverter g_ToShuffledSequence(&CActionShuffledSequence::SGetClassInfo, nullptr);
CListKindConverter g_ToRandom(&CActionRandomAction::SGetClassInfo, nullptr);

} // namespace
