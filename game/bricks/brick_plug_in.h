#pragma once

#include <cstdint>

#include "engine/object/object.h"
#include "engine/object/reflection.h"

class CBrickBase;
class CFrameInterface;
class CMessage;
class CSprite;

// What a brick hands its plug-ins every frame of play. The brick always
// passes one fixed step; a plug-in that has finished its work sets done,
// which only a sequence acts on.
struct PlugInStepRecord
{
    float step;
    bool done;
};

// What the level editor hands a brick, and the brick its plug-ins, for the
// marks drawn over the brick.
struct EditorDrawContext
{
    CFrameInterface* frame;
    CSprite* sprite;
    int32_t editorCounter;
    bool selected;
    // Always 1.
    uint8_t flags;
    // 255 for a selected brick, else 0: overlays scale their colours by it.
    int32_t intensity;
};

// One piece of a brick's script: a small reflected object that runs beside
// its brick (moves it, waits, fires actions when it is hit or destroyed,
// removes it). Every operation does nothing unless a kind says otherwise.
// A plug-in never owns its brick.
class CBrickPlugIn : public CObject
{
    VP_DECLARE_CLASS(CBrickPlugIn)
public:
    CBrickPlugIn();
    ~CBrickPlugIn() override;

    CBrickPlugIn(const CBrickPlugIn&) = delete;
    CBrickPlugIn& operator=(const CBrickPlugIn&) = delete;

    // The hit, the destruction and messages other scripts send the brick.
    virtual void OnMessage(CMessage& message);
    virtual void SetOwner(CBrickBase* owner);
    virtual void Update(PlugInStepRecord& record);
    // Once, at the brick's first update; runtime state starts afresh here.
    virtual void Start(CSprite* sprite);
    // A plug-in that has replaced or removed its brick sets stop: the
    // brick's update then ends without touching the brick again.
    virtual void AfterUpdate(bool& stop);
    virtual void DrawEditorOverlay(EditorDrawContext& context);
    virtual void AfterDraw(CFrameInterface* frame);

    CBrickBase* GetOwner() const { return m_pOwner; }

private:
    CBrickBase* m_pOwner;
};
