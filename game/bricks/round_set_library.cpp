#include "game/bricks/round_set_library.h"

#include "game/records/stats.h"

namespace {

const char kStandardRoundSet[] = "Vantrell Pellucine Standard";

} // namespace

CResourceLibrary<CRoundSet>& GetRoundSetLibrary()
{
    static CResourceLibrary<CRoundSet> library(LIBRARY_ROUND_SETS);
    return library;
}

CRoundSet* GetCurrentRoundSet()
{
    CResourceLibrary<CRoundSet>& library = GetRoundSetLibrary();
    if (library.GetCount() == 0)
        return nullptr;
    return library.GetItemObject(static_cast<uint32_t>(GetStats().GetRoundSet()));
}

void SelectRoundSet(uint32_t index)
{
    GetStats().SetRoundSet(static_cast<int32_t>(index), GetRoundSetLibrary().GetNameString(index));
}

bool IsStandardRoundSet()
{
    static const int32_t standard = GetRoundSetLibrary().Find(kStandardRoundSet, -1);
    return standard != -1 && GetStats().GetRoundSet() == standard;
}
