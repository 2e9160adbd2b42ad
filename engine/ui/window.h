#pragma once

#include <cstdint>

#include "engine/core/color/color.h"
#include "engine/core/geometry/point.h"
#include "engine/core/geometry/rect.h"
#include "engine/core/strings/ref_string.h"

class CFont;
class CFrameInterface;
class CJWindow;
class COffsetClippedProxyFrame;
class CScreenWindow;
class CSequence;
class CSkinTheme;
class CWindowWatch;

// The scrollable extent and offset of a window, made on first use and freed
// again whenever everything in it is zero.
struct CWindowScrollState
{
    int32_t m_ScrollX = 0;
    int32_t m_ScrollY = 0;
    int32_t m_ContentWidth = 0;
    int32_t m_ContentHeight = 0;
    bool m_ScrollBarsEnabled = false;
    // Owned children of the window once the scroll bars exist.
    CJWindow* m_pVerticalBar = nullptr;
    CJWindow* m_pHorizontalBar = nullptr;

    bool IsAllZero() const;
};

// The base of every window and control of the toolkit.
//
// Windows form one tree under the root screen window. A window owns its
// children, kept in a list from front to back (the z-order); focus lies on
// the chain of front children from the focused window down. Input arrives
// as calls of the virtual operations below, made by the root once per
// frame and passed down the tree; every routing operation answers true when
// it consumed the input. Rectangles are half-open, in the parent's
// coordinates; the screen and visible rectangles are kept up to date by
// SetRect over the whole subtree.
//
// Windows are made with new, handed to a parent with AddChild or
// AddChildFront, and ended with Destroy (see deferred_destroy.h), never
// deleted by hand.
class CJWindow
{
public:
    // A gap that stands for the parent's margin or spacing.
    static constexpr int32_t DEFAULT_GAP = -1000;
    // Hotkey position when no span is underlined.
    static constexpr int32_t NO_HOTKEY_POSITION = -1;

    // Placement flags.
    static constexpr int32_t PLACE_NO_GROWTH = 1;
    static constexpr int32_t PLACE_GAPS_IN_PIXELS = 2;
    static constexpr int32_t PLACE_GROW_WITHOUT_MARGIN = 4;
    static constexpr int32_t PLACE_CLAMP_INTO_PARENT = 8;

    // The parent only lends its theme, font and transparency: the window is
    // not linked until AddChild or AddChildFront.
    explicit CJWindow(CJWindow* parent);
    CJWindow(CJWindow* parent, const CString& text);
    CJWindow(CJWindow* parent, const char* text);
    virtual ~CJWindow();

    CJWindow(const CJWindow&) = delete;
    CJWindow& operator=(const CJWindow&) = delete;

    // Theme.
    virtual void SetTheme(CSkinTheme* theme);
    virtual CSkinTheme* GetTheme() const;

    // Lifecycle: the children's updates, then a requested close.
    virtual void Update(float step);
    virtual bool IsGreyed() const;
    // The window closes in its own next Update.
    virtual void RequestClose();
    // Destroy; dialogs may refuse or hide instead.
    virtual bool Close();
    // Cancels a capture and deletes the window, or queues it while a
    // deferred-destroy scope is open. Nothing for a window already dying.
    virtual void Destroy();

    // Mouse routing (screen coordinates).
    // continueAsPress set by a handler lets the root treat the double
    // click as an ordinary press as well.
    virtual bool DoubleClick(int32_t button, CPoint point, bool& continueAsPress);
    virtual bool MouseDown(int32_t button, CPoint point);
    virtual bool MouseUp(int32_t button, CPoint point);
    virtual bool MouseRepeat(int32_t button, CPoint point);
    virtual bool MouseMove(CPoint point, CPoint movement, const CSequence*& cursor);
    // The window's own press and drag handler: true at a press captures the
    // button.
    virtual bool TrackMouse(CPoint point, CPoint movement, uint32_t buttons, const CSequence*& cursor);
    virtual void OnMouseUp(CPoint point, uint32_t buttons);
    virtual void CancelCapture(uint32_t buttons);
    virtual bool MouseWheel(int32_t steps, CPoint point);

