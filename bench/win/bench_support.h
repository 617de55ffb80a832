// What every measurement of the Windows benchmark shares: the results table, timing, the host
// window, the rows shown, and the process's private bytes.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "key_patterns.h"

namespace bench {

// ---- results -------------------------------------------------------------------------------

// A goal a ratio (ours / theirs) is held to.
struct Target {
    double maxRatio = 0;  // the ratio (a lone figure itself) must not exceed this; 0: none
    std::string text;     // how the target reads in the table
};

struct ResultLine {
    std::string section;      // the table the line belongs to (fill, memory, sort, painting)
    std::string rows;         // row count the line was measured at
    std::string measurement;  // what was measured, and how often
    double ours = 0;          // the grid's figure
    std::string against;      // what it was compared with
    double theirs = 0;        // the other side's figure for the same work; 0: not measured
    std::string unit;         // of both figures
    Target target;
    std::string notes;
    std::string inTheWay;  // for a target not met: the measured cost that stands in its way
};

class ResultTable {
  public:
    void Add(ResultLine line);
    // The whole table as Markdown: a heading, then one table per section in the order the
    // sections first appeared, then the footnote.
    std::string Markdown(const std::string& heading, const std::string& footnote) const;

  private:
    static std::string Row(const ResultLine& line);
    static bool Met(const ResultLine& line);
    std::string Targets() const;
    std::vector<ResultLine> lines_;
};

// ---- timing --------------------------------------------------------------------------------

// Ticks of the performance counter, as milliseconds.
double Now();
double Median(std::vector<double> samples);
void PumpMessages();

// ---- the rows ------------------------------------------------------------------------------

// Input orders of a sort key column.
using testing_support::kMeasuredPatterns;
using testing_support::Pattern;
using testing_support::PatternName;

// The rows every control shows: a file name (text), a note (text), three numbers and an image
// index. The name and the first number follow the pattern the rows were made with; the rest
// vary row by row. Texts are held in one buffer so that a million rows stay small.
class RowSet {
  public:
    RowSet(size_t count, Pattern pattern);
    // Rows first to first + count - 1 of a long run of random rows drawn from `random`, which
    // the next part of the run goes on with: a run too long to hold made a part at a time.
    RowSet(size_t count, std::mt19937& random, size_t first);

    size_t size() const { return images_.size(); }
    const char* Name(size_t i) const { return texts_.data() + names_[i]; }
    const char* Note(size_t i) const { return texts_.data() + notes_[i]; }
    INT32 Number(size_t i, int which) const { return numbers_[3 * i + which]; }
    int Image(size_t i) const { return images_[i]; }  // 1 to 3
    // The raw bytes of the rows' data as a grid is given it, per row: both texts with their
    // terminators and 4 bytes for each of the four numbers (three shown, one kind and image).
    double DataBytesPerRow() const;

  private:
    void Make(size_t count, Pattern pattern, std::mt19937& random, size_t first);
    uint32_t AddText(const char* text);

    std::vector<char> texts_;
    std::vector<uint32_t> names_;
    std::vector<uint32_t> notes_;
    std::vector<INT32> numbers_;
    std::vector<uint8_t> images_;
};

// The number as a list view shows it: base 10 with thousands separators, empty for 0.
std::string WithSeparators(INT32 value);

// ---- windows -------------------------------------------------------------------------------

constexpr int kClientWidth = 1000;
constexpr int kClientHeight = 700;

// A visible top-level window whose client area is kClientWidth x kClientHeight. Its procedure
// forwards WM_DRAWITEM to the painter set with SetItemPainter for the control's type (the bare
// list box's and the bare title strip's parent).
class HostWindow {
  public:
    using ItemPainter = void (*)(const DRAWITEMSTRUCT& item, void* context);

    HostWindow();
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;
    HWND get() const { return window_; }
    // `controlType`: ODT_LISTBOX or ODT_STATIC.
    void SetItemPainter(ItemPainter painter, void* context, UINT controlType = ODT_LISTBOX);
    // Paints the item with the painter of its control's type; false when there is none. For
    // windows between the host and its controls.
    bool DrawItem(const DRAWITEMSTRUCT& item) const;

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    struct Painter {
        ItemPainter paint = nullptr;
        void* context = nullptr;
    };
    HWND window_ = nullptr;
    Painter listBoxPainter_;
    Painter staticPainter_;
};

// Four solid-colour 16 x 16 images, shared by the grid (row image list) and the list view.
HIMAGELIST MakeRowImages();

// Committed private bytes of the process (the walk of the address space; GetProcessMemoryInfo
// answers 0 under Wine).
uint64_t PrivateBytes();

std::string Format(double value, int decimals);
std::string Count(size_t rows);  // 100000 -> "100,000"

}  // namespace bench
