#include "engine/app/input/keyboard_state.h"

#include <cstring>

#include "engine/app/pump_system_events.h"
#include "engine/core/localization/localized_string.h"
#include "engine/platform/key_names.h"

static CLocalizedString s_NoKeyMapping("No Key Mapping");

static bool IsKey(int32_t scanCode)
{
    return scanCode > 0 && scanCode < CKeyboardState::KEY_COUNT;
}

CKeyboardState::CKeyboardState()
    : m_RingCount(0)
    , m_WriteIndex(0)
    , m_ReadIndex(0)
    , m_InputBlocked(false)
{
    std::memset(m_Keys, 0, sizeof(m_Keys));
    std::memset(m_Ring, 0, sizeof(m_Ring));
}

void CKeyboardState::SetKeyDown(int32_t scanCode)
{
    if (IsKey(scanCode))
        m_Keys[scanCode] |= KEY_DOWN | KEY_PRESSED;
}

void CKeyboardState::SetKeyUp(int32_t scanCode)
{
    if (IsKey(scanCode))
        m_Keys[scanCode] &= ~KEY_DOWN;
}

bool CKeyboardState::IsKeyDown(int32_t scanCode) const
{
    if (scanCode == 0)
        return true;
    return IsKey(scanCode) && (m_Keys[scanCode] & KEY_DOWN) != 0;
}

bool CKeyboardState::TakeKey(int32_t scanCode)
{
    if (m_InputBlocked || !IsKey(scanCode) || (m_Keys[scanCode] & (KEY_DOWN | KEY_PRESSED)) == 0)
        return false;
    m_Keys[scanCode] &= ~KEY_PRESSED;
    return true;
}

int32_t CKeyboardState::TakeAnyKey()
{
    if (m_InputBlocked)
        return 0;
    for (int32_t key = 1; key < KEY_COUNT; key++)
    {
        if (m_Keys[key] & (KEY_DOWN | KEY_PRESSED))
        {
            m_Keys[key] &= ~KEY_PRESSED;
            return key;
        }
    }
    return 0;
}

int32_t CKeyboardState::TakeAnyPressedKey()
{
    if (m_InputBlocked)
        return 0;
    for (int32_t key = 1; key < KEY_COUNT; key++)
    {
        if (m_Keys[key] & KEY_PRESSED)
        {
            m_Keys[key] &= ~KEY_PRESSED;
            return key;
        }
    }
    return 0;
}

int32_t CKeyboardState::TakeAnyPressedKeyExcept(int32_t scanCode)
{
    if (m_InputBlocked)
        return 0;
    for (int32_t key = 1; key < KEY_COUNT; key++)
    {
        if ((m_Keys[key] & KEY_PRESSED) == 0)
            continue;
        m_Keys[key] &= ~KEY_PRESSED;
        if (key != scanCode)
            return key;
    }
    return 0;
}

void CKeyboardState::ClearBits(uint32_t bits)
{
    for (int32_t key = 1; key < KEY_COUNT; key++)
        m_Keys[key] &= ~bits;
}

void CKeyboardState::EmptyRing()
{
    m_RingCount = 0;
    m_ReadIndex = m_WriteIndex;
}

void CKeyboardState::ClearPressedBits(bool noPump)
{
    if (!noPump)
        PumpSystemEvents();
    ClearBits(KEY_PRESSED);
}

void CKeyboardState::ClearDownBits(bool noPump)
{
    if (!noPump)
        PumpSystemEvents();
    ClearBits(KEY_DOWN);
}

// Each pump in between absorbs messages that were already queued, which
// would otherwise set bits again after they were cleared.
void CKeyboardState::ClearAll(bool noPump)
{
    ClearPressedBits(noPump);
    ClearDownBits(noPump);
    ClearTypedQueue(noPump);
}

void CKeyboardState::PutTypedChar(int32_t keyCode)
{
    if (keyCode == 0)
        return;
    // The ring can be written from inside a listener (a word trigger that
    // types), so the listener count is read afresh on every step.
    for (uint32_t i = 0; i < m_Listeners.GetCount(); i++)
    {
        const ListenerEntry entry = m_Listeners[i];
        if (entry.listener(entry.context, keyCode))
            return;
    }
    m_Ring[m_WriteIndex] = static_cast<uint8_t>(keyCode);
    m_WriteIndex = (m_WriteIndex + 1) % RING_SLOTS;
    m_RingCount++;
    if (m_RingCount == RING_SLOTS)
    {
        m_RingCount = RING_SLOTS - 1;
        m_ReadIndex = (m_ReadIndex + 1) % RING_SLOTS;
    }
}

int32_t CKeyboardState::GetTypedChar()
{
    if (m_RingCount == 0)
        return 0;
    const int32_t keyCode = m_Ring[m_ReadIndex];
    m_ReadIndex = (m_ReadIndex + 1) % RING_SLOTS;
    m_RingCount--;
    return keyCode;
}

void CKeyboardState::ClearTypedQueue(bool noPump)
{
    if (!noPump)
        PumpSystemEvents();
    EmptyRing();
}

void* CKeyboardState::AddCharacterListener(CharacterListener listener, void* context)
{
    m_Listeners.Append({ listener, context });
    return context;
}

void CKeyboardState::RemoveCharacterListener(CharacterListener listener, void* context)
{
    for (uint32_t i = 0; i < m_Listeners.GetCount(); i++)
    {
        if (m_Listeners[i].listener == listener && m_Listeners[i].context == context)
        {
            m_Listeners.RemoveAt(i);
            return;
        }
    }
}

CString CKeyboardState::GetKeyName(int32_t scanCode) const
{
    const char* name = GetKeyNameForScanCode(scanCode);
    return name ? CString(name) : s_NoKeyMapping.GetText();
}

// Never torn down: listeners with static lifetime (the typed-word triggers)
// leave it from their destructors at exit, in whatever order those run.
CKeyboardState& GetKeyboardState()
{
    static CKeyboardState* keyboard = new CKeyboardState;
    return *keyboard;
}
