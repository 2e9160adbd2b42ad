#include "engine/ui/texture_tiling.h"

#include "engine/blit/blit_tiling.h"
#include "engine/graphics/frame_interface.h"

void TileTexture(CFrameInterface& frame, CFrameInterface* texture, const CRect& rect)
{
    if (texture == nullptr)
        return;
    CRect source = rect;
    CRect destination = rect;
    frame.Blit(texture, source, destination, &GetBlitTile());
}
