#include "game/playfield/named_sequence.h"

#include "engine/graphics/sequence_list.h"

CSequence* NamedSequenceOrFail(const char* name)
{
    CSequenceList& sequences = GetSequenceList();
    return sequences.GetItemObject(static_cast<uint32_t>(sequences.FindOrFail(name, 0)));
}
