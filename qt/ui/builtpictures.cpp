#include "builtpictures.h"

#include <algorithm>

namespace velkorn::ui {

QImage builtPicture(std::string_view file) {
    const auto pictures = builtPictures();
    const auto found =
        std::find_if(pictures.begin(), pictures.end(),
                     [file](const BuiltPicture& built) { return built.file == file; });
    if (found == pictures.end()) {
        return QImage();
    }
    // Read-only: a painter drawing into it would have Qt copy it first.
    return QImage(reinterpret_cast<const uchar*>(found->pixels), found->width, found->height,
                  found->width * qsizetype(sizeof *found->pixels), QImage::Format_RGB32);
}

} // namespace velkorn::ui
