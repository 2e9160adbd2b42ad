#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/core/strings/ref_string.h"

class CClassInfo;
class CMessageStream;
class CObject;
class CObjectStream;
class CPropertyWindow;
class CReferenceVisitor;

// How the property window shows a property: hidden, editable, or shown with
// its editor disabled. Any value but these two hidden/read-only ones edits.
const int32_t EDITOR_HIDDEN = 0;
const int32_t EDITOR_EDITABLE = 1;
const int32_t EDITOR_READ_ONLY = 3;

// The descriptor of one member of a reflected class. The object writers and
// readers, the object streams and the property window never touch member
// data themselves: they walk the class's property list and hand each
// descriptor the address of the object.
//
// "object" below is the address of the owning object; the member sits at the
// value offset from it. A dynamic property (offset 0) is handed the address
// of its value storage instead, and array kinds hand their element
// properties the address of one element, so one set of operations serves
// members, dynamic values and array elements alike.
//
// Value lifetime: a member is a live C++ object from the owner's construction
// on. AllocateValue and AllocateArray hand out live values as well (kinds
// whose values need C++ construction construct them there), so
// ConstructValue only puts a value into its empty state and DestroyValue
// only releases what the value owns, leaving it empty. FreeValue and
// FreeArray end the values' lives.
class Property
{
public:
    // The full name is "Group/Name" or just "Name"; only the first "/" splits.
    Property(const char* fullName, const char* unitText, int32_t valueOffset, int32_t valueSize, int32_t editorMode);
    virtual ~Property();

    // A heap copy with every base and kind field; a subclass changes its
    // clones of inherited properties without touching the parent's.
    virtual Property* Clone() const = 0;
    // False for kinds whose text value is a block of further lines.
    virtual bool HasSingleLineValue() const = 0;

    virtual void CreateEditor(CPropertyWindow* window, void* object, const Property* groupProperty, const char* label) const;
    virtual void OnEditorOpened(CPropertyWindow* window, void* object) const;

    // Through the kind's setter when it has one.
    virtual void CopyValue(void* destination, const void* source, const Property* sourceProperty) const = 0;
    virtual bool ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const;
    virtual void ConstructValue(void* object) const;
    virtual void DestroyValue(void* object) const;
    // Stores directly, never through a setter.
    virtual void SetDefault(void* object) const = 0;
    // Kinds holding objects forward the object's AfterLoad; the flag asks
    // for a receiver that discards what it is given.
    virtual void AfterLoad(void* object, bool withReceiver) const;

    virtual void ToText(const void* object, CString& out) const = 0;
    // The stream is given while reading a file, so block-valued kinds can
    // read further lines; editors pass none.
    virtual void FromText(void* object, const char* text, CObjectStream* stream) const = 0;
    // One "name=value" line; the position is where the line began.
    virtual void ReadNameValue(void* object, const char* name, const char* value, CObjectStream* stream, int32_t lineStart) const;
    virtual bool ShouldWrite(const void* object) const;
    virtual bool IsDefault(const void* object) const;
    // The name and "=" without a line end.
    virtual void WriteName(const void* object, CObjectStream& stream) const;
    // The value on one line. A line end inside the value would let the text
    // after it pass for lines of the file (a "}" there would close the
    // owner), so CR and LF are written as blanks.
    virtual void WriteValueLine(const void* object, CObjectStream& stream) const;
    virtual void WriteXmlElement(const void* object, CObjectStream& stream) const;
    virtual void WriteValueInline(const void* object, CObjectStream& stream) const;

    virtual void WriteBinary(const void* object, CObjectStream& stream) const = 0;
    // False when the data is bad.
    virtual bool ReadBinary(void* object, CObjectStream& stream) const = 0;
    virtual void WriteDelta(const void* object, CMessageStream& stream, const void* reference) const;
    virtual void ReadDelta(void* object, CMessageStream& stream) const;

    virtual uint32_t GetBitMask() const;
    virtual bool CanAddToClass(const CClassInfo* classInfo) const;
    // Lines a property reads although they do not carry its name (array
    // elements, the members of an object written inline).
    virtual bool ClaimsName(const char* name) const;
    virtual void PreloadReferences(void* object) const;
    virtual void VisitReferences(void* object, CReferenceVisitor& visitor) const;

    virtual void* AllocateValue() const;
    virtual void FreeValue(void* value) const;
    virtual void* AllocateArray(uint32_t count) const;
    virtual void FreeArray(void* storage) const;
    virtual void CopyValueBytes(void* destination, const void* source) const;

