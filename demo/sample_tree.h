// A small folder tree the demo creates in the temporary folder, so that it shows the same
// thing on any machine.
#pragma once

#include <string>

// Creates (or refreshes) the tree and returns its two top folders, "left" and "right".
void CreateSampleTree(std::string& left, std::string& right);
