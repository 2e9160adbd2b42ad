#pragma once

#include <cstdint>

class CObject;
class Property;

// Walks what an object refers to (CObject::VisitReferences): every object
// met, depth first, and every reference to an item of a named list.
class CReferenceVisitor
{
public:
    virtual ~CReferenceVisitor() = default;

    virtual void VisitObject(CObject* object) = 0;
    // A list-item member: the item's index, the property and the object (or
    // value storage) holding it.
    virtual void VisitListReference(int32_t itemIndex, const Property* property, void* object) = 0;
};
