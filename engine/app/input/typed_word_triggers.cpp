#include "engine/app/input/typed_word_triggers.h"

#include <cctype>

#include "engine/app/input/keyboard_state.h"

CTypedWordTriggers::CTypedWordTriggers()
    : m_pHead(nullptr)
    , m_Enabled(false)
    , m_Listening(false)
{
}

CTypedWordTriggers::~CTypedWordTriggers()
{
    if (m_Listening)
        GetKeyboardState().RemoveCharacterListener(Match, this);
    while (m_pHead)
    {
        Entry* next = m_pHead->pNext;
        delete m_pHead;
        m_pHead = next;
    }
}

void CTypedWordTriggers::Add(const char* word, Callback callback)
{
    m_pHead = new Entry{ word, callback, m_pHead, word };
    if (!m_Listening)
    {
        GetKeyboardState().AddCharacterListener(Match, this);
        m_Listening = true;
    }
}

bool CTypedWordTriggers::Match(void* context, int32_t keyCode)
{
    static_cast<CTypedWordTriggers*>(context)->MatchCharacter(keyCode);
    return false;
}

static int UpperCase(int character)
{
    return std::toupper(static_cast<unsigned char>(character));
}

// A mismatch restarts the word without trying the character against its
// first letter again: with the word "ab", typing a, a, b completes nothing.
void CTypedWordTriggers::MatchCharacter(int32_t keyCode)
{
    if (!m_Enabled)
        return;
    const int typed = UpperCase(keyCode & 0xFF);
    for (Entry* entry = m_pHead; entry; entry = entry->pNext)
    {
        if (UpperCase(*entry->cursor) != typed)
        {
            entry->cursor = entry->word;
            continue;
        }
        entry->cursor++;
        if (*entry->cursor == 0)
        {
            entry->cursor = entry->word;
            entry->callback();
        }
    }
}

CTypedWordTriggers& GetTypedWordTriggers()
{
    static CTypedWordTriggers triggers;
    return triggers;
}

[[maybe_unused]] static CTypedWordTriggers& s_TypedWordTriggersAtStart = GetTypedWordTriggers();
