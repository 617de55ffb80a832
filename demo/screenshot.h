// Writes the picture of a window to a PNG file through the platform's imaging component.
#pragma once

#include <windows.h>

// Returns true when the file was written.
bool SaveWindowPng(HWND window, const wchar_t* path);
