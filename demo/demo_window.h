// The demo's main window: a two-pane file browser made of two grid controls.
#pragma once

#include <windows.h>

#include <string>

class FolderView;

struct DemoOptions {
    std::wstring leftFolder;   // empty: the sample tree's left folder
    std::wstring rightFolder;  // empty: the sample tree's right folder
    bool writeFiles = false;   // a drop copies the files and a rename renames them, not only rows
    bool scripted = false;     // no one at the screen: errors go to the error output
    bool dark = false;         // the grids in the dark look, on a dark window
};

// A Unicode window; NULL when it or one of its grids could not be made.
HWND CreateDemoWindow(HINSTANCE instance, const DemoOptions& options);

// The left (0) or right (1) pane of the window.
FolderView& DemoPane(int side);
