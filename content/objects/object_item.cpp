#include "content/objects/object_item.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "content/content_tree.h"
#include "engine/object/object.h"
#include "engine/object/object_files.h"

// The object model skips names it does not know, so a misspelt property
// would silently keep its default: every name the hand-written text sets
// must come back in what the object model wrote.
static void CheckEveryNameWasRead(const char* text, const std::string& written, const char* item)
{
    const std::string source = text;
    size_t lineStart = 0;
    while (lineStart < source.size())
    {
        size_t lineEnd = source.find('\n', lineStart);
        if (lineEnd == std::string::npos)
            lineEnd = source.size();
        const std::string line = source.substr(lineStart, lineEnd - lineStart);
        const size_t equals = line.find('=');
        const size_t nameStart = line.find_first_not_of('\t');
        if (equals != std::string::npos && nameStart < equals &&
            written.find("\t" + line.substr(nameStart, equals - nameStart + 1)) == std::string::npos)
        {
            std::fprintf(stderr, "content: \"%s\" sets \"%s\", which its class does not read; it wrote:\n%s", item,
                         line.substr(nameStart, equals - nameStart).c_str(), written.c_str());
            std::exit(1);
        }
        lineStart = lineEnd + 1;
    }
}

void AddObjectFile(CContentTree& tree, const std::string& path, const char* text, const char* item)
{
    std::unique_ptr<CObject> object(
        CreateObjectFromText(reinterpret_cast<const uint8_t*>(text), static_cast<uint32_t>(std::strlen(text))));
    if (!object)
    {
        std::fprintf(stderr, "content: the object text of \"%s\" does not read\n", item);
        std::exit(1);
    }
    uint32_t size = 0;
    uint8_t* bytes = WriteObjectToMemory(object.get(), size);
    std::vector<uint8_t> written(bytes, bytes + size);
    std::free(bytes);
    CheckEveryNameWasRead(text, std::string(written.begin(), written.end()), item);
    tree.Add("Data/" + path, std::move(written), item);
}
