#include "engine/object/properties/property_reading.h"

#include <cstdint>

#include "engine/core/program/error_report.h"
#include "engine/core/strings/decimal_number.h"
#include "engine/core/lists/virtual_array.h"
#include "engine/object/object_stream.h"
#include "engine/object/properties/property.h"
#include "engine/object/text_lines.h"

bool NextLineOpensBlock(CObjectStream& stream)
{
    const int32_t position = stream.Tell();
    CString line;
    const bool opens = stream.ReadNonBlankLine(line) && SkipLineIndent(line.GetText())[0] == '{';
    stream.Seek(static_cast<uint32_t>(position));
    return opens;
}

CPropertyFileContext::CPropertyFileContext(const Property& property)
    : m_Saved(CurrentFileName())
{
    CString& fileName = CurrentFileName();
    fileName += ":";
    fileName += property.GetNameString();
}

CPropertyFileContext::~CPropertyFileContext()
{
    CurrentFileName() = m_Saved;
}

void ReportBrokenPropertyData(const Property& property, const char* problem)
{
    CString text;
    text.Format("The file \"%s\" is damaged: the value of \"%s\" %s.", CurrentFileName().GetText(),
                property.GetName(), problem);
    ShowErrorReport("Fatal Error", text.GetText());
    ExitAfterFatalError();
}

uint32_t ReadDeclaredElementCount(const Property& property, const char* value, uint32_t elementSize)
{
    const int32_t count = ParseDecimalInt(value);
    if (!IsStorableCount(count, elementSize) || count > static_cast<int32_t>(MAX_TEXT_ELEMENT_COUNT))
        ReportBrokenPropertyData(property, "declares an element count that no array of a file may hold");
    return static_cast<uint32_t>(count);
}

bool IsStorableCount(int64_t count, uint32_t elementSize)
{
    const int64_t element = elementSize != 0 ? elementSize : 1;
    return count >= 0 && count <= INT32_MAX / 2 / element;
}
