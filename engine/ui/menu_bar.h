#pragma once

#include <cstdint>

#include "engine/ui/panel.h"

class CJMenuItem;
class CJPopupMenu;

// The base of menus: a panel of menu items with a margin of 2 and no
// spacing. Adding an item is left to its kinds.
class CJMenuBar : public CJPanel
{
public:
    explicit CJMenuBar(CJWindow* parent);

    // Adds the popup beside the item: right of the menu, or left of it when
    // the screen has no room on the right.
    virtual void OpenSubmenu(CJMenuItem* item, CJPopupMenu* popup);
    virtual void AddItem(CJMenuItem* item) = 0;
    // Closes this menu and every popup up to the bar; false when this one
    // did not close.
    virtual bool CloseChain();
    virtual void HideMenu();

    // Nothing on an empty menu or after a separator.
    void AddSeparator();
    // Runs the focused item.
    bool ActivateFrontItem();

    // Items re-read their enabled state whenever the menu gains or loses
    // the focus.
    void SetFocused(bool focused) override;
    bool KeyDown(int32_t key) override;
    // An item's popup goes back to its item, detached; a menu without
    // owner item is destroyed.
    bool Close() override;
    void Draw(CFrameInterface& frame) override;

    CJMenuItem* GetOwnerItem() const { return m_pOwnerItem; }
    void SetOwnerItem(CJMenuItem* item) { m_pOwnerItem = item; }

protected:
    CJMenuItem* m_pOwnerItem = nullptr;
};

// The menu bar proper: items left to right, popups open below (above when
// there is no room), never closes.
class CJHorizontalMenuBar : public CJMenuBar
{
public:
    explicit CJHorizontalMenuBar(CJWindow* parent);

    void OpenSubmenu(CJMenuItem* item, CJPopupMenu* popup) override;
    void AddItem(CJMenuItem* item) override;
    bool KeyDown(int32_t key) override;
    bool Close() override;
    bool MouseDown(int32_t button, CPoint point) override;
};

// A modal popup: items top to bottom in one width; a press outside closes
// the whole chain and reaches nothing behind.
class CJPopupMenu : public CJMenuBar
{
public:
    explicit CJPopupMenu(CJWindow* parent);
    ~CJPopupMenu() override;

    void AddItem(CJMenuItem* item) override;
    void HideMenu() override;
    bool KeyDown(int32_t key) override;
    bool MouseDown(int32_t button, CPoint point) override;
};
