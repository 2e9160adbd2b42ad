#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"
#include "engine/core/strings/ref_string.h"

// The keyboard as the message pump leaves it and the game polls it once per
// frame. Keys are numbered by scan code with 0x100 for the extended keys,
// 1..511 (29 and 285 Ctrl, 42 and 54 Shift, 56 and 312 Alt). Each key's word
// holds a down bit, and a pressed bit that stays from the key going down
// until someone takes it, so a tap between two frames is not lost. Typed
// engine key codes (control codes, navigation keys, printable characters)
// wait in a ring of at most nine; character listeners may take a code first.
class CKeyboardState
{
public:
    static constexpr uint32_t KEY_DOWN = 1;
    static constexpr uint32_t KEY_PRESSED = 2;
    static constexpr int32_t KEY_COUNT = 512;
    static constexpr int32_t RING_SLOTS = 10;

    // A listener answers true when it consumed the code.
    typedef bool (*CharacterListener)(void* context, int32_t keyCode);

    CKeyboardState();

    void SetKeyDown(int32_t scanCode);
    // The pressed bit stays until taken or cleared.
    void SetKeyUp(int32_t scanCode);

    // Scan code 0 stands for "no key needed" and always answers true.
    bool IsKeyDown(int32_t scanCode) const;

    // The take operations consume the pressed bit of what they report: a
    // held key answers every time, a tap once. While input is blocked they
    // report nothing and change nothing.
    bool TakeKey(int32_t scanCode);
    // The lowest key down or pressed; 0 when none.
    int32_t TakeAnyKey();
    // The lowest key pressed; 0 when none.
    int32_t TakeAnyPressedKey();
    // Clears pressed bits from key 1 upward until it meets a pressed key
    // other than the given one, and answers it; 0 (and every pressed bit
    // cleared) when there is none.
    int32_t TakeAnyPressedKeyExcept(int32_t scanCode);

    // Without noPump, pending window messages are pumped first, so that
    // keys already queued cannot set bits again afterwards.
    void ClearPressedBits(bool noPump);
    void ClearDownBits(bool noPump);
    void ClearAll(bool noPump);

    // Code 0 is ignored. When the ring is full the oldest code is dropped.
    void PutTypedChar(int32_t keyCode);
    // The oldest code, or 0 when none is waiting.
    int32_t GetTypedChar();
    void ClearTypedQueue(bool noPump);

    // Listeners are asked in the order they were added; answers the context.
    void* AddCharacterListener(CharacterListener listener, void* context);
    void RemoveCharacterListener(CharacterListener listener, void* context);

    // The key's name for the player, or "No Key Mapping".
    CString GetKeyName(int32_t scanCode) const;

    // While blocked (a window that must not let keys through to the game is
    // up) the take operations answer nothing; the bits stay as they are.
    void SetInputBlocked(bool blocked) { m_InputBlocked = blocked; }
    bool IsInputBlocked() const { return m_InputBlocked; }

    CKeyboardState(const CKeyboardState&) = delete;
    CKeyboardState& operator=(const CKeyboardState&) = delete;

private:
    struct ListenerEntry
    {
        CharacterListener listener;
        void* context;
    };

    void ClearBits(uint32_t bits);
    void EmptyRing();

    uint32_t m_Keys[KEY_COUNT];
    uint8_t m_Ring[RING_SLOTS];
    int32_t m_RingCount;
    int32_t m_WriteIndex;
    int32_t m_ReadIndex;
    CPoolArray<ListenerEntry> m_Listeners;
    bool m_InputBlocked;
};

// The one keyboard state, built on first use.
CKeyboardState& GetKeyboardState();
