#include "bench_support.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>

namespace bench {

// ---- results -------------------------------------------------------------------------------

void ResultTable::Add(ResultLine line) {
    std::fprintf(stderr, "  %s rows, %s: %s %s vs %s %s\n", line.rows.c_str(),
                 line.measurement.c_str(), Format(line.ours, 3).c_str(), line.unit.c_str(),
                 Format(line.theirs, 3).c_str(), line.unit.c_str());
    lines_.push_back(std::move(line));
}

std::string ResultTable::Markdown(const std::string& heading, const std::string& footnote) const {
    std::vector<std::string> sections;
    for (const ResultLine& line : lines_) {
        if (std::find(sections.begin(), sections.end(), line.section) == sections.end()) {
            sections.push_back(line.section);
        }
    }
    std::string text = "# " + heading + "\n" + Targets();
    for (const std::string& section : sections) {
        text += "\n## " + section + "\n\n";
        text +=
            "| Rows | Measurement | Vorlane | Compared with | Theirs | Ratio (Vorlane / theirs) "
            "| Target | Met | Notes |\n";
        text += "|---:|---|---:|---|---:|---:|---|---|---|\n";
        for (const ResultLine& line : lines_) {
            if (line.section == section) {
                text += Row(line);
            }
        }
    }
    text += "\n" + footnote;
    return text;
}

bool ResultTable::Met(const ResultLine& line) {
    const double figure = line.theirs > 0 ? line.ours / line.theirs : line.ours;
    return figure <= line.target.maxRatio;
}

// Every line that carries a target, with its ratio and, when the target is not met, the
// measured cost that stands in its way (the line's notes when it names none of its own).
std::string ResultTable::Targets() const {
    std::string text =
        "\n## Targets\n\n| Rows | Measurement | Compared with | Ratio | Target | Met | What "
        "stands in its way |\n|---:|---|---|---:|---|---|---|\n";
    if (std::none_of(lines_.begin(), lines_.end(),
                     [](const ResultLine& line) { return line.target.maxRatio > 0; })) {
        return "\n## Targets\n\nNo line measured in this run carries a target.\n";
    }
    for (const ResultLine& line : lines_) {
        if (line.target.maxRatio <= 0) {
            continue;
        }
        const bool met = Met(line);
        text += "| " + line.rows + " | " + line.section + ": " + line.measurement + " | " +
                line.against + " | " +
                Format(line.theirs > 0 ? line.ours / line.theirs : line.ours, 2) + " | " +
                line.target.text + " | " + (met ? "yes" : "**no**") + " | " +
                (met                     ? ""
                 : line.inTheWay.empty() ? line.notes
                                         : line.inTheWay) +
                " |\n";
    }
    return text;
}

std::string ResultTable::Row(const ResultLine& line) {
    const bool compared = line.theirs > 0;
    const double ratio = compared ? line.ours / line.theirs : 0;
    std::string met = "-";
    if (line.target.maxRatio > 0) {
        met = Met(line) ? "yes" : "**no**";
    }
    return "| " + line.rows + " | " + line.measurement + " | " + Format(line.ours, 3) + " " +
           line.unit + " | " + line.against + " | " +
           (compared ? Format(line.theirs, 3) + " " + line.unit : "-") + " | " +
           (compared ? Format(ratio, 2) : "-") + " | " +
           (line.target.text.empty() ? "-" : line.target.text) + " | " + met + " | " + line.notes +
           " |\n";
}

// ---- timing --------------------------------------------------------------------------------

double Now() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / frequency;
}

