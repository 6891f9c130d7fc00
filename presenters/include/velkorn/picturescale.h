// Which drawing of a picture a window shows at a scale: every picture is
// drawn at its own size and at twice it (name@2x.jpg), and above 100% the
// twice-size drawing is used, scaled down to the screen's pixels, so that
// pictures stay sharp at 125% as at 200%.
#pragma once

#include "velkorn/formdescription.h"

#include <set>
#include <string>
#include <string_view>

namespace velkorn {

// 1 or 2, for a scale of the window (1.0 at 96 DPI).
constexpr int drawingScale(double scale) {
    return scale > 1.0 ? 2 : 1;
}

// The file of a picture's drawing at that scale: "face-1.jpg" or
// "face-1@2x.jpg".
inline std::string pictureFile(std::string_view picture, int drawing) {
    if (drawing == 1) {
        return std::string(picture);
    }
    const auto dot = picture.rfind('.');
    return std::string(picture.substr(0, dot)) + "@2x" + std::string(picture.substr(dot));
}

// The files of every picture a window shows (its background and its
// controls'), each once, at that scale.
inline std::set<std::string> pictureFiles(const FormDescription& form, int drawing) {
    std::set<std::string> files{pictureFile(form.background, drawing)};
    for (const ControlDescription& entry : form.controls) {
        if (entry.picture != nullptr) {
            files.insert(pictureFile(entry.picture, drawing));
        }
    }
    return files;
}

} // namespace velkorn
