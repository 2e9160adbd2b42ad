#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"
#include "engine/core/strings/ref_string.h"

class CFile;

// Translates every registered user-visible text from "Local.txt". Texts the
// file lacks are appended to it with their English as the translation, so
// running the game once over an empty file produces a complete template for
// translators.
class CLocalizationTable
{
public:
    CLocalizationTable() = default;
    CLocalizationTable(const CLocalizationTable&) = delete;
    CLocalizationTable& operator=(const CLocalizationTable&) = delete;

    // Reads the file, then translates every registered text. Any error in
    // the file ends the program after the whole file has been read, so the
    // translator sees every problem at once. The flag is accepted for
    // callers that pass one and means nothing here.
    bool Load(const char* fileName, int32_t flag = 0);

    // Replaces the text by its translation; an unknown text is remembered
    // and appended to the file.
    void Translate(CString& text, const char* comment, int32_t flag = 0);

    // For texts created after start-up: translates and checks that the
    // translation kept every format token.
    void TranslateOne(CString& text, const char* comment, int32_t flag = 0);

    void AddPair(const CString& key, const CString& translation, bool sort);
    void CheckTokens(int32_t line, const CString& english, const CString& translation);
    void ReportError(const char* message, int32_t line, const CString& english);

    bool HasErrors() const { return m_Error; }

    // Editors that store a text with format tokens switch the check off
    // while they do; the answer is the previous setting, for restoring.
    static bool SetTokenCheckEnabled(bool enabled);

private:
    struct Pair
    {
        CString key;
        CString translation;
    };

    void SortPairs();
    void ReadEntry(CFile& file, const CString& englishLine, int32_t& lineNumber);
    void ReadContinuation(CFile& file, CString& text, int32_t& lineNumber);
    void AppendMissingText(const CString& text, const char* comment);
    void TranslateRegisteredTexts();

    CString m_FileName;
    bool m_FromArchives = false;
    bool m_HasPairs = false;
    bool m_Error = false;
    CDynamicArray<Pair> m_Pairs;
};

CLocalizationTable& GetLocalizationTable();
