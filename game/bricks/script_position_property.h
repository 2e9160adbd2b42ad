#pragma once

#include "engine/core/geometry/vector2d.h"
#include "engine/object/properties/object_pointer_property.h"

// An owned script position of any kind whose default is a position of its
// own: a point relative to the brick's start at a given offset, or a named
// position naming no brick yet. The default is a value like any other, so a
// movement fresh from its defaults counts as all-default and copies compare
// equal.
class ScriptPositionProperty : public ObjectPointerProperty
{
public:
    // Defaults to a relative point at the offset.
    ScriptPositionProperty(const char* fullName, CObjectPointerMember member, const Vector2& relativeOffset);
    // Defaults to a named position.
    ScriptPositionProperty(const char* fullName, CObjectPointerMember member);

    Property* Clone() const override;
    void SetDefault(void* object) const override;
    bool IsDefault(const void* object) const override;

private:
    bool m_Relative;
    Vector2 m_Offset;
};
