// The demo's main window: a two-pane file browser made of two grid controls.
#pragma once

#include <windows.h>

#include <string>

class FolderView;

struct DemoOptions {
    std::string leftFolder;   // empty: the sample tree's left folder
    std::string rightFolder;  // empty: the sample tree's right folder
    bool writeFiles = false;  // a drop copies the files and a rename renames them, not only rows
};

HWND CreateDemoWindow(HINSTANCE instance, const DemoOptions& options);

// The left (0) or right (1) pane of the window.
FolderView& DemoPane(int side);
