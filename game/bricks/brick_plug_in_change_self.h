#pragma once

#include <cstdint>

#include "game/bricks/brick_plug_in.h"

class CBrickBase;

// Turns its brick into a brick of another style after a number of updates:
// what a destroyed Change Area brick adds to the bricks around it. It takes
// itself out of whichever container holds it before the brick is replaced,
// so the new brick neither inherits it nor frees it a second time.
class CBrickPlugInChangeSelfAfterDelay : public CBrickPlugIn
{
    VP_DECLARE_CLASS(CBrickPlugInChangeSelfAfterDelay)
public:
    CBrickPlugInChangeSelfAfterDelay();
    ~CBrickPlugInChangeSelfAfterDelay() override;

    void Update(PlugInStepRecord& record) override;
    // Replaces the brick once the count is 0, then deletes itself; the stop
    // flag ends the old brick's update.
    void AfterUpdate(bool& stop) override;

    uint32_t m_UpdatesUntilChange;
    int32_t m_ChangeToBrickStyle;
};

// A change-self plug-in of the style index after the seconds, rounded to
// whole updates.
CBrickPlugInChangeSelfAfterDelay* CreateChangeSelfAfterDelay(float seconds, int32_t styleIndex);

// Puts a new brick of the style in the live brick's place in the brick list,
// with the old brick's name, place and script (copied). The old sprite, with
// its brick, is deleted after this update, since the call may come from
// inside that sprite's own update. False, changing nothing, when the style
// makes no brick or no game loop runs to delete the old sprite.
bool ReplaceBrickWithStyle(CBrickBase* brick, int32_t styleIndex);
