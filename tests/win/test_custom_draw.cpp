// Custom draw of the rows and the row under the pointer: the parent's answers read back from the
// painted pixels, the stages and fields of one paint, the hot row through real mouse input, and
// a parent that destroys the control or clears its rows inside each stage.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "harness.h"
#include "owner_rows_parent.h"
#include "painting_fixture.h"
#include "painting_helpers.h"
#include "real_input.h"
#include "screen_pixels.h"
#include "unicode_grid.h"

using namespace testing_support;

namespace {

const COLORREF kGreen = RGB(10, 200, 30);
const COLORREF kBlue = RGB(0, 0, 250);
const COLORREF kOrange = RGB(250, 150, 0);
const COLORREF kRed = RGB(230, 0, 0);

using Answer = std::function<LRESULT(NMGRIDCUSTOMDRAW&)>;

// Asks for every row (and with `cells` for every cell) and answers row 1's stages with `row1`.
Answer ForRowOne(Answer row1, bool cells = false) {
    return [row1, cells](NMGRIDCUSTOMDRAW& record) -> LRESULT {
        if (record.nmcd.dwDrawStage == CDDS_PREPAINT) {
            return CDRF_NOTIFYITEMDRAW;
        }
        if (record.nmcd.dwItemSpec == 1) {
            return row1(record);
        }
        return cells && record.nmcd.dwDrawStage == CDDS_ITEMPREPAINT ? CDRF_NOTIFYSUBITEMDRAW
                                                                     : CDRF_DODEFAULT;
    };
}

void Fill(const NMGRIDCUSTOMDRAW& record, RECT area, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(record.nmcd.hdc, &area, brush);
    DeleteObject(brush);
}

class CustomDraw : public Painting {
  protected:
    // Rows of "WWW" in column 0 (an image may stand left of x 20) and nothing else.
    void MakeWordRows(DWORD style = 0) {
        MakeGrid(style, 0);
        for (int i = 0; i < 4; ++i) {
            AddRow(grid, {Text("WWW"), Text(kEmpty), 0, kPlainRow});
        }
    }
};

const TestPalette kPalette;

// Pixels of row text in column 0, right of its image.
int TextPixels(const Capture& rows, int row) {
    return CountPixels(rows, RowArea(row, 20, 100), kPalette.rowText);
}

TEST_F(CustomDraw, TheParentsAnswersShowInThePaintedRowAndCell) {
    HFONT bold = CreateFontA(-15, 0, 0, 0, FW_HEAVY, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                             NONANTIALIASED_QUALITY, 0, "Tahoma");
    struct Case {
        const char* name;
        Answer answer;
        bool cells;
        std::function<void(const Capture&)> check;
    };
    const Case cases[] = {
        {"row colours",
         [](NMGRIDCUSTOMDRAW& r) {
             r.clrTextBk = kGreen;
             return CDRF_DODEFAULT;
         },
         false,
         [](const Capture& rows) {
             EXPECT_TRUE(AllPixels(rows, RowArea(1, 100, 261), kGreen));
             EXPECT_TRUE(AllPixels(rows, RowArea(0, 100, 261), kPalette.rowBack));
             EXPECT_TRUE(AllPixels(rows, RowArea(2, 100, 261), kPalette.rowBack));
         }},
        {"text colour",
         [](NMGRIDCUSTOMDRAW& r) {
             r.clrText = kRed;
             return CDRF_DODEFAULT;
         },
         false,
         [](const Capture& rows) {
             EXPECT_GT(CountPixels(rows, RowArea(1, 20, 100), kRed), 10);
             EXPECT_EQ(TextPixels(rows, 1), 0);
             EXPECT_EQ(CountPixels(rows, RowArea(0, 20, 100), kRed), 0);
         }},
        {"skip: the parent draws the row where rc says",
         [](NMGRIDCUSTOMDRAW& r) {
             Fill(r, r.nmcd.rc, kBlue);
             return CDRF_SKIPDEFAULT;
         },
         false,
         [](const Capture& rows) {
             EXPECT_TRUE(AllPixels(rows, RowArea(1, 0, 261), kBlue));
             EXPECT_EQ(rows.At(150, RowTop(2) + 8), kPalette.rowBack);
         }},
        {"post-paint over the row",
         [](NMGRIDCUSTOMDRAW& r) {
             if (r.nmcd.dwDrawStage == CDDS_ITEMPOSTPAINT) {
                 Fill(r,
                      {r.nmcd.rc.left + 150, r.nmcd.rc.top + 2, r.nmcd.rc.left + 160,
                       r.nmcd.rc.top + 7},
                      kRed);
             }
             return CDRF_NOTIFYPOSTPAINT;
         },
         false,
         [](const Capture& rows) {
             EXPECT_TRUE(AllPixels(rows, {150, RowTop(1) + 2, 160, RowTop(1) + 7}, kRed));
             EXPECT_EQ(CountPixels(rows, RowArea(1, 0, 261), kRed), 50);
         }},
        {"per-cell colours",
         [](NMGRIDCUSTOMDRAW& r) {
             if (r.nmcd.dwDrawStage == (CDDS_ITEMPREPAINT | CDDS_SUBITEM) && r.iSubItem == 1) {
                 r.clrTextBk = kOrange;
             }
             return CDRF_NOTIFYSUBITEMDRAW;
         },
         true,
         [](const Capture& rows) {
             EXPECT_TRUE(AllPixels(rows, RowArea(1, 100, 180), kOrange));
             EXPECT_TRUE(AllPixels(rows, RowArea(1, 180, 261), kPalette.rowBack));
             EXPECT_TRUE(AllPixels(rows, RowArea(0, 100, 180), kPalette.rowBack));
         }},
        {"new font, for its row only",
         [bold](NMGRIDCUSTOMDRAW& r) {
             SelectObject(r.nmcd.hdc, bold);
             return CDRF_NEWFONT;
         },
         false,
         [](const Capture& rows) {
             EXPECT_GT(TextPixels(rows, 1), TextPixels(rows, 0) * 3 / 2);
             EXPECT_EQ(TextPixels(rows, 2), TextPixels(rows, 0));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MakeWordRows();
        parent.onCustomDraw = ForRowOne(c.answer, c.cells);
        c.check(Rows());
        parent.onCustomDraw = nullptr;
        DestroyWindow(grid);
    }
    EXPECT_TRUE(DeleteObject(bold));
}

TEST_F(CustomDraw, TheSelectedLookWinsOverTheParentsBackgroundUnlessTheParentDrawsTheRow) {
    MakeWordRows();
    Grid_SetCurCell(grid, 3, 1);  // selects row 1; the kind column highlights nothing
    parent.onCustomDraw = ForRowOne([](NMGRIDCUSTOMDRAW& r) {
        r.clrTextBk = kGreen;
        return CDRF_DODEFAULT;
    });
    EXPECT_TRUE(AllPixels(Rows(), RowArea(1, 100, 261), GetSysColor(COLOR_HIGHLIGHT)));
    // A row leaving the selection is repainted in the parent's colour, not the grid's.
    Grid_DeselectAll(grid);
    PumpMessages();
    HDC screen = GetDC(ListPane(grid));
    const std::vector<DWORD> left = CopyPixels(screen, 150, RowTop(1) + 8, 1, 1);
    ReleaseDC(ListPane(grid), screen);
    EXPECT_EQ(left.at(0), 0x000AC81Eu) << "kGreen as the screen holds it, 0x00RRGGBB";
    parent.onCustomDraw = ForRowOne([](NMGRIDCUSTOMDRAW& r) {
        Fill(r, r.nmcd.rc, kGreen);
        return CDRF_SKIPDEFAULT;
    });
    EXPECT_TRUE(AllPixels(Rows(), RowArea(1, 0, 261), kGreen));
}

struct Stage {
    DWORD stage;
    DWORD_PTR row;
    int column;
    RECT rc;
    UINT state;
};

bool operator==(const Stage& a, const Stage& b) {
    return a.stage == b.stage && a.row == b.row && a.column == b.column &&
           EqualRect(&a.rc, &b.rc) && a.state == b.state;
}

void PrintTo(const Stage& s, std::ostream* out) {
    *out << "{stage " << s.stage << ", row " << s.row << ", column " << s.column << ", rc "
         << s.rc.left << "," << s.rc.top << "," << s.rc.right << "," << s.rc.bottom << ", state "
         << s.state << "}";
}

TEST_F(CustomDraw, OnePaintAsksAtEachStageInDisplayOrderWithTheRowsFields) {
    MakeGrid(0, 3);
    const UINT order[] = {1, 0, 2};
    ASSERT_TRUE(Grid_SetColOrder(grid, 3, order));
    Grid_SetCurCell(grid, 3, 1);
    std::vector<Stage> seen;
    parent.onCustomDraw = [&](NMGRIDCUSTOMDRAW& r) -> LRESULT {
        EXPECT_EQ(r.nmcd.hdr.hwndFrom, grid);
        EXPECT_EQ(r.nmcd.hdr.idFrom, 1u);
        const bool whole = (r.nmcd.dwDrawStage & CDDS_ITEM) == 0;
        if (!whole) {
            EXPECT_EQ(r.row, r.nmcd.dwItemSpec);
            EXPECT_EQ(r.rowKind, static_cast<UINT>(kPlainRow));
            EXPECT_EQ(r.nmcd.lItemlParam, SendMessageA(ListPane(grid), LB_GETITEMDATA, r.row, 0));
            EXPECT_EQ(r.clrTextBk, kPalette.rowBack);
        }
        seen.push_back({r.nmcd.dwDrawStage, r.nmcd.dwItemSpec, r.iSubItem,
                        whole ? RECT{} : r.nmcd.rc, r.nmcd.uItemState});
        switch (r.nmcd.dwDrawStage) {
            case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
            case CDDS_ITEMPREPAINT:
                return r.nmcd.dwItemSpec == 1 ? CDRF_NOTIFYSUBITEMDRAW | CDRF_NOTIFYPOSTPAINT
                                              : CDRF_DODEFAULT;
            case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
                return r.iSubItem == 2 ? CDRF_NOTIFYPOSTPAINT : CDRF_DODEFAULT;
            default: return CDRF_DODEFAULT;
        }
    };
    Rows();
    const DWORD cell = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
    const UINT current = CDIS_SELECTED | CDIS_FOCUS;
    const std::vector<Stage> expected = {
        {CDDS_PREPAINT, 0, 0, {}, 0},
        {CDDS_ITEMPREPAINT, 0, 0, {0, 0, 261, 17}, 0},
        {CDDS_ITEMPREPAINT, 1, 0, {0, 17, 261, 34}, current},
        {cell, 1, 1, {0, 17, 80, 34}, current},
        {cell, 1, 0, {80, 17, 180, 34}, current},
        {cell, 1, 2, {180, 17, 260, 34}, current},
        {CDDS_ITEMPOSTPAINT | CDDS_SUBITEM, 1, 2, {180, 17, 260, 34}, current},
        {CDDS_ITEMPOSTPAINT, 1, 0, {0, 17, 261, 34}, current},
        {CDDS_ITEMPREPAINT, 2, 0, {0, 34, 261, 51}, 0},
        {CDDS_POSTPAINT, 0, 0, {}, 0},
    };
    EXPECT_EQ(seen, expected);
}

// Where the pointer goes, and the row then drawn hot (-1: none).
struct Move {
    const char* name;
    bool header;  // a point of the header pane rather than the list pane
    POINT at;
    int hot;
};

TEST_F(CustomDraw, TheRowUnderThePointerIsHotUntilThePointerLeavesTheRows) {
    MakeWordRows(GRS_HOTTRACK);
    HWND pane = ListPane(grid);
    const COLORREF select = GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF back = palette.rowBack;
    auto mix = [](int s, int b) { return (s + 3 * b) / 4; };
    const COLORREF tint =
        RGB(mix(GetRValue(select), GetRValue(back)), mix(GetGValue(select), GetGValue(back)),
            mix(GetBValue(select), GetBValue(back)));
    std::vector<DWORD_PTR> hotAsked;
    parent.onCustomDraw = [&](NMGRIDCUSTOMDRAW& r) -> LRESULT {
        if ((r.nmcd.uItemState & CDIS_HOT) != 0) {
            hotAsked.push_back(r.nmcd.dwItemSpec);
        }
        return r.nmcd.dwDrawStage == CDDS_PREPAINT ? CDRF_NOTIFYITEMDRAW : CDRF_DODEFAULT;
    };
    const Move moves[] = {
        {"onto row 1", false, {150, RowTop(1) + 8}, 1},
        {"along row 1", false, {200, RowTop(1) + 3}, 1},
        {"down to row 2", false, {150, RowTop(2) + 8}, 2},
        {"below the rows", false, {150, RowTop(6)}, -1},
        {"back onto row 0", false, {150, RowTop(0) + 8}, 0},
        {"right of the columns", false, {400, RowTop(0) + 8}, -1},
        {"onto row 3", false, {150, RowTop(3) + 8}, 3},
        {"into the header", true, {150, 8}, -1},
    };
    for (const Move& move : moves) {
        SCOPED_TRACE(move.name);
        MouseTo(move.header ? HeaderPane(grid) : pane, move.at);
        RunMessagesFor(150);  // the pointer's leaving is noticed on a timer
        hotAsked.clear();
        Capture rows(pane);
        for (int row = 0; row < 4; ++row) {
            EXPECT_TRUE(AllPixels(rows, RowArea(row, 100, 261), row == move.hot ? tint : back))
                << "row " << row;
        }
        EXPECT_EQ(hotAsked, move.hot < 0 ? std::vector<DWORD_PTR>{}
                                         : std::vector<DWORD_PTR>{DWORD_PTR(move.hot)});
    }
    MouseTo(pane, {150, RowTop(2) + 8});
    RunMessagesFor(150);  // the header's own leaving ends nothing of the list's
    EXPECT_EQ(Grid_SetHotColor(grid, kOrange), CLR_DEFAULT);
    EXPECT_TRUE(AllPixels(Rows(), RowArea(2, 100, 261), kOrange));
    EXPECT_EQ(Grid_SetHotColor(grid, CLR_DEFAULT), kOrange);
    EXPECT_TRUE(AllPixels(Rows(), RowArea(2, 100, 261), tint));

    // A drag beginning and the rows scrolling under a still pointer end it too.
    LeftButton(true);
    MouseTo(pane, {160, RowTop(2) + 9});
    EXPECT_EQ(CountPixels(Rows(), {0, 0, 261, RowTop(4)}, tint), 0) << "dragging";
    LeftButton(false);
    ParkPointer();
    for (int i = 0; i < 40; ++i) {
        AddRow(grid, {Text("WWW"), Text(kEmpty), 0, kPlainRow});
    }
    // Read as the screen holds it, with no repaint asked for: no hot pixel may stay behind.
    auto tintOnScreen = [&] {
        PumpMessages();
        HDC screen = GetDC(pane);
        const std::vector<DWORD> pixels = CopyPixels(screen, 0, 0, 261, RowTop(8));
        ReleaseDC(pane, screen);
        const DWORD rgb = (GetRValue(tint) << 16) | (GetGValue(tint) << 8) | GetBValue(tint);
        return std::count(pixels.begin(), pixels.end(), rgb);
    };
    const std::pair<const char*, std::function<void()>> scrolls[] = {
        {"scroll bar", [&] { SendMessageA(grid, WM_VSCROLL, SB_LINEDOWN, 0); }},
        {"current cell brought into view",
         [&] {
             Grid_SetCurCell(grid, 0, 11);  // just below the rows in view
             Grid_EnsureVisible(grid);
         }},
    };
    for (const auto& [name, scroll] : scrolls) {
        SCOPED_TRACE(name);
        MouseTo(pane, {150, RowTop(3) + 8});
        ASSERT_GT(tintOnScreen(), 0);
        scroll();
        EXPECT_EQ(tintOnScreen(), 0);
        EXPECT_EQ(CountPixels(Rows(), {0, 0, 261, RowTop(8)}, tint), 0);
    }
    ParkPointer();
}

// A parent that destroys the control or clears its rows at the first record of one stage hears
// nothing more of that paint, and nothing crashes; with owner data and the Unicode class the same.
TEST(CustomDrawHostile, AParentThatDestroysOrClearsInsideAnyStageHearsNoMore) {
    const DWORD stages[] = {CDDS_PREPAINT, CDDS_ITEMPREPAINT, CDDS_ITEMPREPAINT | CDDS_SUBITEM,
                            CDDS_ITEMPOSTPAINT | CDDS_SUBITEM, CDDS_ITEMPOSTPAINT};
    enum Grid { kStored, kOwnerData, kUnicode };
    for (const Grid kind : {kStored, kOwnerData, kUnicode}) {
        const bool ownerData = kind == kOwnerData;
        for (const bool destroy : {true, false}) {
            for (const DWORD stage : stages) {
                SCOPED_TRACE(std::string(ownerData ? "owner data, " : "stored rows, ") +
                             (kind == kUnicode ? "Unicode, " : "") +
                             (destroy ? "destroy at " : "clear at ") + std::to_string(stage));
                RecordingParent parent;
                OwnerRowsModel model;
                model.rows.resize(5);
                HWND grid = kind == kUnicode ? MakeWideGrid(parent.hwnd())
                                             : CreateStandardGrid(parent.hwnd(), ownerData);
                if (kind == kUnicode) {
                    for (int row = 0; row < 5; ++row) {
                        AddWideRow(grid, kMixed);
                    }
                } else if (ownerData) {
                    model.Serve(parent, grid);
                    model.Show(grid);
                } else {
                    model.Fill(grid);
                }
                PumpMessages();
                int acted = 0;
                int after = 0;
                parent.onCustomDraw = [&](NMGRIDCUSTOMDRAW& r) -> LRESULT {
                    if (acted != 0) {
                        ++after;
                    } else if (r.nmcd.dwDrawStage == stage) {
                        acted = 1;
                        if (destroy) {
                            DestroyWindow(grid);
                        } else {
                            Grid_ClearRows(grid);
                        }
                    }
                    return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYSUBITEMDRAW | CDRF_NOTIFYPOSTPAINT;
                };
                RedrawWindow(ListPane(grid), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
                EXPECT_EQ(acted, 1);
                EXPECT_EQ(after, 0);
                parent.onCustomDraw = nullptr;
                PumpMessages();
                EXPECT_EQ(IsWindow(grid) != FALSE, !destroy);
                if (!destroy) {
                    EXPECT_EQ(Grid_GetRowCount(grid), 0);
                    DestroyWindow(grid);
                }
            }
        }
    }
}

}  // namespace
