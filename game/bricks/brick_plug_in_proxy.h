#pragma once

#include <cstdint>

#include "game/bricks/brick_plug_in.h"

// A plug-in made of plug-ins: the part the parallel container and the
// sequence share. Messages, updates, starts, after-updates and after-draws
// go to the active children; the owner and the editor overlays go to all.
//
// Children may add plug-ins to the brick or destroy it while a call runs,
// so the loop reads the count again after every child instead of holding
// it; a null child is skipped. One step record and one message are shared
// by all children: a container's record shows done when any child set it,
// and a handled flag set by one child is seen by the later ones.
class CBrickPlugInProxy : public CBrickPlugIn
{
    VP_DECLARE_CLASS(CBrickPlugInProxy)
public:
    CBrickPlugInProxy();
    ~CBrickPlugInProxy() override;

    void OnMessage(CMessage& message) override;
    void SetOwner(CBrickBase* owner) override;
    void Update(PlugInStepRecord& record) override;
    void Start(CSprite* sprite) override;
    // Stops at the first child that sets the stop flag: the brick may be
    // gone, and the later children must not act on it.
    void AfterUpdate(bool& stop) override;
    void DrawEditorOverlay(EditorDrawContext& context) override;
    void AfterDraw(CFrameInterface* frame) override;

    virtual uint32_t GetChildCount() const = 0;
    // May be null.
    virtual CBrickPlugIn* GetChild(uint32_t index) const = 0;
    // The children that run now; all of them unless a kind says otherwise.
    virtual uint32_t GetActiveChildCount() const;
    virtual CBrickPlugIn* GetActiveChild(uint32_t index) const;

private:
    // Calls the operation on each active (or every) child by the loop
    // above; answers false when the operation asked to stop.
    template <typename Operation>
    bool ForEachChild(bool activeOnly, Operation operation);
};
