// The demo's main window: a two-pane file browser made of two grid controls.
#pragma once

#include <windows.h>

#include <string>

struct DemoOptions {
    std::string leftFolder;   // empty: the sample tree's left folder
    std::string rightFolder;  // empty: the sample tree's right folder
    bool writeFiles = false;  // a drop copies the files and a rename renames them, not only rows
};

HWND CreateDemoWindow(HINSTANCE instance, const DemoOptions& options);

// Shows a gesture for a screenshot: "select" (a few rows selected and a current cell) or
// "drag" (rows dragged from the left pane over a folder of the right pane, not yet dropped).
void PlayGesture(HWND window, const std::string& gesture);