double Median(std::vector<double> samples) {
    if (samples.empty()) {
        return 0;
    }
    std::sort(samples.begin(), samples.end());
    const size_t middle = samples.size() / 2;
    return samples.size() % 2 != 0 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// ---- the rows ------------------------------------------------------------------------------

namespace {

constexpr uint32_t kFewKeys = 8;

// The key of row i of n in a pattern: a 32-bit value whose order is the order wanted.
uint32_t PatternKey(Pattern pattern, size_t i, size_t n, std::mt19937& random) {
    const uint32_t stride = static_cast<uint32_t>(0xF0000000u / std::max<size_t>(n, 1));
    switch (pattern) {
        case Pattern::Random: return static_cast<uint32_t>(random());
        case Pattern::Sorted: return static_cast<uint32_t>(i) * stride + 1;
        case Pattern::Reversed: return static_cast<uint32_t>(n - i) * stride;
        case Pattern::AllEqual: return 0x12345678u;
        case Pattern::FewDistinct: return (static_cast<uint32_t>(random()) % kFewKeys + 1) << 24;
        default: return 0;  // the benchmarks measure none of the others
    }
}

// Seven letters in base 26 keep the key's order under case folding; the case of each letter
// varies so that the folding is exercised.
void NameOf(uint32_t key, char* out) {
    uint32_t value = key;
    for (int place = 6; place >= 0; --place) {
        const char letter = static_cast<char>('a' + value % 26);
        value /= 26;
        const bool upper = ((key >> place) ^ (key >> (place + 9))) & 1;
        out[place] = upper ? static_cast<char>(letter - 'a' + 'A') : letter;
    }
    std::snprintf(out + 7, 8, ".txt");
}

}  // namespace

RowSet::RowSet(size_t count, Pattern pattern) {
    std::mt19937 random(20240611u + static_cast<unsigned>(pattern));
    Make(count, pattern, random, 0);
}

RowSet::RowSet(size_t count, std::mt19937& random, size_t first) {
    Make(count, Pattern::Random, random, first);
}

void RowSet::Make(size_t count, Pattern pattern, std::mt19937& random, size_t first) {
    names_.reserve(count);
    notes_.reserve(count);
    numbers_.reserve(3 * count);
    images_.reserve(count);
    texts_.reserve(count * 24);
    for (size_t row = 0; row < count; ++row) {
        const size_t i = first + row;
        char name[16];
        NameOf(PatternKey(pattern, i, count, random), name);
        names_.push_back(AddText(name));
        char note[32];
        std::snprintf(note, sizeof note, "note number %u", static_cast<unsigned>(i * 7));
        notes_.push_back(AddText(note));
        // The first number follows the pattern: the key bits shifted down keep their order in
        // a positive signed value.
        numbers_.push_back(static_cast<INT32>(PatternKey(pattern, i, count, random) >> 1));
        numbers_.push_back(static_cast<INT32>(1000 + (i * 37) % 1000000));
        numbers_.push_back(static_cast<INT32>(98765432 - (i * 12345) % 90000000));
        images_.push_back(static_cast<uint8_t>(1 + i % 3));
    }
}

double RowSet::DataBytesPerRow() const {
    if (images_.empty()) {
        return 0;
    }
    constexpr size_t kNumberBytes = 4 * sizeof(INT32);
    const auto rows = static_cast<double>(images_.size());
    return (static_cast<double>(texts_.size()) + kNumberBytes * rows) / rows;
}

uint32_t RowSet::AddText(const char* text) {
    const uint32_t at = static_cast<uint32_t>(texts_.size());
    texts_.insert(texts_.end(), text, text + std::strlen(text) + 1);
    return at;
}

std::string WithSeparators(INT32 value) {
    if (value == 0) {
        return "";
    }
    const std::string digits = std::to_string(static_cast<UINT32>(value));
    std::string text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0) {
            text.push_back(',');
        }
        text.push_back(digits[i]);
    }
    return text;
}

// ---- windows -------------------------------------------------------------------------------

HostWindow::HostWindow() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "VorlaneBenchHost";
    RegisterClassA(&windowClass);  // fails harmlessly from the second host on
    RECT frame = {0, 0, kClientWidth, kClientHeight};
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE;
    AdjustWindowRect(&frame, style, FALSE);
    window_ = CreateWindowExA(0, "VorlaneBenchHost", "bench", style, 0, 0, frame.right - frame.left,
                              frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleA(nullptr),
                              this);
    PumpMessages();
}

HostWindow::~HostWindow() {
    DestroyWindow(window_);
    PumpMessages();
}

void HostWindow::SetItemPainter(ItemPainter painter, void* context, UINT controlType) {
    Painter& slot = controlType == ODT_STATIC ? staticPainter_ : listBoxPainter_;
    slot = {painter, context};
}

bool HostWindow::DrawItem(const DRAWITEMSTRUCT& item) const {
    const Painter& painter = item.CtlType == ODT_STATIC ? staticPainter_ : listBoxPainter_;
    if (painter.paint == nullptr) {
        return false;
    }
    painter.paint(item, painter.context);
    return true;
}

LRESULT CALLBACK HostWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* host = reinterpret_cast<HostWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_DRAWITEM && host != nullptr &&
        host->DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HIMAGELIST MakeRowImages() {
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR24, 4, 0);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    const COLORREF colors[4] = {RGB(0, 0, 0), RGB(200, 60, 60), RGB(60, 160, 60), RGB(60, 60, 200)};
    for (COLORREF color : colors) {
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        HBRUSH brush = CreateSolidBrush(color);
        RECT all = {2, 2, 14, 14};
        FillRect(memory, &all, brush);
        DeleteObject(brush);
        SelectObject(memory, previous);
        ImageList_Add(list, bitmap, nullptr);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return list;
}

uint64_t PrivateBytes() {
    uint64_t bytes = 0;
    MEMORY_BASIC_INFORMATION region;
    for (const char* at = nullptr; VirtualQuery(at, &region, sizeof region) == sizeof region;
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) {
            bytes += region.RegionSize;
        }
        if (region.RegionSize == 0) {
            break;
        }
    }
    return bytes;
}

std::string Format(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::string Count(size_t rows) {
    const std::string digits = std::to_string(rows);
    std::string text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0) {
            text.push_back(',');
        }
        text.push_back(digits[i]);
    }
    return text;
}

}  // namespace bench
