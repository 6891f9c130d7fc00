#include "pictures.h"

#include <stb_image.h>
#include <stb_image_resize.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>

namespace velkorn::win32 {
namespace {

// The resource's bytes, or an empty span when there is none.
std::pair<const BYTE*, DWORD> resourceBytes(const std::string& name) {
    // Named as the build names them: face-1@2x.jpg is FACE_1_2X_JPG.
    std::string resourceName = name;
    std::transform(
        resourceName.begin(), resourceName.end(), resourceName.begin(),
        [](unsigned char c) { return std::isalnum(c) ? static_cast<char>(std::toupper(c)) : '_'; });
    HRSRC resource = FindResourceA(nullptr, resourceName.c_str(), MAKEINTRESOURCEA(10));
    if (resource == nullptr) {
        return {nullptr, 0};
    }
    HGLOBAL loaded = LoadResource(nullptr, resource);
    return {static_cast<const BYTE*>(LockResource(loaded)), SizeofResource(nullptr, resource)};
}

// A 32-bit top-down DIB section of the given size, and its pixels.
HBITMAP createBitmap(int width, int height, BYTE*& pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels = static_cast<BYTE*>(bits);
    return bitmap;
}

// Decoded in-process: the pictures are few and small, and a decoder of our
// own costs a fraction of starting WIC through COM.
Picture decode(const BYTE* bytes, DWORD size, double scale) {
    if (bytes == nullptr) {
        return {};
    }
    int width = 0;
    int height = 0;
    int channels = 0;
    const std::unique_ptr<stbi_uc, void (*)(void*)> decoded(
        stbi_load_from_memory(bytes, static_cast<int>(size), &width, &height, &channels, 4),
        &stbi_image_free);
    if (decoded == nullptr) {
        return {};
    }
    const auto target = [scale](int length) {
        return static_cast<int>(std::max(1.0, std::round(length * scale)));
    };
    const int targetWidth = target(width);
    const int targetHeight = target(height);
    BYTE* pixels = nullptr;
    HBITMAP bitmap = createBitmap(targetWidth, targetHeight, pixels);
    if (bitmap == nullptr) {
        return {};
    }
    const std::size_t bytesCount = std::size_t(4) * targetWidth * targetHeight;
    if (targetWidth == width && targetHeight == height) {
        std::copy_n(decoded.get(), bytesCount, pixels);
    } else {
        stbir_resize_uint8(decoded.get(), width, height, 0, pixels, targetWidth, targetHeight, 0,
                           4);
    }
    // RGBA as decoded, BGR and an unused byte as GDI reads it.
    for (std::size_t i = 0; i < bytesCount; i += 4) {
        std::swap(pixels[i], pixels[i + 2]);
        pixels[i + 3] = 0;
    }
    return {bitmap, targetWidth, targetHeight};
}

} // namespace

const Picture& loadPicture(const std::vector<PictureDrawing>& drawings, UINT dpi) {
    static std::map<std::pair<std::string, UINT>, Picture> cache;
    const auto key = std::make_pair(drawings.front().file, dpi);
    if (const auto found = cache.find(key); found != cache.end()) {
        return found->second;
    }
    for (const PictureDrawing& drawing : drawings) {
        const auto bytes = resourceBytes(drawing.file);
        if (bytes.first != nullptr) {
            const double scale = dpi / (96.0 * drawing.drawnScale);
            return cache.emplace(key, decode(bytes.first, bytes.second, scale)).first->second;
        }
    }
    return cache.emplace(key, Picture{}).first->second;
}

namespace {

// One memory DC for every copy, kept: a paint of the clock makes none.
HDC pictureSource(const Picture& picture) {
    static const HDC source = CreateCompatibleDC(nullptr);
    SelectObject(source, picture.bitmap);
    return source;
}

} // namespace

void drawPicture(HDC target, const Picture& picture, int x, int y) {
    if (picture.bitmap != nullptr) {
        BitBlt(target, x, y, picture.width, picture.height, pictureSource(picture), 0, 0, SRCCOPY);
    }
}

void drawPictureArea(HDC target, const Picture& picture, const RECT& area) {
    if (picture.bitmap != nullptr) {
        BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top,
               pictureSource(picture), area.left, area.top, SRCCOPY);
    }
}

} // namespace velkorn::win32
