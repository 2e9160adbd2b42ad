#include "tests/support/standard_round_set.h"

#include <string>

#include "engine/object/libraries/library_catalogue.h"
#include "game/bricks/round_library.h"
#include "game/bricks/round_set_library.h"
#include "game/records/stats.h"
#include "tests/support/scoped_temp_folder.h"

void SetUpStandardRoundSet(ScopedTempFolder& folder)
{
    for (const char* name : {"A", "B", "C", "Template"})
        folder.WriteFile(std::string("Data/Resources/") + name + ".Vantrell",
                         std::string("CBrickLayout\r\n{\r\n\tDisplay Name=") + name + "\r\n}\r\n");
    folder.WriteFile("Data/Resources/Standard.VantrellZK",
                     "CRoundSetSeparateFiles\r\n{\r\n\tRound=A\r\n\tRound=B\r\n\tRound=C\r\n}\r\n");
    InitCatalogueLibrary(GetRoundLibrary(), LIBRARY_ROUNDS);
    InitCatalogueLibrary(GetRoundSetLibrary(), LIBRARY_ROUND_SETS);
    GetStats().CopyFrom(CStats());
    GetStats().ApplyPlayerRules();
    SelectRoundSet(0);
}

void TearDownStandardRoundSet()
{
    GetRoundSetLibrary().DeleteAllItems();
    GetRoundLibrary().DeleteAllItems();
}
