/* A client of the installed package: loads vorlane.dll from beside the program, puts a grid in
   a window, adds columns and rows and reads every cell back with GRM_GETCELL, and compares the
   DLL's version record with the installed header's version. Prints each mismatch; exits with 1
   when there was one. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "vorlane.h"

static int mismatches = 0;

static void Expect(int ok, const char* what) {
    if (!ok) {
        printf("consumer: mismatch: %s\n", what);
        mismatches++;
    }
}

struct SampleRow {
    const char* name;
    INT32 size;
    INT32 kind;
};

static const struct SampleRow kRows[] = {
    {"readme.txt", 1200, 0},
    {"a folder", 0, 1},
    {"a longer name, with spaces.dat", 1234567, 0x20000},
};
#define ROW_COUNT (sizeof(kRows) / sizeof(kRows[0]))

static void AddColumn(HWND grid, const char* title, int cellKind) {
    ColumnDesc column;
    memset(&column, 0, sizeof(column));
    column.width = 120;
    column.title = title;
    column.cellKind = cellKind;
    column.editorKind = GRID_EDITOR_NONE;
    Expect(Grid_AddColumn(grid, &column) == 0, "a column was refused");
}

static void CheckGrid(HWND grid) {
    char text[64];
    UINT i;
    AddColumn(grid, "Name", GRID_CELL_TEXT);
    AddColumn(grid, "Size", GRID_CELL_NUMBER);
    AddColumn(grid, NULL, GRID_CELL_VALUE); /* the kind column */
    for (i = 0; i < ROW_COUNT; i++) {
        GridValue values[3];
        values[0] = (GridValue)kRows[i].name;
        values[1] = kRows[i].size;
        values[2] = kRows[i].kind;
        Expect(Grid_AddRow(grid, values) == (int)i, "a row's position");
    }
    Expect(Grid_GetRowCount(grid) == (int)ROW_COUNT, "the row count");
    Grid_GetColTitle(grid, 1, text);
    Expect(strcmp(text, "Size") == 0, "a column title");
    Expect(Grid_GetColKind(grid, 1) == GRID_CELL_NUMBER, "a column's cell kind");
    for (i = 0; i < ROW_COUNT; i++) {
        INT32 size = -1;
        INT32 kind = -1;
        text[0] = '\0';
        Grid_GetCell(grid, 0, i, text);
        Grid_GetCell(grid, 1, i, &size);
        Grid_GetCell(grid, 2, i, &kind);
        Expect(strcmp(text, kRows[i].name) == 0, "a text cell");
        Expect(size == kRows[i].size, "a number cell");
        Expect(kind == kRows[i].kind, "a kind cell");
    }
}

static void CheckVersion(HMODULE library) {
    char path[MAX_PATH];
    DWORD ignored = 0;
    DWORD size;
    void* record;
    void* found = NULL;
    UINT length = 0;
    Expect(GetModuleFileNameA(library, path, MAX_PATH) > 0, "the DLL's path");
    size = GetFileVersionInfoSizeA(path, &ignored);
    record = size > 0 ? malloc(size) : NULL;
    if (record == NULL || !GetFileVersionInfoA(path, 0, size, record)) {
        Expect(0, "the DLL has a version record");
        free(record);
        return;
    }
    if (VerQueryValueA(record, "\\", &found, &length) && length >= sizeof(VS_FIXEDFILEINFO)) {
        const VS_FIXEDFILEINFO* fixed = (const VS_FIXEDFILEINFO*)found;
        Expect(fixed->dwFileVersionMS == MAKELONG(VORLANE_VERSION_MINOR, VORLANE_VERSION_MAJOR) &&
                   fixed->dwFileVersionLS == MAKELONG(0, VORLANE_VERSION_PATCH) &&
                   fixed->dwProductVersionMS == fixed->dwFileVersionMS &&
                   fixed->dwProductVersionLS == fixed->dwFileVersionLS,
               "the version numbers of the DLL and the header");
    } else {
        Expect(0, "the DLL's fixed version record");
    }
    Expect(VerQueryValueA(record, "\\StringFileInfo\\040904B0\\ProductVersion", &found, &length) &&
               strcmp((const char*)found, VORLANE_VERSION_STRING) == 0,
           "the version texts of the DLL and the header");
    free(record);
}

int main(void) {
    HMODULE library = LoadLibraryA("vorlane.dll");
    HWND window;
    HWND grid;
    if (library == NULL) {
        printf("consumer: vorlane.dll did not load (error %lu)\n", GetLastError());
        return 1;
    }
    window = CreateWindowExA(0, "STATIC", "vorlane consumer", WS_OVERLAPPEDWINDOW, 0, 0, 500, 300,
                             NULL, NULL, GetModuleHandleA(NULL), NULL);
    grid = CreateWindowExA(WS_EX_CLIENTEDGE, VORLANE_CLASS, NULL, WS_CHILD | WS_VISIBLE, 10, 10,
                           460, 240, window, (HMENU)1, GetModuleHandleA(NULL), NULL);
    if (window == NULL || grid == NULL) {
        printf("consumer: no grid window (error %lu)\n", GetLastError());
        return 1;
    }
    CheckGrid(grid);
    CheckVersion(library);
    DestroyWindow(window);
    FreeLibrary(library);
    if (mismatches == 0) {
        printf("consumer: %u rows read back; vorlane.dll version %s\n", (unsigned)ROW_COUNT,
               VORLANE_VERSION_STRING);
    }
    return mismatches == 0 ? 0 : 1;
}
