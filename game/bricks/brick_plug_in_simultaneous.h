#pragma once

#include <cstdint>

#include "game/bricks/brick_plug_in_proxy.h"

// Plug-ins that all run at the same time, in order: every brick's script
// ("PlugIns") is one. It owns its children, so copying a brick copies the
// whole script and every placed brick runs plug-ins of its own.
class CBrickPlugInSimultaneous : public CBrickPlugInProxy
{
    VP_DECLARE_CLASS(CBrickPlugInSimultaneous)
public:
    CBrickPlugInSimultaneous();
    ~CBrickPlugInSimultaneous() override;

    uint32_t GetChildCount() const override { return m_PlugInCount; }
    CBrickPlugIn* GetChild(uint32_t index) const override { return m_pPlugIns[index]; }

    // Appends the plug-in, owned from now on, and gives it this container's
    // owner: the game adds plug-ins to live bricks.
    void AddPlugIn(CBrickPlugIn* plugIn);
    // Takes the first entry that is the plug-in out of the list, keeping
    // the others' order, without deleting it; nothing when it is no child.
    void RemovePlugIn(CBrickPlugIn* plugIn);
    // Deletes every child, last first. Then a container given takes its
    // place (its children in their order; the emptied container is
    // deleted), any other plug-in becomes the only child, and none leaves
    // the list empty. The owner is not set: the brick sets it before it
    // next uses its plug-ins.
    void ReplaceAll(CBrickPlugIn* plugIn);

private:
    void Append(CBrickPlugIn* plugIn);
    void DeleteAllChildren();

    // Owned; entries may be null.
    CBrickPlugIn** m_pPlugIns;
    uint32_t m_PlugInCount;
    uint32_t m_PlugInCapacity;
};
