#pragma once

#include <string>
#include <vector>

class CContentTree;
class CPicture;

// Adds the sequence "<name>" of the "Sequences" library: its source folder
// "Data/Resources/-<name>/" ("Data/Resources/A/-B/" for the name "A/B")
// with one TGA per frame ("Frame 00.TGA", ...,
// in frame order) and its "Properties.txt", read from the hand-written
// object text of a CSequence and written in the object model's own form.
// No frames gives an empty sequence: only the properties.
void AddSequence(CContentTree& tree, const std::string& name, const std::vector<CPicture>& frames,
                 const char* propertiesText, const char* item);
