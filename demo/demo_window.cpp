#include "demo_window.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "column_layout.h"
#include "dpi_scale.h"
#include "folder_view.h"
#include "header_menu.h"
#include "pane_commands.h"
#include "pane_look.h"
#include "report.h"
#include "row_colours.h"
#include "row_mark_writes.h"
#include "tag_clicks.h"
#include "vorlane.h"

namespace {

const wchar_t kDemoClass[] = L"VorlaneDemoWindow";
constexpr UINT kDpiChangedMessage = 0x02E0;  // WM_DPICHANGED, newer than the build's headers
// Sizes at 96 DPI, scaled to the window's.
constexpr int kGap = 6;
constexpr int kLabelHeight = 20;
constexpr int kRowHeight = 18;
constexpr int kFontHeight = 12;  // character height
constexpr int kFolderImageSize = 16;

struct DemoState {
    DemoOptions options;
    FolderView panes[2];
    HWND labels[2] = {};
    HIMAGELIST folderImages = nullptr;  // 0 parent folder, 1 folder, 2 open folder (drop target)
    HFONT font = nullptr;
    HFONT boldFont = nullptr;         // the folder rows' (demo/row_colours.h)
    HBRUSH darkBackground = nullptr;  // --dark: the window behind the grids and the labels
    UINT dpi = 96;  // the window's DPI, which every size of the layout is scaled to
};

DemoState& State() {
    static DemoState state;
    return state;
}

int Px(int pixels) {
    return ScaleFor(State().dpi, pixels);
}

FolderView* ViewOf(HWND grid) {
    for (FolderView& view : State().panes) {
        if (view.grid() == grid) {
            return &view;
        }
    }
    return nullptr;
}

int SideOf(const FolderView& view) {
    return &view == &State().panes[0] ? 0 : 1;
}

void ShowFolder(int side) {
    SetWindowTextW(State().labels[side], State().panes[side].folder().c_str());
}

void LayOut(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    const int gap = Px(kGap);
    int half = (client.right - 3 * gap) / 2;
    int gridTop = gap + Px(kLabelHeight);
    int height = client.bottom - gridTop - gap;
    for (int side = 0; side < 2; ++side) {
        int x = gap + side * (half + gap);
        MoveWindow(State().labels[side], x, gap, half, Px(kLabelHeight) - 2, TRUE);
        MoveWindow(State().panes[side].grid(), x, gridTop, half, height, TRUE);
    }
    // Drops at or left of the divider land in the left pane, right of it in the right one.
    Grid_SetDropDivider(State().panes[0].grid(), gap + half + gap / 2);
}

// The grid that the user works in shows the active look; the other the inactive one.
void FollowFocus(HWND active) {
    for (FolderView& view : State().panes) {
        Grid_SetActiveLook(view.grid(), FALSE, view.grid() == active);
    }
}

// Rows whose names the target already lists stay out; with --write-files, so do files that
// could not be copied. The rows added take their places under the target's sort.
void CopyDroppedRows(const FolderView& source, FolderView& target) {
    // Every selected row, however many: the buffer is sized from the count.
    std::vector<UINT> rows(std::max(Grid_GetSelRowsEx(source.grid(), 0, nullptr), 0));
    const int count = Grid_GetSelRowsEx(source.grid(), static_cast<UINT>(rows.size()), rows.data());
    rows.resize(std::min<size_t>(std::max(count, 0), rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::wstring name = source.NameAt(rows[i]);
        if (target.RowOf(name) >= 0) {
            continue;
        }
        if (State().options.writeFiles && (source.KindAt(rows[i]) & 0xFF) == kFileRow &&
            !CopyFileW((source.folder() + L"\\" + name).c_str(),
                       (target.folder() + L"\\" + name).c_str(), TRUE)) {
            continue;
        }
        target.AddRowFrom(source, rows[i]);
    }
    target.Resort();
}

// Ending an edit writes the cell only after Enter; every other way out but Esc (Tab, a click
// in the list) is taken as meant too, so the rename is written here. A refused name vetoes the
// end of the edit, so that Enter does not offer it again.
void EndRename(FolderView& view, GridNotify& record) {
    const wchar_t* name = reinterpret_cast<const wchar_t*>(record.value);
    if (record.column != kNameColumn || name == nullptr || view.NameAt(record.row) == name) {
        return;
    }
    Grid_SetCellTextW(view.grid(), kNameColumn, record.row, name);
    if (view.NameAt(record.row) != name) {
        record.cancel = 1;
    }
}

void OnGridNotify(GridNotify& record) {
    FolderView* view = ViewOf(record.hwndGrid);
    if (view == nullptr) {
        return;
    }
    switch (record.code) {
        case GRN_HEADERCLICK: view->SortByTitle(record.column); break;
        case GRN_CELLCLICK:
            if (TurnClickToTag(record)) {
                break;
            }
            if (record.activated) {
                OpenActivated(*view, record.row, record.rowKind, State().options.scripted);
                ShowFolder(SideOf(*view));
            }
            break;
        case GRN_KEYDOWN:
            // Tab and Shift+Tab take the keyboard to the other pane: of two, either way leads
            // there.
            if (record.virtualKey == VK_TAB && (record.keyModifiers & ~GRID_KEY_SHIFT) == 0) {
                HWND other = State().panes[1 - SideOf(*view)].grid();
                SetFocus(other);
                FollowFocus(other);
                record.cancel = 1;
            }
            break;
        case GRN_BEGINEDIT:
            // ".." names the parent folder; it cannot be renamed.
            if ((view->KindAt(record.row) & 0xFF) == kParentRow) {
                record.cancel = 1;
            }
            break;
        case GRN_ENDEDIT: EndRename(*view, record); break;
        case GRN_CELLCHANGING:
            // Every write of a name passes here. Without --write-files the rename is shown in
            // the view only; the row keeps an icon of its type.
            if (record.column == kNameColumn &&
                !view->Rename(
                    record.row,
                    record.value != 0 ? reinterpret_cast<const wchar_t*>(record.value) : L"",
                    State().options.writeFiles)) {
                MessageBeep(MB_ICONWARNING);
                record.cancel = 1;
            } else {
                NoteCellWrite(*view, record);
            }
            break;
        case GRN_CELLCHANGED:
            if (record.column == kNameColumn) {
                view->Renamed(record.row);
            }
            NoteCellWrite(*view, record);
            break;
        case GRN_BUTTON:
            if (record.buttonDown) {
                NotePress(record.hwndGrid);
                FollowFocus(record.hwndGrid);
            }
            break;
        case GRN_DROP: {
            FolderView* source = ViewOf(record.hwndFrom);
            if (source != nullptr && source != view) {
                CopyDroppedRows(*source, *view);
            }
            break;
        }
        default: break;
    }
}

// The layout file is read at the start and written at the end of an interactive run only, so
// that scripted runs always start from the columns as added.
void KeepColumnLayouts(bool save) {
    const DemoState& state = State();
    if (state.options.scripted) {
        return;
    }
    const HWND grids[2] = {state.panes[0].grid(), state.panes[1].grid()};
    if (save) {
        SaveColumnLayouts(grids, state.dpi);
    } else {
        LoadColumnLayouts(grids, state.dpi);
    }
}

// False (and the window is not made) when a grid cannot be created or a folder not listed.
bool OnCreate(HWND window) {
    DemoState& state = State();
    if (state.options.dark) {
        state.darkBackground = CreateSolidBrush(kDarkWindow);
    }
    state.dpi = DpiOf(window);
    state.folderImages = CreateFolderImages(Px(kFolderImageSize));
    state.font = CreateDemoFont(Px(kFontHeight));
    state.boldFont = CreateDemoFont(Px(kFontHeight), FW_BOLD);
    for (int side = 0; side < 2; ++side) {
        state.labels[side] =
            CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE | SS_PATHELLIPSIS, 0, 0, 0, 0,
                            window, nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(state.labels[side], WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);
        FolderView& view = state.panes[side];
        if (!view.Create(window, side + 1)) {
            ReportError(nullptr, L"A grid of the class VorlaneClassW could not be created.",
                        state.options.scripted);
            return false;
        }
        // Fonts and colours come before the columns, whose editors and layout take them.
        Grid_SetFonts(view.grid(), state.font, state.font);
        ApplyLook(view.grid(), state.options.dark);
        Grid_SetRowHeight(view.grid(), Px(kRowHeight));
        view.AddColumns(state.folderImages, state.dpi);
    }
    PartnerSet partners = {};
    partners.dragWindow = window;
    partners.widthPartnerA = state.panes[0].grid();
    partners.widthPartnerB = state.panes[1].grid();
    Grid_SetPartners(state.panes[0].grid(), &partners);
    Grid_SetGridLines(state.panes[0].grid(), TRUE);
    for (int side = 0; side < 2; ++side) {
        const std::wstring& folder =
            side == 0 ? state.options.leftFolder : state.options.rightFolder;
        if (!state.panes[side].Open(folder)) {
            ReportError(nullptr, MissingFolderText(folder), state.options.scripted);
            return false;
        }
        ShowFolder(side);
    }
    KeepColumnLayouts(false);
    FollowFocus(state.panes[0].grid());
    return true;
}

// The window moved to a screen of another DPI (or the DPI changed): the font, the images, the
// grids' row heights and column widths and the layout are scaled to it, and each grid is told,
// so that it scales what it sizes itself. The window takes the size the system suggests.
void OnDpiChanged(HWND window, UINT dpi, const RECT& suggested) {
    DemoState& state = State();
    const UINT old = state.dpi;
    state.dpi = dpi;
    HFONT oldFont = state.font;
    HFONT oldBoldFont = state.boldFont;
    state.font = CreateDemoFont(Px(kFontHeight));
    state.boldFont = CreateDemoFont(Px(kFontHeight), FW_BOLD);
    FillFolderImages(state.folderImages, Px(kFolderImageSize));
    for (int side = 0; side < 2; ++side) {
        HWND grid = state.panes[side].grid();
        SendMessageW(state.labels[side], WM_SETFONT, reinterpret_cast<WPARAM>(state.font), TRUE);
        Grid_DpiChanged(grid);
        Grid_SetFonts(grid, state.font, state.font);
        Grid_SetRowHeight(grid, Px(kRowHeight));
        for (UINT column = 0; column < kKindColumn; ++column) {
            Grid_SetColWidth(grid, column, MulDiv(Grid_GetColWidth(grid, column), dpi, old));
        }
    }
    DeleteObject(oldFont);
    DeleteObject(oldBoldFont);
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    LayOut(window);
}

// A pane or a pane's header asks for its context menu; false when the window is neither.
bool OnContextMenu(HWND window, HWND grid, LPARAM screen) {
    const POINT point = {GET_X_LPARAM(screen), GET_Y_LPARAM(screen)};
    if (grid != nullptr && ViewOf(GetParent(grid)) != nullptr) {
        ShowHeaderMenu(window, grid, point, State().dpi);
        return true;
    }
    FolderView* view = ViewOf(grid);
    if (view == nullptr) {
        return false;
    }
    ShowPaneMenu(window, *view, point, State().options.scripted);
    ShowFolder(SideOf(*view));  // Open may have listed another folder
    return true;
}

LRESULT CALLBACK DemoProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: return OnCreate(window) ? 0 : -1;
        case WM_SIZE: LayOut(window); return 0;
        case kDpiChangedMessage:
            OnDpiChanged(window, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_SETFOCUS: SetFocus(State().panes[0].grid()); return 0;
        case WM_NOTIFY:
            if (reinterpret_cast<const NMHDR*>(lParam)->code == NM_CUSTOMDRAW) {
                return ColourPaneRow(*reinterpret_cast<NMGRIDCUSTOMDRAW*>(lParam), State().boldFont,
                                     State().options.dark);
            }
            OnGridNotify(*reinterpret_cast<GridNotify*>(lParam));
            return 0;
        case WM_CONTEXTMENU:
            if (!OnContextMenu(window, reinterpret_cast<HWND>(wParam), lParam)) {
                return DefWindowProcW(window, message, wParam, lParam);
            }
            return 0;
        case WM_ERASEBKGND:
            if (State().darkBackground != nullptr) {
                RECT client;
                GetClientRect(window, &client);
                FillRect(reinterpret_cast<HDC>(wParam), &client, State().darkBackground);
                return 1;
            }
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_CTLCOLORSTATIC:  // the folder labels
            if (State().darkBackground != nullptr) {
                SetTextColor(reinterpret_cast<HDC>(wParam), kDarkLabelText);
                SetBkColor(reinterpret_cast<HDC>(wParam), kDarkWindow);
                return reinterpret_cast<LRESULT>(State().darkBackground);
            }
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_DESTROY:
            KeepColumnLayouts(true);
            ImageList_Destroy(State().folderImages);
            DeleteObject(State().font);
            DeleteObject(State().boldFont);
            if (State().darkBackground != nullptr) {
                DeleteObject(State().darkBackground);
                State().darkBackground = nullptr;
            }
            PostQuitMessage(0);
            return 0;
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

HWND CreateDemoWindow(HINSTANCE instance, const DemoOptions& options) {
    State().options = options;
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DemoProc;
    windowClass.hInstance = instance;
    // IDC_ARROW is a resource number, the same for both character sets.
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = kDemoClass;
    RegisterClassExW(&windowClass);
    // Sized for the screen's DPI: the window's own is known once it exists.
    const UINT dpi = DpiOf(nullptr);
    return CreateWindowExW(0, kDemoClass, L"Vorlane grid control - file browser demo",
                           WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, ScaleFor(dpi, 1200),
                           ScaleFor(dpi, 520), nullptr, nullptr, instance, nullptr);
}

FolderView& DemoPane(int side) {
    return State().panes[side];
}
