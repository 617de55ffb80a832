// Errors the demo shows the user.
#pragma once

#include <windows.h>

#include <string>

// Shows `text` in a message box over `owner`; a scripted run (`scripted`), which has no one to
// close the box, writes it to the error output in UTF-8 instead.
void ReportError(HWND owner, const std::wstring& text, bool scripted);

// What the demo says of a folder that it cannot list.
std::wstring MissingFolderText(const std::wstring& folder);
