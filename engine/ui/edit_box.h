#pragma once

#include <cstdint>

#include "engine/ui/window.h"

// A single line of text entry: caret, selection, insert or overwrite
// typing, the clipboard, refused characters, a numeric-only mode, a length
// limit and an optional numeric range.
//
// The selection runs between the anchor and the selection end; the caret
// always equals the selection end once an operation is over. Every edit is
// checked by AcceptText when it is done: a refused edit puts the text from
// before it back, whole and selected, so a range check refuses a text as
// soon as one keystroke leaves the range. Codes below 32 are commands, the
// rest are characters; refused input plays the error sound and changes
// nothing.
class CJEditBox : public CJWindow
{
public:
    // Pasted text beyond this many characters is refused: every character
    // is an edit with its own check.
    static constexpr uint32_t PASTE_LIMIT = 4096;

    explicit CJEditBox(CJWindow* parent);
    CJEditBox(CJWindow* parent, const CString& text);
    CJEditBox(CJWindow* parent, const char* text);
    ~CJEditBox() override;

    // The range check: an empty text, or any text while minimum and maximum
    // are both 0, passes; else the text's number must lie in the range.
    virtual bool AcceptText(const CString& text);

    void Draw(CFrameInterface& frame) override;
    bool MouseDown(int32_t button, CPoint point) override;
    bool TrackMouse(CPoint point, CPoint movement, uint32_t buttons, const CSequence*& cursor) override;
    bool KeyDown(int32_t key) override;
    void SetFocused(bool focused) override;
    bool Cut(bool doIt) override;
    bool Copy(bool doIt) override;
    bool Paste(bool doIt) override;
    bool Delete(bool doIt) override;
    // The whole new text selected, scrolled back to its start; sends nothing.
    void SetText(const CString& text) override;
    using CJWindow::SetText;
    const CSequence* GetCursor(CPoint localPoint) override;

    void SetRefusedCharacters(const char* characters);
    void SetEditable(bool editable) { m_Editable = editable; }
    void SetNumericOnly(bool numericOnly) { m_NumericOnly = numericOnly; }
    // 0: unlimited.
    void SetMaximumLength(uint8_t length) { m_MaximumLength = length; }
    // Both 0: no range.
    void SetRange(float minimum, float maximum);
    void SetUpperCase(bool upperCase) { m_UpperCase = upperCase; }
    void SetClipboardAllowed(bool allowed) { m_ClipboardAllowed = allowed; }
    void SetShowCaretAndSelection(bool show) { m_ShowCaretAndSelection = show; }
    void SetSunkenBackground(bool sunken) { m_SunkenBackground = sunken; }

    int32_t GetCaret() const { return m_Caret; }
    int32_t GetAnchor() const { return m_Anchor; }
    int32_t GetSelectionEnd() const { return m_SelectionEnd; }
    int32_t GetScrollOffset() const { return m_ScrollOffset; }
    bool HasSelection() const { return m_Anchor != m_SelectionEnd; }
    // Anchor 0, caret and selection end at the end.
    void SelectAll();

    // Shared by every edit box.
    static bool IsInsertMode();
    static void SetInsertMode(bool insert);

private:
    void Init(const CString& text);
    int32_t Length() const { return static_cast<int32_t>(m_Text.GetLength()); }
    int32_t SelectionStart() const;
    int32_t SelectionStop() const;
    // Moves the caret and the selection end; the anchor follows unless the
    // selection is being extended.
    void MoveCaret(int32_t position, bool extend);
    // The character index under a screen x.
    int32_t CaretPositionAt(int32_t screenX);
    bool HandleCommandKey(int32_t key);
    bool HandleInsertKey();
    bool TypeCharacter(int32_t key);
    void DeleteAndAccept(const CString& before);
    // Notifies the parent when the text passes the check, else puts the
    // text from before the edit back.
    void Accept(const CString& before);
    // What of the window the text shows in, in local coordinates.
    CRect TextArea() const;
    int32_t TextWidth(int32_t count) const;
    void KeepCaretVisible(int32_t caretWidth, int32_t areaWidth);
    void DrawVisibleText(CFrameInterface& frame, const CRect& area);

    int32_t m_Caret;
    int32_t m_Anchor;
    int32_t m_SelectionEnd;
    int32_t m_ScrollOffset;
    bool m_NumericOnly;
    CString m_RefusedCharacters;
    uint8_t m_MaximumLength;
    float m_Minimum;
    float m_Maximum;
    bool m_UpperCase;
    bool m_ClipboardAllowed;
    bool m_Editable;
    bool m_ShowCaretAndSelection;
    bool m_SunkenBackground;
};
