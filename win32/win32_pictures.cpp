#include "win32/win32_pictures.h"

#include <windows.h>

#include <wincodec.h>

#include <functional>

#include "win32/conversions.h"
#include "win32/gdi_painting.h"
#include "win32/pictures.h"
#include "win32/win32_binding.h"
#include "win32/window_view.h"

namespace torvi::win32 {
namespace {

// Releases a COM object when it goes.
template <typename T>
struct Held {
    T* object = nullptr;
    ~Held() {
        if (object != nullptr) object->Release();
    }
    T* operator->() const { return object; }
};

// What paint draws on a bitmap of this size, as a PNG file's bytes.
std::optional<std::string> paintedPng(SIZE size, const std::function<void(HDC)>& paint) {
    if (size.cx <= 0 || size.cy <= 0) return std::nullopt;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;  // top-down, as the encoder takes rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    std::optional<std::string> png;
    if (bitmap != nullptr && pixels != nullptr) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        paint(memory);
        GdiFlush();
        SelectObject(memory, previous);
        Held<IWICImagingFactory> factory;
        Held<IStream> stream;
        Held<IWICBitmapEncoder> encoder;
        Held<IWICBitmapFrameEncode> frame;
        WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
        const UINT stride = static_cast<UINT>(size.cx) * 4;
        if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_PPV_ARGS(&factory.object))) &&
            SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, &stream.object)) &&
            SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder.object)) &&
            SUCCEEDED(encoder->Initialize(stream.object, WICBitmapEncoderNoCache)) &&
            SUCCEEDED(encoder->CreateNewFrame(&frame.object, nullptr)) &&
            SUCCEEDED(frame->Initialize(nullptr)) &&
            SUCCEEDED(frame->SetSize(static_cast<UINT>(size.cx), static_cast<UINT>(size.cy))) &&
            SUCCEEDED(frame->SetPixelFormat(&format)) && format == GUID_WICPixelFormat32bppBGR &&
            SUCCEEDED(frame->WritePixels(static_cast<UINT>(size.cy), stride,
                                         stride * static_cast<UINT>(size.cy),
                                         static_cast<BYTE*>(pixels))) &&
            SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit())) {
            HGLOBAL block = nullptr;
            STATSTG stat{};
            if (SUCCEEDED(GetHGlobalFromStream(stream.object, &block)) &&
                SUCCEEDED(stream->Stat(&stat, STATFLAG_NONAME))) {
                const auto* bytes = static_cast<const char*>(GlobalLock(block));
                png = std::string(bytes, static_cast<std::size_t>(stat.cbSize.QuadPart));
                GlobalUnlock(block);
            }
        }
    }
    if (bitmap != nullptr) DeleteObject(bitmap);
    DeleteDC(memory);
    return png;
}

}  // namespace

std::optional<std::string> Win32Pictures::png(const std::string& resource) {
    // The bitmap at its own pixels, as the windows show it at 96 pixels an inch.
    HBITMAP bitmap =
        static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), resourceName(resource).c_str(),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (bitmap == nullptr) return std::nullopt;
    BITMAP size{};
    GetObjectW(bitmap, sizeof size, &size);
    DeleteObject(bitmap);
    const ui::Picture picture{resource, size.bmWidth, size.bmHeight};
    const RECT area{0, 0, size.bmWidth, size.bmHeight};
    return paintedPng(SIZE{size.bmWidth, size.bmHeight},
                      [&](HDC dc) { drawPicture(dc, picture, area, true, screenPixelsPerInch()); });
}

std::optional<std::string> Win32Pictures::windowPng(const ui::Window& window) {
    WindowView* view = binding_.windowView(&window);
    if (view == nullptr || view->clientArea() == nullptr) return std::nullopt;
    RECT client{};
    GetClientRect(view->clientArea(), &client);
    return paintedPng(SIZE{client.right, client.bottom},
                      [&](HDC dc) { view->paintClientArea(dc, client); });
}

std::optional<std::string> Win32Pictures::pagePng(const std::vector<ui::DrawItem>& items, int width,
                                                  int height, int dotsPerInch) {
    const ui::Resolution resolution{dotsPerInch, dotsPerInch};
    const ui::Point size = ui::twipsToDevice(ui::Point{width, height}, resolution);
    return paintedPng(SIZE{size.x, size.y}, [&](HDC dc) {
        const RECT page{0, 0, size.x, size.y};
        FillRect(dc, &page, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        paintItems(dc, items, resolution);
    });
}

}  // namespace torvi::win32
