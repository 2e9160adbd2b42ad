#include "engine/graphics/sequence_list.h"

#include "engine/core/settings/paths.h"
#include "engine/graphics/sequence_ref.h"
#include "engine/object/properties/array_property.h"
#include "engine/object/properties/object_pointer_property.h"
#include "engine/object/properties/point_property.h"

namespace {

ObjectPointerProperty* s_pCoordinatesProperty =
    new ObjectPointerProperty("Sequence of Coordinates", DynamicValueMember<CObject*>(),
                              CSequenceOfCoordinates::SGetClassInfo(), EDITOR_EDITABLE, nullptr);
AttachDynamicProperty s_AttachCoordinates(s_pCoordinatesProperty, CSequence::SGetClassInfo(), 0, nullptr);

const ArrayProperty* GetCoordinatesArray()
{
    static const auto* s_pArray =
        static_cast<const ArrayProperty*>(CSequenceOfCoordinates::SGetClassInfo()->FindProperty("Coordinates"));
    return s_pArray;
}

} // namespace

CSequenceList::CSequenceList()
    : CResourceLibrary<CSequence>(LIBRARY_SEQUENCES)
    , m_LoadStepsSet(false)
{
}

// Items are folders: the item A/B is the folder <folder>/A/-B.
void CSequenceList::GetItemFilePath(uint32_t index, CString& out)
{
    EnsureEnumerated();
    out.Empty();
    const char* itemName = GetName(index);
    if (itemName == nullptr)
        return;
    const char* namePart = GetFileNamePart(itemName);
    CString path;
    path.Assign(itemName, static_cast<uint32_t>(namePart - itemName));
    out.AssignPath(GetFolder(), path.GetText());
    out.AppendPath("-");
    out += namePart;
    out.AppendPath("Properties.txt");
}

CObject* CSequenceList::LoadItemFile(const char* folder, const char* name, CObject** out)
{
    CSequence* sequence = new CSequence;
    if (out != nullptr)
        *out = sequence;
    if (!m_LoadStepsSet)
    {
        GetDefaultSequenceLoadSteps()->CopyStepsInto(m_LoadSteps);
        m_LoadStepsSet = true;
    }
    CImageFilterChain chain;
    m_LoadSteps.CopyStepsInto(chain);
    // Defaults first: a sequence whose load fails still has a frame rate,
    // a blit type and options that make sense.
    sequence->SetDefaults();
    sequence->LoadSequence(folder, name, &chain);
    return sequence;
}

ReferenceFactory CSequenceList::GetReferenceFactory()
{
    return &CSequenceList::CreateReference;
}

const char* CSequenceList::GetFallbackExtension()
{
    return CSequence::GetCacheKeyword();
}

// The library's own get-by-index runs the enumeration, takes item 0 for an
// index past the end, reports an item that asks for itself while loading,
// loads it and records its use.
CResourceRef* CSequenceList::CreateReference(VirtualArray* list, int32_t index)
{
    auto* sequences = static_cast<CSequenceList*>(list);
    CSequence* sequence = sequences->GetItemObject(static_cast<uint32_t>(index));
    return new CSequenceRef(list, index, sequence);
}

CSequenceList& GetSequenceList()
{
    static CSequenceList s_SequenceList;
    return s_SequenceList;
}

VP_IMPLEMENT_CLASS(CSequenceOfCoordinates, CObject, 0.0f)

void CSequenceOfCoordinates::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new ArrayProperty(
        "Coordinates", VP_MEMBER(m_Count), VP_MEMBER(m_Capacity), VP_MEMBER(m_pCoordinates), "m_Coordinates", true,
        new PointProperty("Coordinate", ArrayElementMember<CPoint>(), EDITOR_EDITABLE, nullptr, nullptr),
        EDITOR_EDITABLE));
}

CSequenceOfCoordinates::CSequenceOfCoordinates()
    : m_pCoordinates(nullptr)
    , m_Count(0)
    , m_Capacity(0)
{
    ConstructProperties(SGetClassInfo());
}

CSequenceOfCoordinates::~CSequenceOfCoordinates()
{
    DestroyProperties(SGetClassInfo());
}

void CSequenceOfCoordinates::ExtendTo(uint32_t count)
{
    if (m_Count >= count)
        return;
    // Room for exactly the frames first, so a long sequence does not grow
    // its points one by one.
    if (m_Capacity < count)
        GetCoordinatesArray()->SetCount(this, count, -1, true);
    else
        GetCoordinatesArray()->SetCount(this, count);
}

CSequenceOfCoordinates* GetSequenceCoordinates(CSequence* sequence)
{
    if (sequence == nullptr || !s_pCoordinatesProperty->HasValue(sequence))
        return nullptr;
    CObject* coordinates = s_pCoordinatesProperty->GetValue(sequence);
    if (coordinates == nullptr)
    {
        coordinates = new CSequenceOfCoordinates;
        coordinates->SetDefaults();
        s_pCoordinatesProperty->SetValue(sequence, coordinates);
    }
    return static_cast<CSequenceOfCoordinates*>(coordinates);
}
