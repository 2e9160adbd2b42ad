// The object text form: the class name on a line of its own, "{", one line
// per written property ("name=value", some followed by a block), "}".
// Lines end in CR LF and are indented with one tab per level. The reader is
// tolerant: blank lines, rulers of hyphens, lines without "=", legacy and
// unknown property names (with any block that follows them) are accepted.

#include <cstring>

#include "engine/core/program/error_report.h"
#include "engine/core/program/profiler.h"
#include "engine/core/lists/virtual_array.h"
#include "engine/object/class_info.h"
#include "engine/object/class_registry.h"
#include "engine/object/dynamic_property_table.h"
#include "engine/object/object.h"
#include "engine/object/object_read_hook.h"
#include "engine/object/object_stream.h"
#include "engine/object/xml_tag.h"
#include "engine/object/properties/property.h"
#include "engine/object/text_lines.h"

namespace
{
CProfileSection s_ReadTextSection("Object_ReadAsciiNoReset");

bool IsRuler(const char* text)
{
    return strncmp(text, "----------", 10) == 0;
}

[[noreturn]] void ReportUnexpectedBrace(const CClassInfo* classInfo)
{
    CString text;
    text.Format("Found unexpected '{' while parsing class \"%s\" in file \"%s\".  ReadCustomProperties was likely "
                "overridden without calling through to the base class for unhandled properties.",
                classInfo->GetClassName(), CurrentFileName().GetText());
    ShowErrorReport("Fatal Error", text.GetText());
    ExitAfterFatalError();
}

[[noreturn]] void ReportUnknownProperty(const CClassInfo* classInfo, const char* name, const char* value)
{
    CString text("Found unknown property \"");
    text.Append(name);
    text.Append("\" with a value of \"");
    text.Append(value);
    text.Append("\" for class ");
    text.Append(classInfo->GetClassName());
    text.Append(" while processing file \"");
    text.Append(CurrentFileName());
    text.Append("\"");
    ShowErrorReport("Fatal Error", text.GetText());
    ExitAfterFatalError();
}

// The text form of the same decision the binary writer makes, plus the
// property's own say and the omit-when-default option.
bool WritesPropertyText(const Property* property, const void* object)
{
    if (!property->IsWrittenInText() || !property->ShouldWrite(object))
        return false;
    return !(property->GetOmitWhenDefault() && property->IsDefault(object));
}
}

void CObject::WriteText(CObjectStream& stream, bool withHeader)
{
    const CClassInfo* classInfo = GetClassInfo();
    if (withHeader)
    {
        stream.WriteLine(classInfo->GetClassName());
        stream.WriteLine("{");
        stream.Indent();
    }
    for (uint32_t i = 0; i < classInfo->GetPropertyCount(); i++)
    {
        const Property* property = classInfo->GetProperty(i);
        if (!WritesPropertyText(property, this))
            continue;
        property->WriteName(this, stream);
        property->WriteValueLine(this, stream);
    }
    WriteCustomProperties(stream);
    if (withHeader)
    {
        stream.Unindent();
        stream.WriteLine("}");
    }
}

