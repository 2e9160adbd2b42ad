#pragma once

#include <cstdint>

#include "engine/ui/window.h"

class CCommandCallback;
class CJMenuBar;
class CJPopupMenu;

// An entry of a menu: it runs its command, or opens its popup.
//
// A popup lives in one of two places: stored in its item (detached from
// the tree, owned by the item) or open (a child of the menu's parent or of
// the root, owned by the tree). Item and open popup point at each other;
// whichever is destroyed first clears the other's link.
class CJMenuItem : public CJWindow
{
public:
    // A non-zero key code gives the item that hotkey and, when the key is
    // not in the text, appends its name in parentheses.
    CJMenuItem(CJMenuBar* menu, const char* text, CCommandCallback* command, int32_t keyCode);
    ~CJMenuItem() override;

    // Closes the menu chain from this item's menu upward.
    virtual bool CloseMenus();
    virtual bool IsSeparator() const;

    // The item owns the popup while it is closed.
    void SetSubmenu(CJPopupMenu* popup, bool showsArrow);
    // Opens the popup, or runs the command and closes the menus.
    void Activate();

    bool MouseMove(CPoint point, CPoint movement, const CSequence*& cursor) override;
    bool MouseDown(int32_t button, CPoint point) override;
    bool MouseUp(int32_t button, CPoint point) override;
    // Also the hotkeys of the items in a closed popup.
    bool Hotkey(int32_t key) override;
    bool ActivateByHotkey() override;
    void RefreshState() override;
    // Sizes the item to its text.
    void SetText(const CString& text) override;
    void Draw(CFrameInterface& frame) override;

    CJMenuBar* GetMenu() const;
    CJPopupMenu* GetStoredSubmenu() const { return m_pSubmenu; }
    CJPopupMenu* GetOpenSubmenu() const { return m_pOpenSubmenu; }
    bool IsHighlighted() const { return m_Highlighted; }

    // For the popup: it comes back closed, or it is gone.
    void TakeBackSubmenu(CJPopupMenu* popup);
    void ForgetOpenSubmenu() { m_pOpenSubmenu = nullptr; }

protected:
    // A separator: no text, no command.
    CJMenuItem();

private:
    bool IsChosenBy(int32_t button, CPoint point) const;

    bool m_Highlighted = false;
    CJPopupMenu* m_pOpenSubmenu = nullptr;
    CCommandCallback* m_pCommand = nullptr;
    CJPopupMenu* m_pSubmenu = nullptr;
    bool m_ShowsArrow = false;
};

// A thin sunken line between groups of items; disabled and no tab stop.
class CJMenuSeparator : public CJMenuItem
{
public:
    CJMenuSeparator();

    bool IsSeparator() const override;
    void Draw(CFrameInterface& frame) override;
};
