#include "engine/core/localization/localization_table.h"

#include <algorithm>

#include "engine/core/program/error_report.h"
#include "engine/core/files/file.h"
#include "engine/core/localization/localized_string.h"
#include "engine/core/files/stream.h"

static const char ENGLISH_PREFIX[] = "ENGLISH: ";
static const char LOCALIZED_PREFIX[] = "LOCALIZED: ";
static const char END_MARK[] = "[END]";
static const uint32_t ENGLISH_PREFIX_LENGTH = sizeof(ENGLISH_PREFIX) - 1;
static const uint32_t LOCALIZED_PREFIX_LENGTH = sizeof(LOCALIZED_PREFIX) - 1;
static const uint32_t END_MARK_LENGTH = sizeof(END_MARK) - 1;

static bool s_TokenCheckEnabled = true;

CLocalizationTable& GetLocalizationTable()
{
    static CLocalizationTable* table = new CLocalizationTable;
    return *table;
}

bool CLocalizationTable::SetTokenCheckEnabled(bool enabled)
{
    bool previous = s_TokenCheckEnabled;
    s_TokenCheckEnabled = enabled;
    return previous;
}

static bool StartsWithNoCase(const CString& line, const char* prefix, uint32_t length)
{
    return line.GetLength() >= length && line.CompareNoCaseN(prefix, length) == 0;
}

static bool StartsAnEntryBlock(const CString& line)
{
    return StartsWithNoCase(line, LOCALIZED_PREFIX, LOCALIZED_PREFIX_LENGTH) ||
           StartsWithNoCase(line, ENGLISH_PREFIX, ENGLISH_PREFIX_LENGTH);
}

static CString UnexpectedLineMessage(const char* expectedPrefix, const CString& line)
{
    CString message("Was expecting to find a line starting with \"");
    message += expectedPrefix;
    message += "\" but instead found \"";
    message += line;
    message += "\".  ";
    return message;
}

// The key under which a text with a translator's comment is stored: the same
// form its entry's English line has in the file.
static CString MakeKey(const CString& text, const char* comment)
{
    CString key(text);
    if (comment && comment[0])
    {
        key += END_MARK;
        key.AppendFormat(" (%s)", comment);
    }
    return key;
}

void CLocalizationTable::ReportError(const char* message, int32_t line, const CString& english)
{
    m_Error = true;
    CString report;
    report.Format("Error in localization text at line %d.  %s", line, message);
    if (!english.IsEmpty())
    {
        report += "  The problem occured in the line with english text of \"";
        report += english;
        report += "\"";
    }
    ShowErrorReport("Error in localization text", report.GetText());
}

void CLocalizationTable::CheckTokens(int32_t line, const CString& english, const CString& translation)
{
    if (!s_TokenCheckEnabled)
        return;
    CString remaining(translation);
    uint32_t length = english.GetLength();
    uint32_t i = 0;
    while (i < length)
    {
        if (english.GetAt(i) != '%')
        {
            i++;
            continue;
        }
        // A percent sign at the very end, or before a blank, comma or full
        // stop, is ordinary text ("100 %.").
        if (i + 1 >= length)
            break;
        char16_t next = english.GetAt(i + 1);
        if (next == ' ' || next == ',' || next == '.')
        {
            i++;
            continue;
        }
        uint32_t tokenLength = 2;
        if (i + 2 < length && english.GetAt(i + 2) == '[')
        {
            int32_t close = english.FindChar(']', i + 2, true);
            if (close < 0)
            {
                ReportError("Bad string to be localized.  No closing ]", line, english);
                i++;
                continue;
            }
            tokenLength = static_cast<uint32_t>(close) - i + 1;
        }
        CString token;
        english.Mid(token, i, tokenLength);
        int32_t found = remaining.Find(token);
        if (found < 0)
        {
            CString message("Bad Localization.  Localized version of the string is missing the \"");
            message += token;
            message += "\" token";
            ReportError(message.GetText(), line, english);
        }
        else
        {
            remaining.Delete(static_cast<uint32_t>(found), tokenLength);
        }
        i += tokenLength;
    }
}

void CLocalizationTable::AddPair(const CString& key, const CString& translation, bool sort)
{
    m_Pairs.Add(Pair{key, translation});
    if (sort)
        SortPairs();
}

void CLocalizationTable::SortPairs()
{
    std::sort(m_Pairs.begin(), m_Pairs.end(),
              [](const Pair& a, const Pair& b) { return a.key.Compare(b.key) < 0; });
}

void CLocalizationTable::AppendMissingText(const CString& text, const char* comment)
{
    const uint32_t flags = m_FromArchives ? OPEN_WRITE : (OPEN_WRITE | OPEN_NAME_UNCHANGED);
    CFile file;
    if (!file.Open(m_FileName.GetText(), flags))
        return;
    file.Seek(file.GetSize());
    CString english(ENGLISH_PREFIX);
    english += text;
    english += END_MARK;
    if (comment && comment[0])
        english.AppendFormat(" (%s)", comment);
    CString localized(LOCALIZED_PREFIX);
    localized += text;
    localized += END_MARK;
    file.WriteLine(english);
    file.WriteLine(localized);
    file.WriteLine("");
    file.Close();
}