bool CObject::ReadText(CObjectStream& stream, bool isInline)
{
    CProfileScope profile(s_ReadTextSection);
    RunObjectReadHook();

    const CClassInfo* classInfo = GetClassInfo();
    CString line;
    if (!isInline)
    {
        if (!stream.ReadNonBlankLine(line))
            return false;
        const char* text = SkipLineIndent(line.GetText());
        if (strcmp(text, "{") != 0)
        {
            // A file of an ancestor class reads into an object of a derived
            // class, never the other way round.
            const CClassInfo* fileClass = GetClassRegistry().Find(text);
            if (fileClass == nullptr || !classInfo->IsKindOf(fileClass))
                return false;
            if (!stream.ReadNonBlankLine(line))
                return false;
            text = SkipLineIndent(line.GetText());
        }
        if (strcmp(text, "{") != 0)
            return false;
    }

    bool firstLine = true;
    const Property* firstInlineProperty = nullptr;
    CString name;
    for (;;)
    {
        const int32_t lineStart = stream.Tell();
        if (!stream.ReadNonBlankLine(line))
            return false;
        const int32_t lineEnd = stream.Tell();
        const char* text = SkipLineIndent(line.GetText());
        if (text[0] == '\0' || IsRuler(text))
            continue;
        if (text[0] == '}')
        {
            if (!isInline)
                return strcmp(text, "}") == 0;
            // The brace closes the enclosing block.
            stream.Seek(static_cast<uint32_t>(lineStart));
            return true;
        }
        if (text[0] == '{')
            ReportUnexpectedBrace(classInfo);

        const char* equals = strchr(text, '=');
        if (equals == nullptr)
            continue;
        name.Assign(text, static_cast<uint32_t>(equals - text));
        const char* value = equals + 1;

        // Identities only matter to streams that track references between
        // objects, which this program never opens.
        if (firstLine && CompareItemNames(name.GetText(), "Object ID") == 0)
        {
            firstLine = false;
            continue;
        }

        const Property* property = classInfo->FindProperty(name.GetText());
        if (property == nullptr)
            property = classInfo->FindPropertyClaiming(name.GetText());
        if (property != nullptr && isInline)
        {
            // Meeting the first property again starts the next inline object.
            if (firstInlineProperty == nullptr)
            {
                firstInlineProperty = property;
            }
            else if (property == firstInlineProperty)
            {
                stream.Seek(static_cast<uint32_t>(lineStart));
                return true;
            }
        }
        if (property != nullptr)
        {
            property->ReadNameValue(this, name.GetText(), value, &stream, lineStart);
            // A property may hand its line back unread: an inline object
            // whose class claims none of it ("Shapes=" with anything but
            // "Array" makes a shape that knows no "Shapes"). Meeting that
            // line again would never end, so it is dropped.
            if (stream.Tell() == lineStart)
                stream.Seek(static_cast<uint32_t>(lineEnd));
            firstLine = false;
            continue;
        }

        const char* colons = strstr(name.GetText(), "::");
        if (colons != nullptr)
        {
            const Property* qualified = classInfo->FindProperty(colons + 2);
            if (qualified != nullptr)
            {
                qualified->FromText(this, value, &stream);
                firstLine = false;
                continue;
            }
        }
        if (CompareItemNames(name.GetText(), "Referenced Object List Location") == 0)
            continue;

        if (isInline)
        {
            stream.Seek(static_cast<uint32_t>(lineStart));
            return true;
        }
        ReadCustomProperties(name.GetText(), value, stream);
        firstLine = false;
    }
}

void CObject::ReadCustomProperties(const char* name, const char* value, CObjectStream& stream)
{
    const CClassInfo* classInfo = GetClassInfo();
    const Property* dynamic = classInfo->GetDynamicPropertyTable()->FindByName(name);
    if (dynamic != nullptr)
    {
        if (value[0] != '\0' && strcmp(value, "0") != 0)
        {
            dynamic->FromText(dynamic->GetValueStorage(this), value, &stream);
            return;
        }
    }
    else if (classInfo->IsStrict() && !classInfo->IsIgnoredPropertyName(name))
    {
        ReportUnknownProperty(classInfo, name, value);
    }
    SkipUnknownBlock(stream);
}

void CObject::SkipUnknownBlock(CObjectStream& stream)
{
    const int32_t afterLine = stream.Tell();
    CString line;
    if (!stream.ReadNonBlankLine(line))
        return;
    const char* text = SkipLineIndent(line.GetText());
    if (text[0] == 'C' && strchr(text, '=') == nullptr)
    {
        if (!stream.ReadNonBlankLine(line))
            return;
        text = SkipLineIndent(line.GetText());
    }
    if (text[0] != '{')
    {
        stream.Seek(static_cast<uint32_t>(afterLine));
        return;
    }
    int32_t depth = 1;
    while (depth > 0 && stream.ReadLine(line))
    {
        text = SkipLineIndent(line.GetText());
        if (text[0] == '{')
            depth++;
        else if (text[0] == '}')
            depth--;
    }
}

void CObject::WriteXml(CObjectStream& stream)
{
    const CClassInfo* classInfo = GetClassInfo();
    const CString tag = MakeXmlTag(classInfo->GetClassName());
    CString line("<");
    line += tag;
    line += ">";
    stream.WriteLine(line);
    stream.Indent();
    for (uint32_t i = 0; i < classInfo->GetPropertyCount(); i++)
    {
        const Property* property = classInfo->GetProperty(i);
        if (property->GetNameString().HasText() && property->ShouldWrite(this))
            property->WriteXmlElement(this, stream);
    }
    WriteCustomXml(stream);
    stream.Unindent();
    line = "</";
    line += tag;
    line += ">";
    stream.WriteLine(line);
}
