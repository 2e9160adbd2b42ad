#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/core/lists/resource_library_base.h"
#include "engine/graphics/frame.h"
#include "engine/ui/toolkit_state.h"
#include "engine/ui/window.h"

// The shared window textures are looked up when the game hands over its
// libraries, not when the first window is built.

namespace {
// A library of named frames, all loaded.
class CFrameShelf : public CResourceLibraryBase
{
public:
    explicit CFrameShelf(const std::vector<std::string>& names)
        : m_Names(names)
    {
        for (size_t i = 0; i < names.size(); ++i)
            m_Frames.push_back(std::make_unique<CFrame>());
        m_Usage.resize(names.size());
    }

    const char* GetName(uint32_t index) override { return m_Names[index].c_str(); }
    CString GetNameString(uint32_t index) override { return CString(m_Names[index].c_str()); }
    uint32_t GetCount() override { return static_cast<uint32_t>(m_Names.size()); }
    bool IsItemLoaded(uint32_t) override { return true; }
    CResourceUsage& GetUsage(uint32_t index) override { return m_Usage[index]; }
    CObject* GetItemEnsured(uint32_t index) override { return m_Frames[index].get(); }
    void UnloadItem(uint32_t) override {}

    CFrame* FrameNamed(const char* name)
    {
        for (size_t i = 0; i < m_Names.size(); ++i)
            if (m_Names[i] == name)
                return m_Frames[i].get();
        return nullptr;
    }

private:
    std::vector<std::string> m_Names;
    std::vector<std::unique_ptr<CFrame>> m_Frames;
    std::vector<CResourceUsage> m_Usage;
};

TEST(WindowTextures, AreFoundWhenTheLibrariesAreSetWithTheActiveOnesStandingIn)
{
    ResetToolkitState();
    CJWindow* early = new CJWindow(nullptr);
    CFrameShelf frames({});
    CFrameShelf interface({"Window Texture", "Window Title Tile", "Inactive Window Title Tile"});
    SetWindowTextureLibraries(&frames, &interface);
    const CToolkitState& toolkit = GetToolkitState();
    EXPECT_EQ(toolkit.m_pWindowTexture, interface.FrameNamed("Window Texture"));
    EXPECT_EQ(toolkit.m_pWindowTitleTile, interface.FrameNamed("Window Title Tile"));
    EXPECT_EQ(toolkit.m_pInactiveWindowTexture, interface.FrameNamed("Window Texture"));
    EXPECT_EQ(toolkit.m_pInactiveWindowTitleTile, interface.FrameNamed("Inactive Window Title Tile"));

    CFrameShelf empty({});
    SetWindowTextureLibraries(&frames, &empty);
    EXPECT_EQ(toolkit.m_pWindowTexture, nullptr);
    EXPECT_EQ(toolkit.m_pInactiveWindowTitleTile, nullptr);
    early->Destroy();
    ResetToolkitState();
}
} // namespace
