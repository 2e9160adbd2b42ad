#include "content/content_items.h"

#include <algorithm>
#include <cstring>

#include "content/content_tree.h"
#include "content/engine_view.h"
#include "engine/core/settings/paths.h"

static std::vector<CContentItem>& Registered()
{
    static std::vector<CContentItem> items;
    return items;
}

CContentItemRegistration::CContentItemRegistration(const char* name, CContentItem::Maker make, EContentPhase phase)
{
    Registered().push_back({name, make, phase});
}

std::vector<CContentItem> GetContentItems()
{
    std::vector<CContentItem> items = Registered();
    std::sort(items.begin(), items.end(),
              [](const CContentItem& a, const CContentItem& b) { return std::strcmp(a.name, b.name) < 0; });
    return items;
}

bool GenerateContent(const std::filesystem::path& programFolder, CContentTree& tree, uint32_t& changed)
{
    SetDataFolder((programFolder / "Data").string().c_str());
    changed = 0;
    const std::vector<CContentItem> items = GetContentItems();
    for (int phase = 0; phase < CONTENT_PHASE_COUNT; ++phase)
    {
        PrepareEngineForPhase(static_cast<EContentPhase>(phase));
        for (const CContentItem& item : items)
        {
            if (item.phase == phase)
                item.make(tree, item.name);
        }
        uint32_t changedNow = 0;
        if (!tree.WriteTo(programFolder, changedNow))
            return false;
        changed += changedNow;
    }
    return true;
}
