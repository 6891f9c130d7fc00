// Writes the C++ source of the first window's pictures, decoded, for
// builtpictures.h: velkorn-picture-pixels ASSETS_DIR OUTPUT.cpp
// The pixels come from the program's own decoder, so a built-in picture is
// exactly the one its JPEG would give at run time.
#include "jpegpicture.h"

#include "velkorn/form1description.h"
#include "velkorn/picturescale.h"

#include <QFile>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

void writePixels(std::ofstream& out, const QImage& image, int index) {
    out << "alignas(16) constexpr unsigned int p" << index << "[] = {";
    char word[16];
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const unsigned int*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            std::snprintf(word, sizeof word, "%s0x%08xu,", x % 8 == 0 ? "\n" : "", line[x]);
            out << word;
        }
    }
    out << "};\n";
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ASSETS_DIR OUTPUT.cpp\n", argv[0]);
        return 2;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << "// Made by velkorn-picture-pixels from the JPEG drawings: not to edit.\n"
           "#include \"builtpictures.h\"\n\nnamespace velkorn::ui {\nnamespace {\n";
    std::string table;
    int index = 0;
    for (const std::string& file : velkorn::pictureFiles(velkorn::form1Description(), 1)) {
        QFile jpeg(QString::fromUtf8(argv[1]) + u'/' + QString::fromStdString(file));
        const QImage image =
            jpeg.open(QIODevice::ReadOnly) ? velkorn::ui::decodeJpeg(jpeg.readAll()) : QImage();
        if (image.isNull() || image.format() != QImage::Format_RGB32) {
            std::fprintf(stderr, "%s: no picture in %s\n", argv[0], file.c_str());
            return 1;
        }
        writePixels(out, image, index);
        table += "    {\"" + file + "\", " + std::to_string(image.width()) + ", " +
                 std::to_string(image.height()) + ", p" + std::to_string(index) + "},\n";
        ++index;
    }
    out << "constexpr BuiltPicture table[] = {\n"
        << table << "};\n} // namespace\n\n"
        << "std::span<const BuiltPicture> builtPictures() { return table; }\n\n"
           "} // namespace velkorn::ui\n";
    out.close();
    if (!out) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
