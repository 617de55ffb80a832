// The Keep and Tag values of the panes' rows. The demo keeps them itself, by path, so that they
// outlast the rows: a folder listed again (opened anew, or its pane refreshed) shows them as they
// were, and a renamed row keeps its own.
#pragma once

#include <windows.h>

#include <string>

#include "vorlane.h"

// The Tag of a row never tagged.
constexpr wchar_t kNoTag[] = L"none";

struct RowMark {
    INT32 keep = 0;
    std::wstring tag;
};

// The values of the file or folder at `path`; a clear box and no tag for one never marked.
RowMark MarkOf(const std::wstring& path);

// Keeps `mark` as the values of `path` (a clear box and no tag: none kept).
void SetMark(const std::wstring& path, const RowMark& mark);

// Moves the values of `from` to `to`, as a rename moves the file; the same path in other
// capitals is the same file.
void MoveMark(const std::wstring& from, const std::wstring& to);
