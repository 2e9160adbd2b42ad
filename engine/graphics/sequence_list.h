#pragma once

#include <cstdint>

#include "engine/core/geometry/point.h"
#include "engine/graphics/image_filter_chain.h"
#include "engine/graphics/sequence.h"
#include "engine/object/libraries/resource_library.h"

class CResourceRef;
class VirtualArray;

// The list of every sequence of the game ("Sequences" over "Resources"):
// its items are the source folders named "-<name>", or, where no source
// folder ships, the compiled caches or strips under "Cache". An item loads
// through its own copy of the list's load steps; a sequence that fails to
// load stays in the list without frames.
class CSequenceList : public CResourceLibrary<CSequence>
{
public:
    CSequenceList();

    // <folder>/<path>/-<name>/Properties.txt.
    void GetItemFilePath(uint32_t index, CString& out) override;
    CObject* LoadItemFile(const char* folder, const char* name, CObject** out) override;
    ReferenceFactory GetReferenceFactory() override;
    // The compiled form of the storage mode and display depth.
    const char* GetFallbackExtension() override;

    // A playing reference to the item (item 0 for an index past the end);
    // its sequence is null for an empty list.
    static CResourceRef* CreateReference(VirtualArray* list, int32_t index);

private:
    CImageFilterChain m_LoadSteps;
    bool m_LoadStepsSet;
};

// The game's one sequence list.
CSequenceList& GetSequenceList();

// Per-frame points of a sequence, relative to its hot spot (where a hand
// holds something in each frame of an animation). Entry i belongs to frame
// i; game code reads entry f x use-every for frame f.
class CSequenceOfCoordinates : public CObject
{
    VP_DECLARE_CLASS(CSequenceOfCoordinates)
public:
    CSequenceOfCoordinates();
    ~CSequenceOfCoordinates() override;

    uint32_t GetCount() const { return m_Count; }
    const CPoint& GetCoordinate(uint32_t index) const { return m_pCoordinates[index]; }
    // Grows the array with (0, 0) points up to the count.
    void ExtendTo(uint32_t count);
    void SetCoordinate(uint32_t index, CPoint point) { m_pCoordinates[index] = point; }

private:
    CPoint* m_pCoordinates;
    uint32_t m_Count;
    uint32_t m_Capacity;
};

// The sequence's points: null when it holds no "Sequence of Coordinates"
// value; a held but empty value gets a new defaulted object first.
CSequenceOfCoordinates* GetSequenceCoordinates(CSequence* sequence);
