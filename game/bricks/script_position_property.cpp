#include "game/bricks/script_position_property.h"

#include "game/bricks/script_position.h"

ScriptPositionProperty::ScriptPositionProperty(const char* fullName, CObjectPointerMember member,
                                               const Vector2& relativeOffset)
    : ObjectPointerProperty(fullName, member, CScriptPosition::SGetClassInfo(), EDITOR_EDITABLE,
                            CScriptPositionPointRelativeToBrickStartingPosition::SGetClassInfo())
    , m_Relative(true)
    , m_Offset(relativeOffset)
{
}

ScriptPositionProperty::ScriptPositionProperty(const char* fullName, CObjectPointerMember member)
    : ObjectPointerProperty(fullName, member, CScriptPosition::SGetClassInfo(), EDITOR_EDITABLE,
                            CScriptPositionNamedObject::SGetClassInfo())
    , m_Relative(false)
    , m_Offset{0.0f, 0.0f}
{
}

Property* ScriptPositionProperty::Clone() const
{
    return new ScriptPositionProperty(*this);
}

void ScriptPositionProperty::SetDefault(void* object) const
{
    ObjectPointerProperty::SetDefault(object);
    if (m_Relative)
        static_cast<CScriptPositionPointRelativeToBrickStartingPosition*>(ValueAt<CObject*>(object))->m_Position =
            m_Offset;
}

bool ScriptPositionProperty::IsDefault(const void* object) const
{
    const CObject* pointed = ValueAt<CObject*>(object);
    if (pointed == nullptr)
        return false;
    if (m_Relative)
    {
        if (pointed->GetClassInfo() != CScriptPositionPointRelativeToBrickStartingPosition::SGetClassInfo())
            return false;
        const Vector2& offset =
            static_cast<const CScriptPositionPointRelativeToBrickStartingPosition*>(pointed)->m_Position;
        return offset.x == m_Offset.x && offset.y == m_Offset.y;
    }
    return pointed->GetClassInfo() == CScriptPositionNamedObject::SGetClassInfo() &&
           static_cast<const CScriptPositionNamedObject*>(pointed)->m_Position.m_Name.IsEmpty();
}
