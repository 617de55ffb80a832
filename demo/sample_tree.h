// A small folder tree the demo creates in the temporary folder, so that it shows the same
// thing on any machine.
#pragma once

#include <string>

// Creates (or refreshes) the tree and returns its two top folders, "left" and "right".
// Its files and folders carry names in several scripts (accented Latin, Greek, Cyrillic, CJK,
// Hangul, an emoji outside the Basic Multilingual Plane).
void CreateSampleTree(std::wstring& left, std::wstring& right);
