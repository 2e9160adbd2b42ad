#include "engine/graphics/stand_alone_frame_list.h"

#include "engine/graphics/frame_cache_files.h"
#include "engine/graphics/frame_loading.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/stand_alone_frame_ref.h"

CStandAloneFrameList::CStandAloneFrameList(ELibraryInstance instance)
    : CResourceLibrary<CFrame>(instance)
    , m_LoadStepsSet(false)
{
}

void CStandAloneFrameList::GetItemFilePath(uint32_t index, CString& out)
{
    EnsureEnumerated();
    out.Empty();
    const char* itemName = GetName(index);
    if (itemName != nullptr)
        out.AssignPath(GetFolder(), itemName, ".txt");
}

void CStandAloneFrameList::EnsureLoadSteps()
{
    if (m_LoadStepsSet)
        return;
    GetDefaultFrameLoadSteps().CopyStepsInto(m_LoadSteps);
    m_LoadStepsSet = true;
}

// An item found only as a compiled cache ("-<name>.frm16") is still the
// frame <name>: its loader forms the cache name itself.
CObject* CStandAloneFrameList::LoadItemFile(const char* folder, const char* name, CObject** out)
{
    if (name[0] == '-')
        name++;
    EnsureLoadSteps();
    CImageFilterChain chain;
    m_LoadSteps.CopyStepsInto(chain);
    CObject* frame = LoadFrameObject(folder, name, &chain, true, 0, CStandAloneFrame::SGetClassInfo());
    if (out != nullptr)
        *out = frame;
    return frame;
}

ReferenceFactory CStandAloneFrameList::GetReferenceFactory()
{
    return &CStandAloneFrameList::CreateReference;
}

const char* CStandAloneFrameList::GetFallbackExtension()
{
    return CFrame::GetCacheKeyword();
}

void CStandAloneFrameList::SetLoadSteps(const CImageFilterChain& chain)
{
    m_LoadSteps.Clear();
    chain.CopyStepsInto(m_LoadSteps);
    m_LoadStepsSet = true;
}

const CImageFilterChain& CStandAloneFrameList::GetLoadSteps()
{
    EnsureLoadSteps();
    return m_LoadSteps;
}

int32_t CStandAloneFrameList::IndexOf(const CFrame* frame)
{
    if (!IsEnumerated() || frame == nullptr)
        return -1;
    return IndexOfObject(const_cast<CFrame*>(frame));
}

CResourceRef* CStandAloneFrameList::CreateReference(VirtualArray* list, int32_t index)
{
    auto* frames = static_cast<CStandAloneFrameList*>(list);
    return new CStandAloneFrameRef(list, index, frames->GetItemObject(static_cast<uint32_t>(index)));
}

CStandAloneFrameList& GetFrameList()
{
    static CStandAloneFrameList s_Frames(LIBRARY_FRAMES);
    return s_Frames;
}

CFrame* FindNamedFrame(const char* name)
{
    CStandAloneFrameList& frames = GetFrameList();
    const int32_t index = frames.Find(name, -1);
    return index < 0 ? nullptr : frames.GetItemObject(static_cast<uint32_t>(index));
}

CStandAloneFrameList& GetInterfaceTextureList()
{
    static CStandAloneFrameList s_InterfaceTextures(LIBRARY_USER_INTERFACE_TEXTURES);
    return s_InterfaceTextures;
}

void InitInterfaceTextureList()
{
    CStandAloneFrameList& textures = GetInterfaceTextureList();
    CImageFilterChain steps;
    steps.AddStep(GetDisplayBitDepth() == 8 ? IMAGE_STEP_BIT_DEPTH : IMAGE_STEP_BIT_DEPTH_DITHERED);
    textures.SetLoadSteps(steps);
    InitCatalogueLibrary(textures, LIBRARY_USER_INTERFACE_TEXTURES);
}
