#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"

class CObjectStream;
class Property;

// What the property kinds whose text value is a block of lines (arrays,
// object pointers, nested objects, long texts, blobs) share while reading.

// True when the next non-blank line opens a block ("{" after its indent).
// The stream is left where it was: a value whose block is missing must
// never take its owner's lines, least of all the owner's closing brace.
bool NextLineOpensBlock(CObjectStream& stream);

// While it lives, CurrentFileName is extended by ":" and the property's
// name, so any report raised while the value is read names the file and
// the property ("Levels/Round 1.Vantrell:Background Image").
class CPropertyFileContext
{
public:
    explicit CPropertyFileContext(const Property& property);
    ~CPropertyFileContext();
    CPropertyFileContext(const CPropertyFileContext&) = delete;
    CPropertyFileContext& operator=(const CPropertyFileContext&) = delete;

private:
    CString m_Saved;
};

// Broken data in a text file is fatal: the report names the file, the
// property and the problem, and the program ends with exit code -1.
[[noreturn]] void ReportBrokenPropertyData(const Property& property, const char* problem);

// Element counts from files must be non-negative and small enough that the
// storage of twice as many elements stays within 32-bit sizes; anything
// else comes from damaged data, never from the writer.
bool IsStorableCount(int64_t count, uint32_t elementSize);

// No data of the game comes near this many elements in one array; a text
// line declaring more is damage that would cost gigabytes to read and write.
const uint32_t MAX_TEXT_ELEMENT_COUNT = 1000000;

// The element count declared on an "Item Count" or "Array Count" line of
// object text; a count that is not storable (IsStorableCount) or above
// MAX_TEXT_ELEMENT_COUNT is fatal.
uint32_t ReadDeclaredElementCount(const Property& property, const char* value, uint32_t elementSize);