    // Keys (engine key codes) along the focus chain; Hotkey with Alt held.
    virtual bool KeyDown(int32_t key);
    virtual bool Hotkey(int32_t key);
    virtual bool ActivateByHotkey();
    virtual void SetFocused(bool focused);
    virtual void OnShowChanged(bool visible);
    // Code 0 activation, 1 value changed, 2 first shown (never climbs).
    virtual void OnCommand(CJWindow* source, int32_t code);

    // Clipboard operations: doIt false only asks whether it is possible.
    virtual bool Cut(bool doIt);
    virtual bool Copy(bool doIt);
    virtual bool Paste(bool doIt);
    virtual bool Delete(bool doIt);

    virtual void Show(bool visible, bool activate);
    virtual bool IsVisible() const;
    virtual bool IsVisibleInTree() const;
    virtual void RefreshState();
    virtual bool IsActive() const;

    // Tree. AddChild links at the back, places the child by the code
    // (0: keeps its rect) and grows this window to contain it.
    virtual void AddChild(CJWindow* child, int32_t code = 0, CJWindow* anchor = nullptr, int32_t x = DEFAULT_GAP,
                          int32_t y = DEFAULT_GAP, int32_t flags = 0);
    virtual void AddChildFront(CJWindow* child, int32_t code = 0, CJWindow* anchor = nullptr, int32_t x = DEFAULT_GAP,
                               int32_t y = DEFAULT_GAP, int32_t flags = 0);
    virtual void RemoveChild(CJWindow* child);
    // Rotates the list so that its cyclic order, which Tab relies on, stays.
    virtual void BringToFront(CJWindow* child);
    virtual void SendToBack(CJWindow* child);
    virtual CJWindow* NextTabStop();
    virtual CJWindow* PrevTabStop();
    virtual void SendCommand(int32_t code);
    virtual bool IsScreenWindow() const;
    // The game's menu screens and front-end dialogs answer true.
    virtual bool IsInputCaptureWindow() const;

    // Hotkeys: the letter is kept upper-cased; 0 = none.
    virtual void SetHotkeyChar(int32_t letter);
    virtual int32_t FindHotkeyInText(int32_t letter);
    virtual void SetHotkeyWithKeyName(int32_t keyCode);
    virtual int32_t GetHotkeyChar() const;
    virtual bool ClearHotkey();

    // Text. With parse ampersand on, the first '&' marks the hotkey letter
    // after it, or a second '&' closes an underlined span without one.
    virtual void SetText(const CString& text);
    virtual const CString& GetText() const;
    virtual CFont* GetFont() const;
    virtual void SetFont(CFont* font);
    virtual int32_t GetTextAsInt() const;
    virtual float GetTextAsFloat() const;
    virtual void SetTextInt(int32_t value);
    virtual void SetTextFloat(float value);

    // Colours.
    virtual void SetTextColor(const CColor& colour);
    virtual void SetTextColorRGB(int32_t red, int32_t green, int32_t blue);
    virtual const CColor& GetTextColor() const;
    virtual void SetBackgroundColorRGB(int32_t red, int32_t green, int32_t blue);
    virtual void SetHighlightColor(const CColor& colour);
    virtual const CColor& GetHighlightColor() const;
    virtual void SetFocusOutlineColorRGB(int32_t red, int32_t green, int32_t blue);
    virtual void SetFifthColorRGB(int32_t red, int32_t green, int32_t blue);
    const CColor& GetFifthColor() const { return m_FifthColor; }
    virtual void SetOutlineColorRGB(int32_t red, int32_t green, int32_t blue);

    // Geometry: SetRect recomputes the screen, visible and clip rectangles
    // of the whole subtree.
    virtual void SetRect(const CRect& rect);
    virtual const CRect& GetRect() const;
    virtual void SetSize(int32_t width, int32_t height);
    // Height reserved at the top of the client area (dialog titles).
    virtual int32_t GetTitleHeight() const;
    // Width reserved at the left of the client area.
    virtual int32_t GetLeftInset() const;

