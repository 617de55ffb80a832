#include "screenshot.h"

#include <wincodec.h>

#include <vector>

#include "screen_pixels.h"

namespace {

template <typename T>
void Release(T*& object) {
    if (object != nullptr) {
        object->Release();
        object = nullptr;
    }
}

// Reads the window's pixels, as shown on the screen, top row first, 32-bit BGRA.
std::vector<DWORD> ReadPixels(HWND window, int& width, int& height) {
    RECT rect;
    GetWindowRect(window, &rect);
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    std::vector<DWORD> pixels =
        testing_support::CopyPixels(screen, rect.left, rect.top, width, height);
    ReleaseDC(nullptr, screen);
    for (DWORD& pixel : pixels) {
        pixel |= 0xFF000000u;  // opaque
    }
    return pixels;
}

}  // namespace

bool SaveWindowPng(HWND window, const wchar_t* path) {
    int width = 0;
    int height = 0;
    std::vector<DWORD> pixels = ReadPixels(window, width, height);
    if (width <= 0 || height <= 0) {
        return false;
    }

    IWICImagingFactory* factory = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    bool written = false;
    HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IWICImagingFactory, reinterpret_cast<void**>(&factory));
    if (SUCCEEDED(hr))
        hr = factory->CreateStream(&stream);
    if (SUCCEEDED(hr))
        hr = stream->InitializeFromFilename(path, GENERIC_WRITE);
    if (SUCCEEDED(hr))
        hr = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder);
    if (SUCCEEDED(hr))
        hr = encoder->Initialize(stream, WICBitmapEncoderNoCache);
    if (SUCCEEDED(hr))
        hr = encoder->CreateNewFrame(&frame, nullptr);
    if (SUCCEEDED(hr))
        hr = frame->Initialize(nullptr);
    if (SUCCEEDED(hr))
        hr = frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height));
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
    if (SUCCEEDED(hr))
        hr = frame->SetPixelFormat(&format);
    if (SUCCEEDED(hr) && format == GUID_WICPixelFormat32bppBGRA) {
        hr = frame->WritePixels(static_cast<UINT>(height), static_cast<UINT>(width) * 4,
                                static_cast<UINT>(pixels.size() * sizeof(DWORD)),
                                reinterpret_cast<BYTE*>(pixels.data()));
        if (SUCCEEDED(hr))
            hr = frame->Commit();
        if (SUCCEEDED(hr))
            hr = encoder->Commit();
        written = SUCCEEDED(hr);
    }
    Release(frame);
    Release(encoder);
    Release(stream);
    Release(factory);
    return written;
}
