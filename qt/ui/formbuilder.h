// Builds a window's controls from its FormDescription: geometry from twips,
// fonts, colours, tool tips, accessible names and stacking order. Every
// window is built here, so the three look and behave alike. Its pictures
// (cardpictures.h) and its face (cardfont.h) are found apart.
#pragma once

#include "velkorn/formdescription.h"

#include "cardfont.h"
#include "cardpictures.h"

#include <QString>

#include <map>
#include <string_view>

class QWidget;

namespace velkorn::ui {

// A window's controls by their names in its description (which outlives
// them).
using CardControls = std::map<std::string_view, QWidget*, std::less<>>;

// Sizes, titles and fills the window, and creates its controls as children
// named after the description. The window's icon is not set: it is not part
// of the first frame (see windowIcon).
CardControls buildForm(QWidget* window, const FormDescription& description);

// A control or window name from a description, as Qt's object name.
inline QLatin1StringView latin1(std::string_view name) {
    return QLatin1StringView(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace velkorn::ui
