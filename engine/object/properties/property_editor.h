#pragma once

#include <cstdint>

class CJWindow;
class CString;
class CPropertyWindow;
class Property;

// The base of the controls a property makes in the property window: one
// editor per shown property, owned by the window. Kind editors build their
// controls in CreateControl, on the page of their group property.
class PropertyEditor
{
public:
    PropertyEditor(const Property* property, const Property* groupProperty, CPropertyWindow* window, void* object);
    virtual ~PropertyEditor();
    PropertyEditor(const PropertyEditor&) = delete;
    PropertyEditor& operator=(const PropertyEditor&) = delete;

    virtual void CreateControl(bool enabled) = 0;
    // True when the event was this editor's.
    virtual bool OnControlEvent(CJWindow* source, int32_t code) = 0;
    // The clipboard operations work on the value's text. With the test-only
    // flag they only answer whether they would act.
    virtual bool Cut(bool testOnly);
    virtual bool Copy(bool testOnly);
    virtual bool Paste(bool testOnly);
    virtual bool Clear(bool testOnly);
    virtual bool IsClipboardEnabled() const;
    virtual void SetEnabled(bool enabled) = 0;
    // Shows the current value again.
    virtual void Refresh() = 0;
    // After a numeric editor committed a value.
    virtual void OnValueChanged();

    // Sets the value from text, through the property's setter.
    void ApplyText(const char* text);
    void ReopenWindow();
    CJWindow* GetPageClient();

    void SetLabelWindow(CJWindow* label) { m_pLabelWindow = label; }
    CJWindow* GetLabelWindow() const { return m_pLabelWindow; }
    CPropertyWindow* GetWindow() const { return m_pWindow; }
    void* GetObject() const { return m_pObject; }
    const Property* GetProperty() const { return m_pProperty; }
    const Property* GetGroupProperty() const { return m_pGroupProperty; }

private:
    // The value as text when the clipboard is on and the value is not empty:
    // otherwise Copy and Clear have nothing to act on.
    bool GetClipboardValueText(CString& text) const;

    CJWindow* m_pLabelWindow;
    CPropertyWindow* m_pWindow;
    void* m_pObject;
    const Property* m_pProperty;
    const Property* m_pGroupProperty;
};
