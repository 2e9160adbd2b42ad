#pragma once

#include <memory>

class CTessivueDisplay;

// The menu's music: "Theme.ogg" as the ambient song, and the ambient level.
void RequestMenuMusic();

// The score board's text box over the fonts "Small Blue" (normal), "Tessivue"
// (alternate) and "OCR Monospaced Numbers" (numbers) and the layout's box.
// A font the data lacks shows no lines in its code: start-up goes on.
std::unique_ptr<CTessivueDisplay> CreateTextBox();