    // Placement (codes 0 to 27).
    virtual void Place(int32_t code, CJWindow* anchor, int32_t x, int32_t y, int32_t flags);
    // margin DEFAULT_GAP: this window's margin; else dialog units.
    virtual void GrowToContain(CJWindow* child, int32_t margin);
    // True when a descendant other than except (and its subtree) has exactly
    // this screen rectangle.
    virtual bool HasDescendantWithRect(const CRect& screenRect, const CJWindow* except) const;
    virtual bool HasChildren() const;
    virtual void DropReturnWindow();
    // Persisted placement in the editor settings file; name null: the text.
    virtual void LoadPlacement(const char* name, bool withSize);
    virtual void SavePlacement(const char* name, bool withSize);

    // Drawing, in the window's own coordinates. The base draws the children,
    // layer 0 then layer 1, back to front, each moved, clipped and faded by
    // the proxy the root draws through; controls paint themselves first and
    // then call it for their children.
    virtual void Draw(CFrameInterface& frame);
    // A one-pixel frame just outside the window, in the parent's coordinates.
    virtual void DrawOutline(CFrameInterface& frame, const CColor& colour);
    // The window's text at (x, y): justification 0 left, 1 centred on x,
    // 2 ending at x; faded while the window is disabled or greyed.
    virtual void DrawText(CFrameInterface& frame, int32_t x, int32_t y, int32_t justification);
    // The theme's texture, else the shared active or inactive one; may be null.
    virtual CFrameInterface* GetWindowTexture();

    // Pointer shape for a point in local coordinates; null = the default.
    virtual const CSequence* GetCursor(CPoint localPoint);
    // Climbs to the parent until a window handles it.
    virtual bool OnHover(CPoint point);
    virtual bool WantsAutoHotkey() const;
    // The scroll bars follow the scroll state; they come with the scroll bar
    // control.
    virtual void UpdateScrollBars();

    // Flags.
    void SetEnabled(bool enabled) { m_Enabled = enabled; }
    bool IsEnabled() const { return m_Enabled; }
    bool IsEnabledInTree() const;
    bool IsFocused() const { return m_Focused; }
    void SetModal(bool modal) { m_Modal = modal; }
    bool IsModal() const { return m_Modal; }
    bool IsTransparent() const { return m_Transparent; }
    // The whole subtree.
    void SetTransparent(bool transparent);
    void SetTabStop(bool tabStop) { m_TabStop = tabStop; }
    bool IsTabStop() const { return m_TabStop; }
    void SetOwnHotkey(bool ownHotkey) { m_OwnHotkey = ownHotkey; }
    void SetHoverWithChildren(bool hover) { m_HoverWithChildren = hover; }
    void SetMovesWhenDisabled(bool moves) { m_MovesWhenDisabled = moves; }
    void SetParseAmpersand(bool parse) { m_ParseAmpersand = parse; }
    // 1.0 draws the window as it is; below, it and its whole subtree fade.
    void SetOpacity(float opacity) { m_Opacity = opacity; }
    float GetOpacity() const { return m_Opacity; }
    // Layer 1 draws after every layer-0 sibling, whatever the z-order.
    void SetLayer(int32_t layer) { m_Layer = layer; }
    int32_t GetLayer() const { return m_Layer; }
    // Outlined in the parent's outline colour even without the focus.
    void SetAlwaysOutlined(bool outlined) { m_AlwaysOutlined = outlined; }
    bool IsAlwaysOutlined() const { return m_AlwaysOutlined; }
    bool IsCloseRequested() const { return m_CloseRequested; }
    bool IsDying() const { return m_Dying; }

    // Tree.
    CJWindow* GetParent() const { return m_pParent; }
    CJWindow* GetFrontChild() const { return m_pFrontChild; }
    CJWindow* GetBackChild() const { return m_pBackChild; }
    CJWindow* GetNextSibling() const { return m_pNextSibling; }
    CJWindow* GetPrevSibling() const { return m_pPrevSibling; }
    CJWindow* GetRootWindow();
    // Adds the window at the front of this window's parent (of this window
    // when it has none), placed by the code with default gaps.
    void OpenWindow(CJWindow* window, int32_t code);
    void OpenModalWindow(CJWindow* window, int32_t code);
    CJWindow* FindChildByText(const CString& text) const;
    // The point in this window's coordinates.
    CJWindow* FindVisibleChildAt(CPoint point) const;

