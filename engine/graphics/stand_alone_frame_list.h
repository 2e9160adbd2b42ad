#pragma once

#include <cstdint>

#include "engine/graphics/frame.h"
#include "engine/graphics/image_filter_chain.h"
#include "engine/graphics/stand_alone_frame.h"
#include "engine/object/libraries/resource_library.h"

class CResourceRef;
class VirtualArray;

// A list of stand-alone frames over a folder of source images ("TGA,RLA"),
// or the compiled frame caches under "Cache" where no source ships. Its
// items are CStandAloneFrame objects, each with its options in
// "<folder>/<name>.txt"; the editor sees them as frames. Two lists exist:
// "Frames" over "Resources" and "User Interface Textures" over
// "Interface/Textures".
class CStandAloneFrameList : public CResourceLibrary<CFrame>
{
public:
    explicit CStandAloneFrameList(ELibraryInstance instance);

    // <folder>/<name>.txt.
    void GetItemFilePath(uint32_t index, CString& out) override;
    CObject* LoadItemFile(const char* folder, const char* name, CObject** out) override;
    ReferenceFactory GetReferenceFactory() override;
    // The frame cache keyword of the storage mode and display depth.
    const char* GetFallbackExtension() override;

    // The steps every item's own options are applied to.
    void SetLoadSteps(const CImageFilterChain& chain);
    const CImageFilterChain& GetLoadSteps();
    // -1 while the list is not listed yet, and for a frame it does not hold.
    int32_t IndexOf(const CFrame* frame);

    static CResourceRef* CreateReference(VirtualArray* list, int32_t index);

private:
    void EnsureLoadSteps();

    CImageFilterChain m_LoadSteps;
    bool m_LoadStepsSet;
};

// The "Frames" list and the "User Interface Textures" list.
CStandAloneFrameList& GetFrameList();
// The "Frames" item of that name; none when the list lacks it, for the
// pictures a data set may leave out.
CFrame* FindNamedFrame(const char* name);
CStandAloneFrameList& GetInterfaceTextureList();
// The interface textures' one step: the display-depth conversion (dithered
// except at 8 bits), set before the list is initialised.
void InitInterfaceTextureList();
