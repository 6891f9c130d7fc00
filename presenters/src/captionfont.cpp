#include "velkorn/captionfont.h"

#include "velkorn/twips.h"

#include <algorithm>

namespace velkorn {

std::vector<std::string_view> captionFamilies(int dpi) {
    std::vector<std::string_view> families{"Microsoft Sans Serif", "Liberation Sans", "Arimo",
                                           "Nimbus Sans", "DejaVu Sans"};
    if (dpi == kStandardDpi) {
        families.insert(families.begin(), "MS Sans Serif");
    }
    return families;
}

std::vector<std::string_view>
fromFirstInstalled(std::vector<std::string_view> families,
                   const std::function<bool(std::string_view)>& installed) {
    const auto first = std::find_if(families.begin(), families.end(), installed);
    if (first != families.end()) {
        families.erase(families.begin(), first);
    }
    return families;
}

} // namespace velkorn