    // Dynamic properties: values held in the object's dynamic-value set
    // rather than in its layout.
    void MarkDynamic() { m_Dynamic = true; }
    bool IsDynamic() const { return m_Dynamic; }
    // The value of this dynamic property on the object, created on first use.
    void* GetValueStorage(CObject* object) const;
    bool HasValue(const CObject* object) const;
    // Destroys the object's value of this dynamic property; false when it
    // held none.
    bool RemoveValue(CObject* object) const;

    // Set on the property just added, by register-properties functions.
    void SetHelpText(const char* text) { m_HelpText = text; }
    void SetLegacyName(const char* name) { m_LegacyName = name; }
    void SetOmitWhenDefault(bool omit) { m_OmitWhenDefault = omit; }
    void SetAlwaysWrite(bool always) { m_AlwaysWrite = always; }
    void SetGroup(const char* group) { m_Group = group; }
    void SetUnitText(const char* unitText) { m_UnitText = unitText; }
    void SetEditorMode(int32_t mode) { m_EditorMode = mode; }
    void SetRegistration(int32_t first, int32_t second);
    void SetSaveFlags(bool inText, bool inBinary, bool toNormalStreams, bool toTrackingStreams);
    // The array kinds describe the whole array member beside the element.
    void SetMember(const char* memberName, int32_t memberOffset, int32_t memberSize);

    // The name or, for a renamed property, the name older files still use.
    bool HasName(const char* name) const;
    const char* GetName() const { return m_Name.GetText(); }
    const CString& GetNameString() const { return m_Name; }
    const CString& GetGroup() const { return m_Group; }
    const CString& GetHelpText() const { return m_HelpText; }
    const CString& GetUnitText() const { return m_UnitText; }
    const CString& GetLegacyName() const { return m_LegacyName; }
    const CString& GetMemberName() const { return m_MemberName; }
    int32_t GetValueOffset() const { return m_ValueOffset; }
    int32_t GetValueSize() const { return m_ValueSize; }
    int32_t GetMemberOffset() const { return m_MemberOffset; }
    int32_t GetMemberSize() const { return m_MemberSize; }
    int32_t GetEditorMode() const { return m_EditorMode; }
    int32_t GetFirstRegistrationWord() const { return m_Registration[0]; }
    int32_t GetSecondRegistrationWord() const { return m_Registration[1]; }
    bool GetAlwaysWrite() const { return m_AlwaysWrite; }
    bool GetOmitWhenDefault() const { return m_OmitWhenDefault; }
    bool SavesInText() const { return m_SaveInText; }
    bool SavesInBinary() const { return m_SaveInBinary; }
    // Object streams here never track references between objects, so the
    // normal-stream flag decides.
    bool SavesToNormalStreams() const { return m_SaveToNormal; }
    // Whether object files carry the property at all, as a member or as a
    // dynamic value; a text line needs a name as well.
    bool IsWrittenInBinary() const { return m_SaveInBinary && m_SaveToNormal; }
    bool IsWrittenInText() const { return m_SaveInText && m_SaveToNormal && m_Name.HasText(); }

    // The value inside an object (or the storage itself, at offset 0). Kinds
    // read the other side of a copy or comparison through the other side's
    // property.
    template <typename T>
    T& ValueAt(void* object) const
    {
        return *reinterpret_cast<T*>(static_cast<char*>(object) + m_ValueOffset);
    }

    template <typename T>
    const T& ValueAt(const void* object) const
    {
        return *reinterpret_cast<const T*>(static_cast<const char*>(object) + m_ValueOffset);
    }

protected:
    Property(const Property& other) = default;
    Property& operator=(const Property&) = delete;

private:
    bool m_AlwaysWrite;
    bool m_OmitWhenDefault;
    CString m_Name;
    CString m_HelpText;
    CString m_Group;
    int32_t m_ValueOffset;
    int32_t m_ValueSize;
    bool m_SaveInText;
    bool m_SaveInBinary;
    bool m_SaveToNormal;
    bool m_SaveToTracking;
    int32_t m_MemberOffset;
    int32_t m_MemberSize;
    CString m_MemberName;
    int32_t m_Registration[2];
    int32_t m_EditorMode;
    CString m_LegacyName;
    CString m_UnitText;
    bool m_Dynamic;
};

// Attaches a property to a class and all its descendants as a dynamic
// property, so every object of those classes may carry a value of it. A
// static object of this type does it from a static initialiser:
//     static AttachDynamicProperty s_Comment(new TextProperty(...), CObject::SGetClassInfo(), 0, nullptr);
// The flags are kept with the property in the class's table; the property
// window's "Insert Property" menu reads them.
class AttachDynamicProperty
{
public:
    AttachDynamicProperty(Property* property, CClassInfo* classInfo, int32_t flags, const char* helpText);
};
