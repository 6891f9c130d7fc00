#include "velkorn/desktopcontrast.h"

#include <algorithm>
#include <cctype>

namespace velkorn {
namespace {

// "HighContrast", "HighContrastInverse", KDE's "BreezeHighContrast", in
// any case and with or without a space or a dash between the words.
bool namesHighContrast(const std::string& name) {
    std::string letters;
    for (unsigned char c : name) {
        if (std::isalpha(c) != 0) {
            letters += static_cast<char>(std::tolower(c));
        }
    }
    return letters.find("highcontrast") != std::string::npos;
}

} // namespace

// Any of them asking is enough: the portal's "no preference" is no "no",
// and a desktop sets one of them, not all.
bool wantsHighContrast(const DesktopContrast& desktop) {
    return desktop.portalHighContrast.value_or(false) ||
           desktop.gnomeHighContrast.value_or(false) || namesHighContrast(desktop.kdeColorScheme) ||
           namesHighContrast(desktop.gtkTheme);
}

} // namespace velkorn