void CLocalizationTable::Translate(CString& text, const char* comment, int32_t)
{
    if (text.IsEmpty() || !m_HasPairs)
        return;
    CString key = MakeKey(text, comment);
    const Pair* found = std::lower_bound(m_Pairs.begin(), m_Pairs.end(), key,
                                         [](const Pair& pair, const CString& k) { return pair.key.Compare(k) < 0; });
    if (found != m_Pairs.end() && found->key.Compare(key) == 0)
    {
        text = found->translation;
        return;
    }
    AddPair(key, text, true);
    AppendMissingText(text, comment);
}

void CLocalizationTable::TranslateOne(CString& text, const char* comment, int32_t flag)
{
    CString english(text);
    Translate(text, comment, flag);
    CheckTokens(-1, english, text);
}

// Extends a text over the following lines until one holds the end mark.
void CLocalizationTable::ReadContinuation(CFile& file, CString& text, int32_t& lineNumber)
{
    CString line;
    while (text.Find(END_MARK) < 0)
    {
        if (!file.ReadLine(line))
            return;
        lineNumber++;
        if (StartsAnEntryBlock(line))
        {
            ReportError("Found the begining of a new line before the previous line was properly terminated.  "
                        "The previous line is mising a proper \"[END]\".",
                        lineNumber, text);
        }
        text += "\n";
        text += line;
    }
}

// Reads the rest of the entry whose English line has just been read.
void CLocalizationTable::ReadEntry(CFile& file, const CString& englishLine, int32_t& lineNumber)
{
    CString english;
    englishLine.Mid(english, ENGLISH_PREFIX_LENGTH);
    ReadContinuation(file, english, lineNumber);

    int32_t englishEnd = english.Find(END_MARK);
    if (englishEnd < 0)
        ReportError("Could not find the \"[END]\" in the english version of the string\"", lineNumber, english);
    else if (static_cast<uint32_t>(englishEnd) + END_MARK_LENGTH == english.GetLength())
        english.Delete(static_cast<uint32_t>(englishEnd), END_MARK_LENGTH);

    CString translationLine;
    if (file.ReadLine(translationLine))
        lineNumber++;
    else
        translationLine.Empty();
    if (!StartsWithNoCase(translationLine, LOCALIZED_PREFIX, LOCALIZED_PREFIX_LENGTH))
    {
        ReportError(UnexpectedLineMessage(LOCALIZED_PREFIX, translationLine).GetText(), lineNumber, english);
    }
    CString translation;
    translationLine.Mid(translation, LOCALIZED_PREFIX_LENGTH);
    ReadContinuation(file, translation, lineNumber);

    int32_t translationEnd = translation.Find(END_MARK);
    if (translationEnd < 0)
        ReportError("Could not find the \"[END]\" in the localized version of the string\"", lineNumber, english);
    else
    {
        CString cut;
        translation = translation.Left(cut, static_cast<uint32_t>(translationEnd));
    }

    CString englishText;
    int32_t textEnd = english.Find(END_MARK);
    if (textEnd < 0)
        englishText = english;
    else
        english.Left(englishText, static_cast<uint32_t>(textEnd));
    CheckTokens(lineNumber, englishText, translation);
    AddPair(english, translation, false);
}

void CLocalizationTable::TranslateRegisteredTexts()
{
    LocalizedStringRegistry& registry = GetLocalizedStringRegistry();
    for (CLocalizedStringEntry& entry : registry)
        TranslateOne(*entry.pText, entry.pComment, entry.flag);
}

bool CLocalizationTable::Load(const char* fileName, int32_t)
{
    m_Error = false;
    m_FileName = fileName;

    CFile file;
    m_FromArchives = false;
    if (!file.Open(fileName, OPEN_READ | OPEN_NAME_UNCHANGED | OPEN_WHOLE_FILE))
    {
        m_FromArchives = true;
        if (!file.Open(fileName, OPEN_READ))
        {
            TranslateRegisteredTexts();
            return false;
        }
    }

    m_Pairs.Clear();
    m_Pairs.ReserveExact(10);
    m_HasPairs = true;

    CString line;
    int32_t lineNumber = 0;
    while (file.ReadLine(line))
    {
        lineNumber++;
        if (!StartsWithNoCase(line, ENGLISH_PREFIX, ENGLISH_PREFIX_LENGTH))
        {
            if (line.IsBlank())
                continue;
            ReportError(UnexpectedLineMessage(ENGLISH_PREFIX, line).GetText(), lineNumber, CString());
            continue;
        }
        ReadEntry(file, line, lineNumber);
    }
    if (m_Error)
        ExitAfterFatalError();

    SortPairs();
    file.Close();
    TranslateRegisteredTexts();
    return !m_Error;
}