    // Text.
    void SetText(const char* text);
    void ClearText();
    void SetTextChar(char16_t character);
    int32_t GetHotkeyPosition() const { return m_HotkeyPosition; }
    int32_t GetHotkeyLength() const { return m_HotkeyLength; }
    // Narrows the window to the text's width in its font; never widens it.
    void FitWidthToText(const CString& text);
    const CString& GetPlacementName() const { return m_PlacementName; }
    bool HasPlacementName() const { return m_HasPlacementName; }

    // Geometry, each ending in SetRect.
    void MoveTo(int32_t x, int32_t y);
    void SetX(int32_t x);
    void SetY(int32_t y);
    void SetWidth(int32_t width);
    void SetHeight(int32_t height);
    void SetRectXYWH(int32_t x, int32_t y, int32_t width, int32_t height);
    void CentreHorizontallyInParent();
    void AlignRightInParent();
    int32_t GetWidth() const { return m_Rect.right - m_Rect.left; }
    int32_t GetHeight() const { return m_Rect.bottom - m_Rect.top; }
    int32_t GetClientWidth() const;
    int32_t GetClientHeight() const;
    const CRect& GetScreenRect() const { return m_ScreenRect; }
    const CRect& GetVisibleRect() const { return m_VisibleRect; }
    const CRect& GetClipRect() const { return m_ClipRect; }
    int32_t GetContentWidth() const { return m_ContentWidth; }
    int32_t GetContentHeight() const { return m_ContentHeight; }

    // Dialog metrics in pixels: one unit is the font height / 5.
    int32_t GetDialogUnit() const;
    int32_t GetMargin() const { return m_Margin; }
    int32_t GetSpacing() const { return m_Spacing; }
    // Themes set them while the window is constructed.
    void SetMargin(int32_t margin) { m_Margin = margin; }
    void SetSpacing(int32_t spacing) { m_Spacing = spacing; }
    int32_t GetBevelWidth() const { return m_BevelWidth; }
    // Sets this window's bevel and the shared one to units dialog units.
    void SetBevelUnits(int32_t units);

    // Scroll state.
    CWindowScrollState& GetScrollState();
    const CWindowScrollState* FindScrollState() const { return m_pScrollState; }
    void SetContentSize(int32_t width, int32_t height);
    void SetScrollPosition(int32_t x, int32_t y);
    void SetScrollX(int32_t x);
    void SetScrollY(int32_t y);
    void EnableScrollBars(bool enable);

    // Input helpers.
    uint32_t GetCapturedButtons() const { return m_CapturedButtons; }
    CPoint GetPressPoint() const { return m_PressPoint; }
    // Puts the pointer back at the press point and ends every capture.
    void CancelMouseCapture();
    // True once the pointer went threshold (a squared distance) away from
    // the press point; the first time with the whole offset since the press.
    bool HasDraggedBeyond(CPoint point, CPoint movement, CPoint& movementOut, int32_t threshold);
    bool FocusNextTabStop();
    bool FocusPrevTabStop();
    // Gives each child that wants one the first free character of its text.
    void AssignAutoHotkeys();
    void ScheduleRepeat(int32_t firstDelayMs, int32_t intervalMs);
    bool IsRepeatPress() const;
    // x -1: at the pointer.
    void ShowTooltip(bool fromHover, const CString& text, int32_t x, int32_t y);
    void ShowTooltipAt(bool fromHover, int32_t hotkeyPosition, const CString& text, int32_t x, int32_t y,
                       int32_t hotkeyLength);

    // Row layout of the run of siblings first..last (following next links).
    // gap -999: this window's spacing, else pixels.
    void ArrangeRow(CJWindow* first, CJWindow* last, int32_t offset, bool bottomAlign, bool equalize, int32_t gap);
    // mode 0 keeps left edges, 1 centres, 2 right edges.
    static void EqualizeWidths(CJWindow* first, CJWindow* last, int32_t mode);

