#include "harness.h"

#include <windowsx.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "painting_helpers.h"
#include "reliability_helpers.h"
#include "screen_pixels.h"

namespace testing_support {

HMODULE Library() {
    static HMODULE library = [] {
        HMODULE module = LoadLibraryA("vorlane.dll");
        if (module == nullptr) {
            std::fprintf(stderr, "cannot load vorlane.dll (error %lu)\n", GetLastError());
            std::abort();
        }
        return module;
    }();
    return library;
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

namespace {
const char kParentClass[] = "VorlaneTestParent";

void RegisterParentClass(WNDPROC procedure) {
    static bool registered = false;
    if (registered) {
        return;
    }
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = kParentClass;
    registered = RegisterClassExA(&windowClass) != 0;
}
}  // namespace

RecordingParent::RecordingParent(int width, int height, bool visible) {
    Library();
    RegisterParentClass(Procedure);
    DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0);
    window_ = CreateWindowExA(0, kParentClass, "test parent", style, 0, 0, width, height, nullptr,
                              nullptr, GetModuleHandleA(nullptr), this);
    PumpMessages();
}

RecordingParent::~RecordingParent() {
    if (IsWindow(window_)) {
        DestroyWindow(window_);
    }
    PumpMessages();
}

std::vector<UINT> RecordingParent::Codes() const {
    std::vector<UINT> codes;
    for (const GridNotify& record : records) {
        codes.push_back(record.code);
    }
    return codes;
}

std::vector<GridNotify> RecordingParent::OfCode(UINT code) const {
    std::vector<GridNotify> selected;
    for (const GridNotify& record : records) {
        if (record.code == code) {
            selected.push_back(record);
        }
    }
    return selected;
}

LRESULT CALLBACK RecordingParent::Procedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<RecordingParent*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NOTIFY && self != nullptr && lParam != 0) {
        auto* record = reinterpret_cast<GridNotify*>(lParam);
        if (record->code == NM_CUSTOMDRAW) {
            return self->onCustomDraw
                       ? self->onCustomDraw(*reinterpret_cast<NMGRIDCUSTOMDRAW*>(lParam))
                       : CDRF_DODEFAULT;
        }
        if (record->code == GRN_KEYDOWN && !self->hearKeys) {
            return 0;
        }
        self->records.push_back(*record);
        if (self->onNotify) {
            self->onNotify(*record);
        }
        if (self->vetoCodes.count(record->code) != 0) {
            record->cancel = 1;
        }
        return 0;
    }
    if (message == WM_CONTEXTMENU && self != nullptr) {
        self->contextMenus.push_back(
            {reinterpret_cast<HWND>(wParam), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}});
        return 0;
    }
    if (message == WM_NCDESTROY && self != nullptr) {
        self->window_ = nullptr;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateGrid(HWND parent, int x, int y, int width, int height, DWORD style, int id) {
    Library();
    HWND grid = CreateWindowExA(
        0, VORLANE_CLASS, nullptr, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    PumpMessages();
    return grid;
}

HWND CreateGridW(HWND parent, int x, int y, int width, int height, DWORD style, int id) {
    Library();
    HWND grid = CreateWindowExW(
        0, VORLANE_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    PumpMessages();
    return grid;
}

ColumnDesc ColumnSetup::Desc() const {
    ColumnDesc desc = {};
    desc.width = width;
    desc.title = title;
    desc.cellAlign = cellAlign;
    desc.cellKind = cellKind;
    desc.editLimit = editLimit;
    desc.mask = mask;
    desc.flags = flags;
    desc.editorKind = editorKind;
    return desc;
}

ColumnDesc Column(int width, int cellKind, const char* title) {
    return ColumnSetup{width, cellKind, GRID_EDITOR_NONE, title}.Desc();
}

bool AddColumns(HWND grid, std::initializer_list<ColumnSetup> columns) {
    std::vector<ColumnDesc> descs;
    for (const ColumnSetup& column : columns) {
        descs.push_back(column.Desc());
    }
    return AddColumnDescs(grid, descs);
}

bool AddColumnDescs(HWND grid, const std::vector<ColumnDesc>& columns) {
    bool all = true;
    for (const ColumnDesc& desc : columns) {
        all = Grid_AddColumn(grid, &desc) == 0 && all;
    }
    return all;
}

bool AddStandardColumns(HWND grid) {
    return AddColumns(grid, {{100, GRID_CELL_TEXT, GRID_EDITOR_TEXT, "Name"},
                             {80, GRID_CELL_TEXT, GRID_EDITOR_TEXT, "Note"},
                             {80, GRID_CELL_NUMBER, GRID_EDITOR_NUMBER, "Size"},
                             {60, GRID_CELL_NUMBER, GRID_EDITOR_NONE, "A"},
                             {60, GRID_CELL_NUMBER, GRID_EDITOR_NONE, "B"},
                             {0, GRID_CELL_VALUE, GRID_EDITOR_NONE, nullptr}});
}

int AddStandardRow(HWND grid, const char* name, const char* note, INT32 a, INT32 b, INT32 c,
                   INT32 kind) {
    GridValue values[6] = {
        reinterpret_cast<GridValue>(name), reinterpret_cast<GridValue>(note), a, b, c, kind};
    return Grid_AddRow(grid, values);
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

namespace {
HWND ChildWhere(HWND grid, const std::function<bool(HWND)>& test) {
    for (HWND child = GetWindow(grid, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (test(child)) {
            return child;
        }
    }
    return nullptr;
}
}  // namespace

HWND HeaderPane(HWND grid) {
    return ChildWhere(grid, [](HWND child) {
        return ClassOf(child) == "Static" &&
               (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_OWNERDRAW;
    });
}

HWND ListPane(HWND grid) {
    return ChildWhere(grid, [](HWND child) { return ClassOf(child) == "ListBox"; });
}

HWND ResizeLine(HWND grid) {
    return ChildWhere(grid, [](HWND child) {
        return ClassOf(child) == "Static" &&
               (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_BLACKRECT;
    });
}

std::vector<HWND> Editors(HWND grid) {
    std::vector<HWND> editors;
    HWND list = ListPane(grid);
    for (HWND child = GetWindow(list, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == "Edit") {
            editors.push_back(child);
        }
    }
    return editors;
}

RECT RectInParent(HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

Capture::Capture(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages();
    RECT client;
    GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;
    HDC source = GetDC(window);
    pixels_ = CopyPixels(source, 0, 0, width_, height_);
    ReleaseDC(window, source);
}

COLORREF Capture::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return CLR_INVALID;
    }
    DWORD pixel =
        pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

namespace {
BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}
BOOL CALLBACK CountTopLevel(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, CountChild, count);
    return TRUE;
}
}  // namespace

ResourceCounts CountResources() {
    ResourceCounts counts;
    counts.gdiObjects = LiveGdiObjects();
    EnumThreadWindows(GetCurrentThreadId(), CountTopLevel,
                      reinterpret_cast<LPARAM>(&counts.windows));
    counts.userObjects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof(memory);
    if (GetProcessMemoryInfo(GetCurrentProcess(),
                             reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory))) {
        counts.privateBytes = memory.PrivateUsage;
    }
    if (counts.privateBytes == 0) {
        // This Wine answers 0: add up the committed private regions of the address space.
        MEMORY_BASIC_INFORMATION region;
        for (const char* at = nullptr; VirtualQuery(at, &region, sizeof(region)) == sizeof(region);
             at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
            if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) {
                counts.privateBytes += region.RegionSize;
            }
            if (region.RegionSize == 0) {
                break;
            }
        }
    }
    counts.icons = LiveIconsAndCursors();
    return counts;
}

}  // namespace testing_support
