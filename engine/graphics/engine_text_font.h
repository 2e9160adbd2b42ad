#pragma once

class CFont;

// The font of the engine's own on-screen text (polygon edge numbers and the
// like). The game object owns that font; it sits above graphics, so it tells
// this layer where to find the font instead of graphics asking upward.
using EngineTextFontSource = CFont* (*)();

void SetEngineTextFontSource(EngineTextFontSource source);
// None when no source is set or the source has no font yet.
CFont* GetEngineTextFont();
