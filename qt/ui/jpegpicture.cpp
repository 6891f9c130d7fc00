#include "jpegpicture.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE

#include <jpeglib.h>

namespace velkorn::ui {
namespace {

// libjpeg ends the program on a broken picture unless its error handler
// jumps out; the steps it may jump out of touch no C++ object.
struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void jumpOut(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

void keepQuiet(j_common_ptr) {}

bool startDecoding(jpeg_decompress_struct& info, JpegError& error, QByteArrayView bytes) {
    if (setjmp(error.jump) != 0) {
        return false;
    }
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        return false;
    }
    // Blue, green, red and a spare byte: Format_RGB32 as it lies in memory
    // on a little-endian machine.
    info.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    return jpeg_start_decompress(&info) == TRUE;
}

bool readLines(jpeg_decompress_struct& info, JpegError& error, uchar* pixels,
               qsizetype bytesPerLine) {
    if (setjmp(error.jump) != 0) {
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW line = pixels + bytesPerLine * info.output_scanline;
        if (jpeg_read_scanlines(&info, &line, 1) != 1) {
            return false; // the picture ended early
        }
    }
    return jpeg_finish_decompress(&info) == TRUE;
}

} // namespace

QImage decodeJpeg(QByteArrayView bytes) {
    jpeg_decompress_struct info{};
    JpegError error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = &jumpOut;
    error.manager.output_message = &keepQuiet;
    jpeg_create_decompress(&info);
    QImage image;
    if (startDecoding(info, error, bytes) && info.output_components == 4) {
        image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                       QImage::Format_RGB32);
        if (image.isNull() || !readLines(info, error, image.bits(), image.bytesPerLine())) {
            image = QImage();
        }
    }
    jpeg_destroy_decompress(&info);
    return image;
}

} // namespace velkorn::ui
