#pragma once

#include <cstdint>

// Words that do something when typed (cheats and hidden switches): each
// character about to enter the keyboard's typed ring is shown to every
// word, newest first; a word whose characters arrive one after another, in
// either case, runs its callback on its last one and starts again. A
// character that does not continue a word sends it back to its start, so
// one character may advance several words. Words never keep a character
// from the ring.
class CTypedWordTriggers
{
public:
    typedef void (*Callback)();

    CTypedWordTriggers();
    ~CTypedWordTriggers();

    // The word is kept by pointer (callers pass string constants). The
    // first word makes the triggers listen to the keyboard.
    void Add(const char* word, Callback callback);

    // Matching starts switched off. Switched off, characters are not looked
    // at and each word keeps how far it was typed.
    void Enable() { m_Enabled = true; }
    void Disable() { m_Enabled = false; }

    // The keyboard's character listener; always answers false.
    static bool Match(void* context, int32_t keyCode);

    CTypedWordTriggers(const CTypedWordTriggers&) = delete;
    CTypedWordTriggers& operator=(const CTypedWordTriggers&) = delete;

private:
    struct Entry
    {
        const char* word;
        Callback callback;
        Entry* pNext;
        const char* cursor;
    };

    void MatchCharacter(int32_t keyCode);

    Entry* m_pHead;
    bool m_Enabled;
    bool m_Listening;
};

// The game's one set of typed words, there from before the program's main
// code runs until exit.
CTypedWordTriggers& GetTypedWordTriggers();
