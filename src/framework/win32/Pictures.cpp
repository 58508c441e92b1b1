#include "framework/win32/Pictures.h"

#include "framework/win32/Com.h"

#include <wincodec.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <tuple>

namespace framework::win32 {
namespace {

IWICImagingFactory* Factory() {
    return SharedComObject<IWICImagingFactory>(CLSID_WICImagingFactory, IID_IWICImagingFactory);
}

// The first frame of a PNG resource, as premultiplied BGRA.
bool Decode(const std::string& name, int percent, ComPtr<IWICBitmapSource>& out) {
    std::wstring resource;
    for (char c : name) {
        resource += static_cast<wchar_t>(std::toupper(static_cast<unsigned char>(c)));
    }
    resource += L'_' + std::to_wstring(percent);
    HRSRC found = FindResourceW(nullptr, resource.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    auto* bytes = loaded ? static_cast<BYTE*>(LockResource(loaded)) : nullptr;
    IWICImagingFactory* factory = Factory();
    if (!bytes || !factory) {
        return false;
    }
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    if (FAILED(factory->CreateStream(stream.out())) ||
        FAILED(stream->InitializeFromMemory(bytes, SizeofResource(nullptr, found))) ||
        FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, decoder.out())) ||
        FAILED(decoder->GetFrame(0, frame.out())) ||
        FAILED(factory->CreateFormatConverter(converter.out())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom))) {
        return false;
    }
    return SUCCEEDED(
        converter->QueryInterface(IID_IWICBitmapSource, reinterpret_cast<void**>(out.out())));
}

// A picture at one pixel size, ready to blend: a premultiplied 32-bit DIB section.
HBITMAP Make(const std::string& name, int width, int height) {
    ComPtr<IWICBitmapSource> natural;
    UINT w = 0;
    UINT h = 0;
    if (!Decode(name, 100, natural) || FAILED(natural->GetSize(&w, &h)) || !w || !h) {
        return nullptr;
    }
    const double scale = std::min(double(width) / w, double(height) / h);
    const int percent = scale <= 1.0 ? 100 : scale <= 1.5 ? 150 : 200;
    ComPtr<IWICBitmapSource> source;
    if (!Decode(name, percent, source)) {
        return nullptr;
    }
    const UINT cx = std::max(1u, static_cast<UINT>(w * scale + 0.5));
    const UINT cy = std::max(1u, static_cast<UINT>(h * scale + 0.5));
    ComPtr<IWICBitmapScaler> scaler;
    if (FAILED(Factory()->CreateBitmapScaler(scaler.out())) ||
        FAILED(scaler->Initialize(source.get(), cx, cy, WICBitmapInterpolationModeFant))) {
        return nullptr;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(cx);
    info.bmiHeader.biHeight = -static_cast<LONG>(cy);  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) {
        return nullptr;
    }
    if (FAILED(scaler->CopyPixels(nullptr, cx * 4, cx * cy * 4, static_cast<BYTE*>(bits)))) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}

}  // namespace

bool DrawPicture(HDC dc, const RECT& rect, const std::string& name) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) {
        return false;
    }
    // Made once a size: a page is painted often, its pictures' sizes change only with DPI.
    static std::map<std::tuple<std::string, int, int>, HBITMAP> made;
    auto [it, added] = made.try_emplace({name, width, height}, nullptr);
    if (added) {
        it->second = Make(name, width, height);
    }
    HBITMAP bitmap = it->second;
    BITMAP size{};
    if (!bitmap || !GetObjectW(bitmap, sizeof size, &size)) {
        return false;
    }
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    const BOOL drawn = GdiAlphaBlend(dc, rect.left, rect.top, size.bmWidth, size.bmHeight, memory,
                                     0, 0, size.bmWidth, size.bmHeight, blend);
    SelectObject(memory, old);
    DeleteDC(memory);
    return drawn != FALSE;
}

}  // namespace framework::win32
