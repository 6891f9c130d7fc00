#include "pictures.h"

#include "velkorn/picturescale.h"

#include "widetext.h"

#include <wincodec.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <tuple>
#include <string>
#include <utility>

namespace velkorn::win32 {
namespace {


// Releases a COM interface when it goes out of scope.
template <typename Interface> class ComPointer {
  public:
    ComPointer() = default;
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;
    ~ComPointer() {
        if (pointer != nullptr) {
            pointer->Release();
        }
    }
    Interface** out() { return &pointer; }
    Interface* operator->() const { return pointer; }
    Interface* get() const { return pointer; }
    explicit operator bool() const { return pointer != nullptr; }

  private:
    Interface* pointer = nullptr;
};

IWICImagingFactory* imagingFactory() {
    static IWICImagingFactory* factory = [] {
        IWICImagingFactory* created = nullptr;
        CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                         IID_PPV_ARGS(&created));
        return created;
    }();
    return factory;
}

// The resource's bytes, or an empty span when there is none.
std::pair<const BYTE*, DWORD> resourceBytes(const std::string& name) {
    // Named as the build names them: face-1@2x.jpg is FACE_1_2X_JPG.
    std::string resourceName = name;
    std::transform(
        resourceName.begin(), resourceName.end(), resourceName.begin(),
        [](unsigned char c) { return std::isalnum(c) ? static_cast<char>(std::toupper(c)) : '_'; });
    HRSRC resource = FindResourceW(nullptr, widen(resourceName).c_str(), MAKEINTRESOURCEW(10));
    if (resource == nullptr) {
        return {nullptr, 0};
    }
    HGLOBAL loaded = LoadResource(nullptr, resource);
    return {static_cast<const BYTE*>(LockResource(loaded)), SizeofResource(nullptr, resource)};
}

Picture decode(const BYTE* bytes, DWORD size, double scale) {
    IWICImagingFactory* factory = imagingFactory();
    ComPointer<IWICStream> stream;
    ComPointer<IWICBitmapDecoder> decoder;
    ComPointer<IWICBitmapFrameDecode> frame;
    ComPointer<IWICFormatConverter> converter;
    if (factory == nullptr || FAILED(factory->CreateStream(stream.out())) ||
        FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes), size)) ||
        FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, decoder.out())) ||
        FAILED(decoder->GetFrame(0, frame.out())) ||
        FAILED(factory->CreateFormatConverter(converter.out())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR,
                                     WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom))) {
        return {};
    }
    UINT width = 0;
    UINT height = 0;
    frame->GetSize(&width, &height);
    const auto target = [scale](UINT length) {
        return static_cast<UINT>(std::max(1.0, std::round(length * scale)));
    };
    IWICBitmapSource* source = converter.get();
    ComPointer<IWICBitmapScaler> scaler;
    if (target(width) != width || target(height) != height) {
        if (FAILED(factory->CreateBitmapScaler(scaler.out())) ||
            FAILED(scaler->Initialize(converter.get(), target(width), target(height),
                                      WICBitmapInterpolationModeFant))) {
            return {};
        }
        source = scaler.get();
        width = target(width);
        height = target(height);
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height); // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) {
        return {};
    }
    source->CopyPixels(nullptr, 4 * width, 4 * width * height, static_cast<BYTE*>(bits));
    return {bitmap, static_cast<int>(width), static_cast<int>(height)};
}

} // namespace

const Picture& loadPicture(const char* name, UINT dpi, int drawingScale) {
    static std::map<std::tuple<std::string, UINT, int>, Picture> cache;
    const auto key = std::make_tuple(std::string(name), dpi, drawingScale);
    if (const auto found = cache.find(key); found != cache.end()) {
        return found->second;
    }
    double drawnScale = drawingScale;
    auto bytes = resourceBytes(pictureFile(name, drawingScale));
    if (bytes.first == nullptr) {
        bytes = resourceBytes(name);
        drawnScale = 1;
    }
    const double scale = dpi / (96.0 * drawnScale);
    return cache.emplace(key, decode(bytes.first, bytes.second, scale)).first->second;
}

void drawPicture(HDC target, const Picture& picture, int x, int y) {
    if (picture.bitmap == nullptr) {
        return;
    }
    HDC source = CreateCompatibleDC(target);
    HGDIOBJ previous = SelectObject(source, picture.bitmap);
    BitBlt(target, x, y, picture.width, picture.height, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
}

} // namespace velkorn::win32
