#include "game/bricks/advance_to_next_item_in_sequence.h"

#include "engine/core/messages/message_type.h"
#include "engine/object/properties/nested_object_property.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_messages.h"
#include "game/playfield/playfield.h"

VP_IMPLEMENT_CLASS(CAdvanceToNextItemInSequence, CAction, 1.0f)

void CAdvanceToNextItemInSequence::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(
        new NestedObjectProperty("Brick With Sequence", VP_MEMBER(m_BrickWithSequence), EDITOR_EDITABLE));
}

CAdvanceToNextItemInSequence::CAdvanceToNextItemInSequence()
{
    ConstructProperties(SGetClassInfo());
}

CAdvanceToNextItemInSequence::~CAdvanceToNextItemInSequence()
{
    DestroyProperties(SGetClassInfo());
}

void CAdvanceToNextItemInSequence::DoExecute(bool& handled)
{
    CPlayfield* playfield = GetPlayfield();
    if (playfield == nullptr)
        return;
    CDynamicArray<CBrickBase*> bricks;
    playfield->CollectBricksByReference(m_BrickWithSequence, bricks);
    for (uint32_t i = 0; i < bricks.GetCount(); i++)
    {
        CMessage advance(GetAdvanceToNextItemInSequenceMessageId());
        bricks[i]->SendToPlugIns(advance);
        if (advance.IsHandled())
            handled = true;
    }
}
