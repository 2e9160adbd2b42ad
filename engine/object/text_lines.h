#pragma once

// Object text files are indented with tabs, but hand-edited ones may use
// blanks: readers skip both (and stray CR and LF) before looking at a line.
inline const char* SkipLineIndent(const char* text)
{
    while (*text == '\t' || *text == ' ' || *text == '\r' || *text == '\n')
        text++;
    return text;
}
