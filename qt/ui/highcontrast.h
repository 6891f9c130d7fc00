// Whether the desktop asks for high contrast, with the colours it asks
// for. Qt 6.4 has no setting of its own for it: a high-contrast GTK theme
// (GTK_THEME, as GNOME's accessibility menu and the session set it) is
// taken as the sign, and the application palette gives the colours.
#pragma once

#include "velkorn/captioncolours.h"

#include <optional>

namespace velkorn::ui {

std::optional<HighContrast> highContrast();

} // namespace velkorn::ui
