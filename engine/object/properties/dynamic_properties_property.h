#pragma once

#include "engine/object/properties/property.h"
#include "engine/object/reflection.h"

class CDynamicValueSet;

// CObject's "Dynamic Properties": writes, reads, copies, compares and edits
// an object's dynamic values. It is the first property of every class. Its
// text value is the number of values, followed by a block of their lines.
class DynamicPropertiesProperty : public Property
{
public:
    explicit DynamicPropertiesProperty(CPropertyMember<CDynamicValueSet*> member);

    Property* Clone() const override;
    bool HasSingleLineValue() const override;
    // The dynamic values appear as ordinary rows of the property window.
    void CreateEditor(CPropertyWindow* window, void* object, const Property* groupProperty,
                      const char* label) const override;
    // Values saved nowhere (a live object's weak-pointer registrations)
    // stay with their object through copies, defaults and reads, and take
    // no part in comparisons or in the written forms.
    void CopyValue(void* destination, const void* source, const Property* sourceProperty) const override;
    bool ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const override;
    void ConstructValue(void* object) const override;
    void DestroyValue(void* object) const override;
    void SetDefault(void* object) const override;
    void AfterLoad(void* object, bool withReceiver) const override;
    void ToText(const void* object, CString& out) const override;
    // The count only tells whether a block follows; the block's lines decide
    // what is read. A count without a block reads nothing further.
    void FromText(void* object, const char* text, CObjectStream* stream) const override;
    bool ShouldWrite(const void* object) const override;
    bool IsDefault(const void* object) const override;
    void WriteValueLine(const void* object, CObjectStream& stream) const override;
    void WriteBinary(const void* object, CObjectStream& stream) const override;
    // False for a name the class has no dynamic property of, a name met
    // twice, or data cut short.
    bool ReadBinary(void* object, CObjectStream& stream) const override;
    void WriteDelta(const void* object, CMessageStream& stream, const void* reference) const override;
    void ReadDelta(void* object, CMessageStream& stream) const override;
    void PreloadReferences(void* object) const override;
    void VisitReferences(void* object, CReferenceVisitor& visitor) const override;

private:
    void ReadBlock(CObject* object, CObjectStream& stream) const;
};
