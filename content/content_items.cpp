#include "content/content_items.h"

#include <algorithm>
#include <cstring>

#include "content/content_tree.h"

static std::vector<CContentItem>& Registered()
{
    static std::vector<CContentItem> items;
    return items;
}

CContentItemRegistration::CContentItemRegistration(const char* name, CContentItem::Maker make)
{
    Registered().push_back({name, make});
}

std::vector<CContentItem> GetContentItems()
{
    std::vector<CContentItem> items = Registered();
    std::sort(items.begin(), items.end(),
              [](const CContentItem& a, const CContentItem& b) { return std::strcmp(a.name, b.name) < 0; });
    return items;
}

void MakeContent(CContentTree& tree)
{
    for (const CContentItem& item : GetContentItems())
        item.make(tree, item.name);
}
