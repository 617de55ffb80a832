#include "bench_repaint.h"

#include <algorithm>

#include "bench_support.h"

namespace bench {

namespace {

double TimedRepaintMs(const RepaintScene& scene) {
    const double start = Now();
    for (HWND window : scene.timed) {
        RedrawWindow(window, nullptr, nullptr, scene.flags);
    }
    GdiFlush();
    return Now() - start;
}

}  // namespace

RepaintScene Alone(HWND window) {
    return {{window}, {window}};
}

void ShowScene(const RepaintScene& shown, const RepaintScene& hidden) {
    for (HWND window : hidden.shown) {
        ShowWindow(window, SW_HIDE);
    }
    for (HWND window : shown.shown) {
        ShowWindow(window, SW_SHOW);
    }
    for (HWND window : shown.shown) {
        RedrawWindow(window, nullptr, nullptr, kRepaintFlags);
    }
    PumpMessages();
}

void ShowAlone(HWND shown, HWND hidden) {
    ShowScene(Alone(shown), Alone(hidden));
}

std::pair<double, double> MedianRepaintsTakingTurns(const RepaintScene& first,
                                                    const RepaintScene& second, int repeats) {
    constexpr int kBlock = 5;
    std::vector<double> samples[2];
    const RepaintScene* scenes[2] = {&first, &second};
    while (static_cast<int>(samples[1].size()) < repeats) {
        for (int turn = 0; turn < 2; ++turn) {
            ShowScene(*scenes[turn], *scenes[1 - turn]);
            for (int i = 0; i < kBlock && static_cast<int>(samples[turn].size()) < repeats; ++i) {
                samples[turn].push_back(TimedRepaintMs(*scenes[turn]));
            }
        }
    }
    return {Median(samples[0]), Median(samples[1])};
}

std::vector<UINT32> ClientPixels(HWND window, int width) {
    RECT client;
    GetClientRect(window, &client);
    const int height = client.bottom;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<UINT32> pixels(static_cast<size_t>(width) * height);
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return pixels;
}

size_t DifferingPixels(const std::vector<UINT32>& ours, const std::vector<UINT32>& theirs) {
    if (ours.size() != theirs.size()) {
        return std::max(ours.size(), theirs.size());
    }
    size_t differing = 0;
    for (size_t i = 0; i < ours.size(); ++i) {
        differing += ours[i] != theirs[i] ? 1 : 0;
    }
    return differing;
}

}  // namespace bench
