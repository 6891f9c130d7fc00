// Whether a Linux desktop asks for high contrast, decided from what each
// desktop says of it, which a front end gathers: the desktop portal's
// contrast preference, GNOME's own high-contrast setting, KDE's colour
// scheme, and a GTK theme (GTK_THEME, or the theme a desktop set).
// Windows has a flag of its own; a browser a media query.
#pragma once

#include <optional>
#include <string>

namespace velkorn {

struct DesktopContrast {
    std::optional<bool> portalHighContrast; // org.freedesktop.appearance "contrast" is 1
    std::optional<bool> gnomeHighContrast;  // org.gnome.desktop.a11y.interface "high-contrast"
    std::string kdeColorScheme;             // kdeglobals: [General] ColorScheme
    std::string gtkTheme;
};

bool wantsHighContrast(const DesktopContrast& desktop);

} // namespace velkorn
