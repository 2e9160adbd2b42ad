#pragma once

#include <cstdint>

#include "engine/object/properties/property.h"
#include "engine/object/reflection.h"

class VirtualArray;

// A member that refers to an item of a named list (a sound, a library item,
// a frame): in memory the item's index, in files the item's name, so lists
// may gain and lose items between runs. Index 0 also stands for the first
// item and for a blank name.
//
// A name missing from the list is fatal, naming the file and the property,
// unless the property falls back to its default.
class ListItemProperty : public Property
{
public:
    using Setter = void (*)(void* object, int32_t index);

    // A null or empty default name means index 0.
    ListItemProperty(const char* fullName, CPropertyMember<int32_t> member, int32_t editorMode,
                     const char* defaultName, Setter setter, bool reopenOption);

    // The list whose items the member indexes.
    virtual VirtualArray* GetList(const void* object) const = 0;
    // Handed to the reference editor's chooser; this property only keeps it.
    virtual void* GetChooserFilter() const;
    void SetChooserFilter(void* filter) { m_pChooserFilter = filter; }

    void SetFallbackToDefault(bool fallback) { m_FallbackToDefault = fallback; }
    void SetEditButton(bool shown) { m_EditButton = shown; }
    void SetNewButton(bool shown) { m_NewButton = shown; }
    void SetChooserWidth(int32_t width) { m_ChooserWidth = width; }
    bool GetReopenOption() const { return m_ReopenOption; }
    bool GetEditButton() const { return m_EditButton; }
    bool GetNewButton() const { return m_NewButton; }
    int32_t GetChooserWidth() const { return m_ChooserWidth; }
    const char* GetDefaultName() const { return m_pDefaultName; }
    // The editor's choice goes through the setter like a read value.
    void Store(void* object, int32_t index) const;

    void CreateEditor(CPropertyWindow* window, void* object, const Property* groupProperty,
                      const char* label) const override;
    bool HasSingleLineValue() const override;
    void CopyValue(void* destination, const void* source, const Property* sourceProperty) const override;
    bool ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const override;
    void SetDefault(void* object) const override;
    void ToText(const void* object, CString& out) const override;
    void FromText(void* object, const char* text, CObjectStream* stream) const override;
    bool ShouldWrite(const void* object) const override;
    bool IsDefault(const void* object) const override;
    // An index that names no item is written as the empty name, which reads
    // back as index 0 in both forms.
    void WriteBinary(const void* object, CObjectStream& stream) const override;
    // A name the list does not hold makes the cache unusable (false).
    bool ReadBinary(void* object, CObjectStream& stream) const override;
    // Delta forms on the recorded-call stream (delta_list_item.cpp).
    void WriteDelta(const void* object, CMessageStream& stream, const void* reference) const override;
    void ReadDelta(void* object, CMessageStream& stream) const override;
    void PreloadReferences(void* object) const override;
    void VisitReferences(void* object, CReferenceVisitor& visitor) const override;

protected:
    ListItemProperty(const ListItemProperty& other) = default;

private:
    int32_t ResolveName(const void* object, const char* text) const;
    // The default's index; a default missing from its list is fatal,
    // reported against the program's built-in values.
    int32_t ResolveDefault(const void* object) const;
    bool HasDefaultName() const;

    const char* m_pDefaultName;
    bool m_ReopenOption;
    bool m_EditButton;
    bool m_NewButton;
    Setter m_pSetter;
    void* m_pChooserFilter;
    int32_t m_ChooserWidth;
    bool m_FallbackToDefault;
};

// The list-item property of nearly every reference: its list is fixed when
// the property is made ("Destroyed Sound" over the sound list).
class LibraryItemProperty : public ListItemProperty
{
public:
    LibraryItemProperty(const char* fullName, CPropertyMember<int32_t> member, VirtualArray* list,
                        int32_t editorMode, const char* defaultName, Setter setter, bool reopenOption);

    VirtualArray* GetList(const void* object) const override;
    Property* Clone() const override;

private:
    VirtualArray* m_pList;
};
