// The demo's view of generated rows: one grid whose rows the application keeps, as many as
// asked (up to the most the build allows), each made up when the grid asks for a cell.
#pragma once

#include <windows.h>

// A Unicode window showing `rows` generated rows; NULL when it could not be made.
HWND CreateGeneratedView(HINSTANCE instance, UINT rows);
