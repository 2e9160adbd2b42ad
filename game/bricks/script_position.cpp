#include "game/bricks/script_position.h"

#include "engine/object/properties/nested_object_property.h"
#include "engine/object/properties/point_property.h"
#include "game/bricks/brick_base.h"
#include "game/playfield/playfield.h"
#include "game/playfield/game_sprite.h"

VP_IMPLEMENT_ABSTRACT_CLASS(CScriptPosition, CObject, 1.0f)
VP_IMPLEMENT_CLASS(CScriptPositionPointRelativeToBrickStartingPosition, CScriptPosition, 1.0f)
VP_IMPLEMENT_CLASS(CScriptPositionAbsolutePoint, CScriptPosition, 1.0f)
VP_IMPLEMENT_CLASS(CScriptPositionNamedObject, CScriptPosition, 1.0f)

void CScriptPosition::RegisterProperties(CClassInfo*)
{
}

CScriptPosition::CScriptPosition()
{
    ConstructProperties(SGetClassInfo());
}

CScriptPosition::~CScriptPosition()
{
    DestroyProperties(SGetClassInfo());
}

void CScriptPosition::Offset(const Vector2&)
{
}

void CScriptPositionPointRelativeToBrickStartingPosition::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->SetDisplayName("Relative Point");
    classInfo->AddOldName("CScriptedPosition");
    classInfo->AddProperty(
        new FloatPointProperty("Position", VP_MEMBER(m_Position), EDITOR_EDITABLE, 0.0f, 0.0f, nullptr));
}

CScriptPositionPointRelativeToBrickStartingPosition::CScriptPositionPointRelativeToBrickStartingPosition()
{
    ConstructProperties(SGetClassInfo());
}

CScriptPositionPointRelativeToBrickStartingPosition::CScriptPositionPointRelativeToBrickStartingPosition(
    const Vector2& offset)
    : CScriptPositionPointRelativeToBrickStartingPosition()
{
    m_Position = offset;
}

CScriptPositionPointRelativeToBrickStartingPosition::~CScriptPositionPointRelativeToBrickStartingPosition()
{
    DestroyProperties(SGetClassInfo());
}

void CScriptPositionPointRelativeToBrickStartingPosition::Offset(const Vector2& delta)
{
    m_Position = Vector2Add(m_Position, delta);
}

Vector2 CScriptPositionPointRelativeToBrickStartingPosition::GetPosition(const CBrickBase* brick)
{
    return Vector2Add(brick->GetStartCenter(), m_Position);
}

void CScriptPositionAbsolutePoint::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(
        new FloatPointProperty("Position", VP_MEMBER(m_Position), EDITOR_EDITABLE, 0.0f, 0.0f, nullptr));
}

CScriptPositionAbsolutePoint::CScriptPositionAbsolutePoint()
{
    ConstructProperties(SGetClassInfo());
}

CScriptPositionAbsolutePoint::~CScriptPositionAbsolutePoint()
{
    DestroyProperties(SGetClassInfo());
}

Vector2 CScriptPositionAbsolutePoint::GetPosition(const CBrickBase*)
{
    return m_Position;
}

void CScriptPositionNamedObject::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddOldName("CScriptPositionNammedObject");
    classInfo->AddProperty(new NestedObjectProperty("Position", VP_MEMBER(m_Position), EDITOR_EDITABLE));
}

CScriptPositionNamedObject::CScriptPositionNamedObject()
    : m_LastKnownPosition{-1.0f, -1.0f}
{
    ConstructProperties(SGetClassInfo());
}

CScriptPositionNamedObject::~CScriptPositionNamedObject()
{
    DestroyProperties(SGetClassInfo());
}

void CScriptPositionNamedObject::ReadCustomProperties(const char* name, const char* value, CObjectStream& stream)
{
    if (!m_Position.ReadLegacyName("Position Name", name, value))
        CScriptPosition::ReadCustomProperties(name, value, stream);
}

Vector2 CScriptPositionNamedObject::GetPosition(const CBrickBase*)
{
    CPlayfield* playfield = GetPlayfield();
    const CBrickBase* leader = playfield != nullptr ? playfield->FindBrickByReference(m_Position) : nullptr;
    if (leader != nullptr && leader->GetSprite() != nullptr)
        m_LastKnownPosition = leader->GetSprite()->m_Position;
    return m_LastKnownPosition;
}
