#pragma once

#include "engine/core/geometry/vector2d.h"
#include "engine/object/object.h"
#include "game/bricks/script_reference_to_target.h"

class CBrickBase;

// A point a movement script asks for every frame: fixed, relative to where
// the moving brick was placed, or where a named brick stands now.
class CScriptPosition : public CObject
{
    VP_DECLARE_CLASS(CScriptPosition)
public:
    CScriptPosition();
    ~CScriptPosition() override;

    // The editor moves a brick with Alt held by the opposite of this delta,
    // so points relative to the brick keep their place in the playfield.
    virtual void Offset(const Vector2& delta);
    // The point for the brick asking (the movement's owner).
    virtual Vector2 GetPosition(const CBrickBase* brick) = 0;
};

// The brick's start centre plus an offset: it stays put while the brick
// moves, since it hangs on where the brick was placed.
class CScriptPositionPointRelativeToBrickStartingPosition : public CScriptPosition
{
    VP_DECLARE_CLASS(CScriptPositionPointRelativeToBrickStartingPosition)
public:
    CScriptPositionPointRelativeToBrickStartingPosition();
    explicit CScriptPositionPointRelativeToBrickStartingPosition(const Vector2& offset);
    ~CScriptPositionPointRelativeToBrickStartingPosition() override;

    void Offset(const Vector2& delta) override;
    Vector2 GetPosition(const CBrickBase* brick) override;

    Vector2 m_Position;
};

// A fixed playfield point.
class CScriptPositionAbsolutePoint : public CScriptPosition
{
    VP_DECLARE_CLASS(CScriptPositionAbsolutePoint)
public:
    CScriptPositionAbsolutePoint();
    ~CScriptPositionAbsolutePoint() override;

    Vector2 GetPosition(const CBrickBase* brick) override;

    Vector2 m_Position;
};

// Where the first brick the reference names stands. A follower whose
// leader is gone stops where the leader was last seen; (-1, -1) until the
// leader has been seen once.
class CScriptPositionNamedObject : public CScriptPosition
{
    VP_DECLARE_CLASS(CScriptPositionNamedObject)
public:
    CScriptPositionNamedObject();
    ~CScriptPositionNamedObject() override;

    // Files of earlier versions name the brick with "Position Name".
    void ReadCustomProperties(const char* name, const char* value, CObjectStream& stream) override;
    Vector2 GetPosition(const CBrickBase* brick) override;

    CScriptReferenceToTarget m_Position;
    Vector2 m_LastKnownPosition;
};
