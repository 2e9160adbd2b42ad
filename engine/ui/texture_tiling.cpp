#include "engine/ui/texture_tiling.h"

#include "engine/blit/blit_tiling.h"
#include "engine/graphics/frame_interface.h"

void TileTexture(CFrameInterface& frame, CFrameInterface* texture, const CRect& rect)
{
    TileTexture(frame, texture, rect, rect);
}

void TileTexture(CFrameInterface& frame, CFrameInterface* texture, CRect source, CRect destination)
{
    if (texture != nullptr)
        frame.Blit(texture, source, destination, &GetBlitTile());
}
