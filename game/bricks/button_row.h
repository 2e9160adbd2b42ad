#pragma once

#include <initializer_list>

class CJButton;
class CJWindow;

// Adds the buttons to the parent in one row under the anchor, spread
// across the parent with equal gaps (the gaps at the ends included). Same
// size makes every button as wide as the widest.
void AddButtonRow(CJWindow* parent, CJWindow* anchor, std::initializer_list<CJButton*> buttons, bool sameSize);