    // For the deferred-destroy queue and the owner of a tree: saves the
    // placement, deletes the children front first, unlinks and deletes.
    void DeleteNow();

protected:
    CRect m_Rect;
    CRect m_VisibleRect;
    CRect m_ScreenRect;
    int32_t m_ContentWidth;
    int32_t m_ContentHeight;
    CRect m_ClipRect;
    CSkinTheme* m_pTheme;
    CString m_Text;
    // A copy of its own: the text may change after the placement was named.
    CString m_PlacementName;
    bool m_HasPlacementName;
    bool m_PersistSize;
    int32_t m_HotkeyPosition;
    int32_t m_HotkeyLength;
    int32_t m_HotkeyLetter;
    bool m_Focused;
    bool m_TabStop;
    bool m_HoverWithChildren;
    bool m_OwnHotkey;
    bool m_Visible;
    bool m_Enabled;
    bool m_MovesWhenDisabled;
    bool m_AlwaysOutlined;
    bool m_Modal;
    bool m_Transparent;
    int32_t m_Layer;
    bool m_FirstShown;
    uint32_t m_CapturedButtons;
    float m_Opacity;
    CPoint m_PressPoint;
    // Largest squared distance from the press point during a drag.
    int64_t m_DragDistance;
    int32_t m_Margin;
    int32_t m_Spacing;
    int32_t m_BevelWidth;
    bool m_ParseAmpersand;
    CFont* m_pFont;
    CColor m_TextColor;
    CColor m_BackgroundColor;
    CColor m_HighlightColor;
    CColor m_FocusOutlineColor;
    CColor m_FifthColor;
    CColor m_OutlineColor;
    CJWindow* m_pParent;
    CJWindow* m_pFrontChild;
    CJWindow* m_pBackChild;
    CJWindow* m_pNextSibling;
    CJWindow* m_pPrevSibling;
    bool m_CloseRequested;
    CWindowScrollState* m_pScrollState;
    // Destroyed inside a deferred-destroy scope, waiting for its end.
    bool m_Dying;

protected:
    // Saves the placement, deletes the children front first and unlinks the
    // window; once only.
    virtual void TearDown();

private:
    friend class CWindowWatch;

    void Initialise(CJWindow* parent);
    void DestroyNow();
    void FreeScrollStateWhenEmpty();
    void StoreHotkeySpan(int32_t position, int32_t length, int32_t letter);
    bool AnyChildHasHotkey(int32_t letter) const;
    void LinkFront(CJWindow* child);
    void FocusFirstTabStopOf(CJWindow* child);
    bool AskVisibleChildren(bool (CJWindow::*operation)(bool), bool doIt);
    bool FocusTabStop(bool backward);
    void DrawLayer(COffsetClippedProxyFrame& proxy, int32_t layer);
    void DrawChild(COffsetClippedProxyFrame& proxy, CJWindow* child);
    // The square between two scroll bars, in the window texture.
    void DrawScrollCorner(CFrameInterface& frame);
    // Places a child just linked: by the code, or keeping its rect.
    static void PlaceLinked(CJWindow* child, int32_t code, CJWindow* anchor, int32_t x, int32_t y, int32_t flags);
    // Code 22: at the pointer, which moves along when the window is pushed.
    void PlaceAtPointer(int32_t gx, int32_t gy);

    bool m_TornDown;
    // The weak pointers to this window, cleared when it is deleted.
    CWindowWatch* m_pFirstWatch;
};

// The top of the window's parent chain when it is the root screen window,
// else null.
CScreenWindow* GetScreenWindowOf(CJWindow* window);

// Upper case of ASCII letters; every other code stays as it is.
int32_t UpperCaseKey(int32_t key);

bool RectContains(const CRect& rect, CPoint point);
bool SameRect(const CRect& a, const CRect& b);
// True when the two half-open rectangles share a pixel.
bool RectsIntersect(const CRect& a, const CRect& b);
