// Builds a window's controls from its FormDescription: geometry from twips,
// fonts, colours, tool tips, accessible names and stacking order. Every
// window is built here, so the three look and behave alike.
#pragma once

#include "velkorn/formdescription.h"

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QString>

#include <string_view>

class QWidget;

namespace velkorn::ui {

// Sizes, titles and fills the window, and creates its controls as children
// named after the description. The window's icon is not set: it is not part
// of the first frame (see windowIcon).
void buildForm(QWidget* window, const FormDescription& description);

// The window's icon, for the taskbar and the window switcher.
QIcon windowIcon(const FormDescription& description);

// Starts decoding the pictures of a window at a drawing scale on a worker
// thread, for loadPicture to take: the window's controls and fonts are
// made meanwhile, and the first use of the font database alone takes
// longer than all its pictures.
void prefetchPictures(const FormDescription& description, int drawingScale);

// A picture built into the program, from its drawing at the given scale
// (1: name.jpg, 2: name@2x.jpg), for a screen of the given device pixel
// ratio: the pixmap has exactly the screen's pixels. Each picture is
// decoded once per ratio; the keypads share faces.
QPixmap loadPicture(const char* picture, qreal devicePixelRatio, int drawingScale);

// A control or window name from a description, as Qt's object name.
inline QLatin1StringView latin1(std::string_view name) {
    return QLatin1StringView(name.data(), static_cast<qsizetype>(name.size()));
}

// The labels' and boxes' face: MS Sans Serif where installed, else a close
// sans-serif. Made once for each size.
const QFont& sansSerifFont(double pointSize);

} // namespace velkorn::ui
