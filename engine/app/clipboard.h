#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"

// Puts a block under a format name, replacing the whole clipboard. "Text" is
// 8-bit text with its terminator; every other name (among them
// "UnicodeText", 16-bit text with its terminator) is a format of its own.
void SetClipboardData(const char* format, const void* bytes, uint32_t size);
// A copy of the block under the format, owned by the caller (delete[]), and
// its size when asked; null when the clipboard holds none.
uint8_t* GetClipboardData(const char* format, uint32_t* size);

// Text and private blocks on the clipboard. It keeps the last block it
// fetched: a block answered by GetData stays valid until the next fetch.
class CClipboard
{
public:
    ~CClipboard();

    // A 16-bit string goes as "UnicodeText", an 8-bit one as "Text".
    void SetText(const CString& text);
    void SetData(const char* format, const void* bytes, uint32_t size);
    // "UnicodeText" first (made 8-bit when every character fits), else
    // "Text"; false and the string unchanged when neither is there. A block
    // read only up to its size, terminated or not.
    bool GetText(CString& text);
    // Null when absent.
    const uint8_t* GetData(const char* format, uint32_t* size);

private:
    // Fetches the format's block as the last block, freeing the previous.
    const uint8_t* Fetch(const char* format, uint32_t* size);

    uint8_t* m_pLastBlock = nullptr;
};

// Built on first use.
CClipboard& GetClipboard();
