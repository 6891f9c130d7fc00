// Makes a window's controls from its FormDescription, and places and
// paints them as the presenter's layout says: geometry, stacking,
// pictures, caption colours and alignment. Every window is built here, so
// the three look and behave alike; nothing here decides where or how.
#pragma once

#include "velkorn/cardlayout.h"
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

// Titles the window and creates its controls as its children, named after
// the description, each kind as its widget. The window's icon is not set:
// it is not part of the first frame (see windowIcon).
CardControls buildForm(QWidget* window, const FormDescription& description);

// Sizes the window and places and paints every control as laid out, with
// its pictures for the window's device pixel ratio.
void placeControls(QWidget* window, const CardControls& controls, const CardLayout& layout);

// A control or window name from a description, as Qt's object name.
inline QLatin1StringView latin1(std::string_view name) {
    return QLatin1StringView(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace velkorn::ui
